// From the click on a formula to the results window fully drawn (40 points, a
// polynomial of degree 10), and from start-up to the painted title window, on Qt's
// offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTest>
#include <fstream>
#include <string>

#include "Dialogs.h"
#include "FormulaWindow.h"
#include "Program.h"
#include "ResultsWindow.h"
#include "SharedState.h"
#include "TitleWindow.h"

namespace {

// Answers every input box with the degree.
class DegreeAnswer : public Dialogs {
public:
    std::string InputBox(const std::string&, const std::string&, double, double) override {
        return "10";
    }
    bool AskYesNo(const std::string&, const std::string&, MessageIcon) override { return true; }
    void Inform(const std::string&, const std::string&, MessageIcon) override {}
    void Beep() override {}
    BoxAnswer InputBoxTakingTables(const std::string&, const std::string&, double,
                                   double) override {
        return {"10", false};
    }
    std::string OpenFileName(const std::string&) override { return {}; }
    std::string SaveFileName(const std::string&, const std::string&) override { return {}; }
    int ChooseFromMenu(const std::vector<std::string>&, int, int) override { return -1; }
    std::optional<ColumnPair> ChooseColumns(const std::vector<std::string>&) override { return {}; }
};

void UseFortyPoints() {
    SetColourSettings();
    FillFormulaTexts();
    Shared.PointCount = 40;
    for (int i = 1; i <= 40; ++i) {
        Shared.PointX[i] = i * 0.25;
        Shared.PointY[i] = 3 + std::sin(i * 0.25) + 0.01 * i;
        Shared.PointXText[i] = std::to_string(i * 0.25).substr(0, 5);
        Shared.PointYText[i] = std::to_string(Shared.PointY[i]).substr(0, 6);
    }
}

// VmRSS of this process, from /proc.
double ResidentMegabytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024;
    return 0;
}

void ClickToResults(benchmark::State& state) {
    DegreeAnswer answers;
    Dialogs* previous = UseDialogs(&answers);
    SetEndProgramHandler([] {});
    UseFortyPoints();
    for (auto _ : state) {
        Form2();
        ChooseFormula(1);
        Form3().repaint();
        benchmark::DoNotOptimize(Form3().DrawingImage().OpsSinceClear().size());
        // The windows unloaded by the choice go, as the program's event loop lets them.
        state.PauseTiming();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
    // The resident memory with the results window on display, in megabytes.
    state.counters["resident_MB"] = ResidentMegabytes();
    UseDialogs(previous);
}

void StartToTitle(benchmark::State& state) {
    for (auto _ : state) {
        Form1().show();
        Form1().repaint();
        state.PauseTiming();
        UnloadWindow(&Form1());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        state.ResumeTiming();
    }
}

}  // namespace

BENCHMARK(ClickToResults)->Unit(benchmark::kMillisecond);
BENCHMARK(StartToTitle)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
