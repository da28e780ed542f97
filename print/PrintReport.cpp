#include "PrintReport.h"

#include <cups/cups.h>
#include <dlfcn.h>

#include <QFile>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>

#include "Graph.h"
#include "PainterSurface.h"
#include "PrintSheet.h"
#include "Program.h"
#include "ReportDate.h"
#include "SharedState.h"
#include "Sheet.h"
#include "Table.h"
#include "Utf8Text.h"
#include "WholeFile.h"

namespace {
constexpr int SheetMargin = 10;  // pixels kept free right of and below the drawing
constexpr double SheetCell = 8;  // the fixed-pitch cell the sheet is laid out in

// Right and bottom edges of what the sheet holds, in sheet pixels.
QSizeF ComposedSize(const std::vector<SurfaceOp>& ops, double lineHeight) {
    double right = 0, bottom = 0;
    for (const SurfaceOp& op : ops) {
        switch (op.kind) {
            case SurfaceOp::Text:
                right =
                    std::max(right, op.x1 + SheetCell * static_cast<double>(CharCount(op.text)));
                bottom = std::max(bottom, op.y1 + lineHeight);
                break;
            case SurfaceOp::Line:
            case SurfaceOp::Box:
                right = std::max({right, op.x1, op.x2});
                bottom = std::max({bottom, op.y1, op.y2});
                break;
            case SurfaceOp::Circle:
                right = std::max(right, op.x1 + op.x2);
                bottom = std::max(bottom, op.y1 + op.x2);
                break;
            case SurfaceOp::Clear:
                break;
        }
    }
    return {right + SheetMargin, bottom + SheetMargin};
}

// The sheet's drawing onto a page (a printer's or a PDF file's) as vector text and
// lines, scaled so that it fills the printable width with its aspect kept.
Outcome PaintSheet(QPrinter& printer, const ImageSurface& sheet, const std::string& refused) {
    printer.setDocName(QStringLiteral("Аппроксимация экспериментальных данных"));
    printer.setFullPage(false);
    QPainter painter;
    if (!painter.begin(&printer)) return {refused};
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    const QSizeF composed = ComposedSize(sheet.OpsSinceClear(), sheet.TextLineHeight());
    const double scale =
        std::min(page.width() / composed.width(), page.height() / composed.height());
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing, true);
    ReplayOps(painter, sheet.OpsSinceClear(), FontSpec{Face::Courier, 9.75, false}, SheetCell);
    if (!painter.end()) return {"система печати прервала задание"};
    if (printer.printerState() == QPrinter::Error) return {"система печати сообщила об ошибке"};
    return {};
}

// Whether the print system takes jobs for the queue now: a queue that rejects them
// (cupsreject) would swallow the page and tell no one. A queue the print system
// does not know is not asked. libcups is opened here, not linked: its seventeen
// libraries (TLS, Kerberos, Avahi) would otherwise load at every start, a tenth of the
// time to the first window; by now Qt's print support has loaded it anyway.
bool AcceptsJobs(const std::string& queue) {
    void* cups = dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
    if (!cups) return true;
    const auto getNamedDest =
        reinterpret_cast<decltype(&cupsGetNamedDest)>(dlsym(cups, "cupsGetNamedDest"));
    const auto getOption = reinterpret_cast<decltype(&cupsGetOption)>(dlsym(cups, "cupsGetOption"));
    const auto freeDests = reinterpret_cast<decltype(&cupsFreeDests)>(dlsym(cups, "cupsFreeDests"));
    bool accepts = true;
    if (getNamedDest && getOption && freeDests) {
        if (cups_dest_t* dest = getNamedDest(CUPS_HTTP_DEFAULT, queue.c_str(), nullptr)) {
            const char* accepting =
                getOption("printer-is-accepting-jobs", dest->num_options, dest->options);
            accepts = !accepting || std::strcmp(accepting, "false") != 0;
            freeDests(1, dest);
        }
    }
    dlclose(cups);
    return accepts;
}

Outcome SendToPrinter(const ImageSurface& sheet) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) return {NoDefaultPrinter};
    const std::string name = info.printerName().toStdString();
    if (!AcceptsJobs(name)) return {"принтер " + name + " не принимает задания"};
    QPrinter printer(info, QPrinter::HighResolution);
    return PaintSheet(printer, sheet, "система печати не приняла задание для принтера " + name);
}

// The composed page through the sender, then the sheet is gone again.
Outcome ComposeAndSend(const std::function<Outcome(const ImageSurface&)>& send) {
    ComposeReport();
    PrintSheetWindow& sheet = Form5();
    const Outcome outcome = send(sheet.DrawingImage());
    sheet.hide();
    UnloadWindow(&sheet);
    CloseOtherWindows();
    return outcome;
}
}  // namespace

void ComposeReport() {
    auto& s = Shared;
    PrintSheetWindow& sheet = Form5();
    Surface& d = sheet.Drawing();
    d.Clear();
    d.MoveTo(10, 10);
    d.Print("             " + ReportDateText());
    d.SetCurrentY(d.CurrentY() + 10);
    d.SetBold(true);
    d.Print("              АППРОКСИМАЦИЯ ЭКСПЕРИМЕНТАЛЬНЫХ ДАННЫХ МЕТОДОМ НАИМЕНЬШИХ КВАДРАТОВ");
    d.SetBold(false);
    s.PrintOffsetX = PaperSheet().offsetX;
    s.PrintOffsetY = PaperSheet().offsetY;
    PrintTable(d);
    PrintResults(d);
}

const char* const NoDefaultPrinter = "в системе не настроен принтер по умолчанию";

Outcome PrintReport() { return ComposeAndSend(SendToPrinter); }

Outcome SaveReportAsPdf(const std::string& path) {
    return ComposeAndSend([&](const ImageSurface& sheet) -> Outcome {
        // The page goes to a scratch file first; only a finished document replaces
        // the file the user named, whole.
        const QTemporaryDir scratch;
        const QString draft = scratch.filePath(QStringLiteral("report.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFileName(draft);
        const std::string unfinished = "страница не записана во временную папку";
        if (!scratch.isValid()) return {unfinished};
        const Outcome outcome = PaintSheet(printer, sheet, unfinished);
        if (!outcome) return outcome;
        QFile file(draft);
        if (!file.open(QIODevice::ReadOnly)) return {unfinished};
        const QByteArray bytes = file.readAll();
        // A document cut short (its disk full) lacks the end-of-file mark.
        if (!bytes.trimmed().endsWith("%%EOF")) return {unfinished};
        const Outcome written =
            WriteWholeFile(path, std::string_view(bytes.constData(), bytes.size()));
        return written;
    });
}
