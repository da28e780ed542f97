// Printing the results: the report goes to the default printer, then the window is
// drawn again, which also gives the point picking the screen table back.
#include "Dialogs.h"
#include "PrintReport.h"
#include "ResultsWindow.h"

void ResultsWindow::Command6Click() {
    const Outcome outcome = PrintReport();
    Redraw();
    Command6->setEnabled(true);
    Command6->show();
    if (outcome) return;
    // A report that did not reach the printer is said so; the window stays as it was.
    const std::string said = "Результаты не напечатаны: " + outcome.error + ".";
    if (outcome.error != NoDefaultPrinter) {
        TheDialogs().Inform(said, "Печать результатов", MessageIcon::Warning);
        return;
    }
    // Without a printer the same page can be kept as a PDF file.
    if (TheDialogs().AskYesNo(said + "\rСохранить отчёт в файл PDF?", "Печать результатов",
                              MessageIcon::Question))
        SaveReportPdf();
}
