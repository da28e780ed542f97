#include "CommandLine.h"

#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "Bands.h"
#include "Comparison.h"
#include "ComparisonRow.h"
#include "EngineCodes.h"
#include "EngineSequence.h"
#include "ErrorReport.h"
#include "Evaluate.h"
#include "FileText.h"
#include "FitModeText.h"
#include "FormulaChoice.h"
#include "FormulaKinds.h"
#include "NumberText.h"
#include "PointSources.h"
#include "PointTable.h"
#include "SessionFile.h"
#include "SharedState.h"
#include "Uncertainty.h"
#include "WholeFile.h"

namespace {
constexpr int OutputFailed = 1, BadInput = 2, RefusedFit = 3;

const char* const Usage =
    "Использование:\n"
    "  approximation [ФАЙЛ]                  окно программы (с точками из файла)\n"
    "  approximation --compare ФАЙЛ [--on-y] [--columns X,Y[,S]]\n"
    "                                         все зависимости, лучшая первой (AICc)\n"
    "  approximation --fit ФОРМУЛА ФАЙЛ [--on-y] [--columns X,Y[,S]] [--at X,X...]\n"
    "                                         [--sigma relative|absolute]\n"
    "  approximation --fit РАБОТА.approx       формула сохранённой работы\n"
    "                                         одна зависимость: коэффициенты с\n"
    "                                         ошибками, 95%-интервалы и таблица\n"
    "  approximation --help | --version\n"
    "ФОРМУЛА: номер в списке 1..13 (полином со степенью: 1:3), или её текст, как\n"
    "Y=A*Exp(B*X). ФАЙЛ \"-\" читается со стандартного ввода. --on-y: МНК по самому\n"
    "Y вместо линеаризованного МНК (для зависимостей 3, 4, 6, 7, 10, 12).\n"
    "--columns X,Y[,S]: столбцы X, Y (и погрешности σ Y) таблицы, номера с 1\n"
    "или заголовки. С σ точки взвешены 1/σ²; --sigma: ошибки коэффициентов по\n"
    "σ как относительным весам (relative, масштаб χ²/ν) или абсолютным (absolute).\n"
    "--at X,X...: Y в этих X с 95%-интервалами (доверительным и предсказания).\n"
    "Код выхода: 0 сделано, 1 вывод не записан, 2 неверный ввод, 3 расчёт\n"
    "невозможен.\n";

int Refuse(const std::string& message) {
    std::fprintf(stderr, "approximation: %s\n", message.c_str());
    return BadInput;
}

// The shortest text that reads back as the same double, with a decimal point; empty
// for a figure that was not computed.
std::string Number(double value) { return std::isfinite(value) ? RoundTripText(value) : ""; }

std::string Number(const std::optional<double>& value) { return value ? Number(*value) : ""; }

// The points of FILE (or of standard input) made the point set, from these columns
// (none: as the table shows them); false with the message given when there is no
// valid table.
bool TakePoints(const std::string& file, const std::optional<ColumnRequest>& columns) {
    // A saved work is read as a file of points: its points (its formula where the
    // command names none).
    if (file != "-" && IsSessionFile(file)) {
        std::string error;
        const std::optional<Work> work = ReadSessionFile(file, error);
        if (!work) {
            Refuse("работа не взята из файла «" + FileNameOf(file) + "»: " + error);
            return false;
        }
        const std::uint8_t mode = Shared.FitMode;
        ApplyWork(*work);
        Shared.FitMode = mode;
        return true;
    }
    PointTable table;
    if (file == "-") {
        const FileText read = ReadStreamText(STDIN_FILENO);
        table = read.outcome ? ReadPointTable(read.text, ReadingOf("нет точек", columns))
                             : PointTable{{}, read.outcome.error, {}, false};
    } else {
        table = PointTableOfFile(file, columns);
    }
    if (!table.error.empty()) {
        std::string columnsFound;
        for (const std::string& column : table.columns)
            columnsFound += (columnsFound.empty() ? ": " : ", ") + column;
        Refuse(
            "точки не взяты из " +
            (file == "-" ? std::string("стандартного ввода") : "файла «" + FileNameOf(file) + "»") +
            ": " + table.error + columnsFound +
            (table.columns.empty() ? "" : "; укажите их: --columns X,Y или X,Y,S"));
        return false;
    }
    ReplacePointsWith(table);
    return true;
}

int Compare() {
    std::printf(
        "kind\tdegree\tformula\tk\taicc\tdelta_aicc\tweight\tmean_deviation_percent\tcorrelation"
        "\tr2_on_y\tresidual_sd\tstatus\tmode\tbic\n");
    for (const ComparedFit& f : CompareFormulas()) {
        const ComparisonRow row = RowOf(f);
        std::printf("%d\t%d\t%s\t%d\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\t%s\n", f.kind, f.degree,
                    row.formula.c_str(), row.coefficients, Number(row.aicc).c_str(),
                    Number(row.delta).c_str(), Number(row.weight).c_str(),
                    Number(row.meanDeviation).c_str(), Number(row.correlation).c_str(),
                    Number(row.determination).c_str(), Number(row.residualDeviation).c_str(),
                    row.status.c_str(), row.mode.c_str(), Number(row.bic).c_str());
    }
    return 0;
}

// Takes "10", "1:3" or a formula's text (with ":DEGREE" for a polynomial) into the
// shared state as the formula list would; false with the message given.
bool TakeFormulaArgument(const std::string& formula) {
    std::string name = formula, degree;
    if (const std::size_t colon = formula.rfind(':'); colon != std::string::npos) {
        name = formula.substr(0, colon);
        degree = formula.substr(colon + 1);
    }
    int kind = 0;
    const auto [end, error] = std::from_chars(name.data(), name.data() + name.size(), kind);
    if (error != std::errc() || end != name.data() + name.size()) {
        kind = 0;
        for (int k = 1; k <= FormulaCount; ++k)
            if (Shared.FormulaTexts[k] == name) kind = k;
    }
    if (kind < 1 || kind > FormulaCount) {
        Refuse("неизвестная формула «" + formula + "»");
        return false;
    }
    const auto k = static_cast<std::uint8_t>(kind);
    if (kind > OfferedFormulaCount(Shared.PointCount)) {
        Refuse("для формулы «" + Shared.FormulaTexts[k] + "» нужно не меньше 4 пар точек");
        return false;
    }
    if (!IsPolynomialKind(k)) {
        if (!degree.empty()) {
            Refuse("у формулы «" + Shared.FormulaTexts[k] + "» нет степени");
            return false;
        }
        Shared.FormulaKind = k;
        return true;
    }
    switch (TakeTypedDegree(k, degree)) {
        case DegreeVerdict::Accepted:
            return true;
        case DegreeVerdict::NotPositive:
            Refuse("у полинома нужна степень 1 или больше: " + std::to_string(kind) + ":СТЕПЕНЬ");
            return false;
        case DegreeVerdict::TooManyUnknowns:
            Refuse("для полинома степени " + degree + " мало пар точек");
            return false;
    }
    return false;
}

int Fit(const std::string& formula, const std::vector<double>& at) {
    auto& s = Shared;
    if (!TakeFormulaArgument(formula)) return BadInput;
    if (const std::uint8_t failed = RunEngineSequence()) {
        std::fprintf(stderr, "approximation: НЕТ РЕШЕНИЯ: %s\n", CauseLine(failed).c_str());
        return RefusedFit;
    }
    // A refinement that failed leaves the linearised fit, which is printed as such.
    if (const std::string failure = RefinementFailureText(); !failure.empty())
        std::fprintf(stderr, "approximation: %s\n", failure.c_str());
    const FitSpread spread = SpreadOfFit();
    const double r = CorrelationCoefficient();
    ComputeDeviations();
    std::printf("formula\t%s\nmode\t%s\n", s.FormulaTexts[s.FormulaKind].c_str(),
                spread.onY ? "on_y" : "linearised");
    for (const CoefficientSpread& c : spread.coefficients)
        std::printf("%s\t%s\t%s\t%s\t%s\n", c.name.c_str(), Number(c.value).c_str(),
                    Number(c.standardError).c_str(), Number(c.low).c_str(), Number(c.high).c_str());
    std::printf("mean_deviation_percent\t%s\ncorrelation\t%s\nr2_on_y\t%s\nresidual_sd\t%s\n",
                Number(s.MeanDeviation).c_str(), Number(r).c_str(),
                Number(DeterminationCoefficient()).c_str(),
                Number(ResidualStandardDeviation()).c_str());
    // What the standard errors rest on, as the details window gives it.
    std::printf("residual_sum_of_squares\t%s\ndegrees_of_freedom\t%d\nsteps\t%d\n",
                Number(spread.residualSum).c_str(), spread.degreesOfFreedom,
                s.RefinementOutcome == RefinementDone ? int(s.RefinementIterations) : 0);
    if (spread.weighted)
        std::printf(
            "sigma_convention\t%s\nchi_square\t%s\nreduced_chi_square\t%s\n"
            "chi_square_probability\t%s\n",
            spread.convention == SigmaAbsolute ? "absolute" : "relative",
            Number(spread.chiSquare).c_str(),
            Number(spread.chiSquare / spread.degreesOfFreedom).c_str(),
            Number(spread.chiSquareProbability).c_str());
    const auto& names = spread.coefficients;
    for (std::size_t i = 0; i < spread.correlation.size(); ++i)
        for (std::size_t j = i + 1; j < spread.correlation.size(); ++j)
            std::printf("correlation_of\t%s\t%s\t%s\n", names[i].name.c_str(),
                        names[j].name.c_str(), Number(spread.correlation[i][j]).c_str());
    // Columns are only ever added after the existing ones: sigma last.
    std::printf(s.SigmaPresent ? "\nN\tX\tY\tY_computed\tdeviation_percent\tsigma\n"
                               : "\nN\tX\tY\tY_computed\tdeviation_percent\n");
    for (int i = 1; i <= s.PointCount; ++i)
        std::printf("%d\t%s\t%s\t%s\t%s%s\n", i, Number(s.PointX[i]).c_str(),
                    Number(s.PointY[i]).c_str(), Number(s.FitMatrix[i][0]).c_str(),
                    Number(s.Deviation[i]).c_str(),
                    s.SigmaPresent ? ("\t" + Number(s.PointSigma[i])).c_str() : "");
    for (const double x : at) {
        const BandsAtX b = BandsAt(spread, x);
        std::printf("at\t%s\t%s\t%s\t%s\t%s\t%s\t%s\n", Number(x).c_str(), Number(b.y).c_str(),
                    Number(b.seMean).c_str(), Number(b.confidence.low).c_str(),
                    Number(b.confidence.high).c_str(), Number(b.prediction.low).c_str(),
                    Number(b.prediction.high).c_str());
    }
    return 0;
}

// What follows the command: its operands, and the options that may stand anywhere
// after it, each at most once.
struct Arguments {
    std::vector<std::string> operands;
    std::optional<ColumnRequest> columns;
    std::optional<std::vector<double>> at;   // the X of --at
    std::optional<std::uint8_t> convention;  // of --sigma
    std::string fault;                       // one line naming a wrong or repeated option
};

// "1.5,2,1e3" as numbers with a decimal point; fault names the first that is none.
std::vector<double> NumbersOf(const std::string& list, std::string& fault) {
    std::vector<double> numbers;
    for (std::size_t start = 0; start <= list.size();) {
        const std::size_t end = std::min(list.find(',', start), list.size());
        const std::string text = list.substr(start, end - start);
        double value = 0;
        const auto [stop, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (text.empty() || error != std::errc() || stop != text.data() + text.size() ||
            !std::isfinite(value)) {
            fault = "в «--at» не число: «" + text + "»";
            return {};
        }
        numbers.push_back(value);
        start = end + 1;
    }
    return numbers;
}

Arguments ReadArguments(const std::vector<std::string>& args) {
    Arguments read;
    bool onY = false;
    for (std::size_t i = 1; i < args.size() && read.fault.empty(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--on-y") {
            if (onY) read.fault = "параметр «--on-y» повторён";
            onY = true;
            Shared.FitMode = FitOnY;
        } else if (arg == "--columns") {
            const std::string list = i + 1 < args.size() ? args[i + 1] : std::string();
            const std::size_t comma = list.find(','), second = comma == std::string::npos
                                                                   ? comma
                                                                   : list.find(',', comma + 1);
            const bool third = second != std::string::npos;
            if (read.columns)
                read.fault = "параметр «--columns» повторён";
            else if (comma == std::string::npos ||
                     (third && (second + 1 == list.size() ||
                                list.find(',', second + 1) != std::string::npos)))
                read.fault = "после «--columns» нужны столбцы X,Y или X,Y,S (номера или заголовки)";
            else
                read.columns = ColumnRequest{
                    list.substr(0, comma),
                    list.substr(comma + 1, third ? second - comma - 1 : std::string::npos),
                    third ? list.substr(second + 1) : std::string()};
            ++i;
        } else if (arg == "--sigma") {
            const std::string value = i + 1 < args.size() ? args[i + 1] : std::string();
            if (read.convention)
                read.fault = "параметр «--sigma» повторён";
            else if (value != "relative" && value != "absolute")
                read.fault = "после «--sigma» нужно relative или absolute";
            else
                read.convention = value == "absolute" ? SigmaAbsolute : SigmaRelative;
            ++i;
        } else if (arg == "--at") {
            if (read.at)
                read.fault = "параметр «--at» повторён";
            else if (i + 1 == args.size())
                read.fault = "после «--at» нужны X через запятую";
            else
                read.at = NumbersOf(args[i + 1], read.fault);
            ++i;
        } else if (arg.size() > 1 && arg[0] == '-') {
            read.fault = "неизвестный параметр «" + arg + "»";
        } else {
            read.operands.push_back(arg);
        }
    }
    return read;
}

int Run(const std::vector<std::string>& args) {
    const std::string& command = args[0];
    if (command == "--help" || command == "-h") {
        if (args.size() > 1) return Refuse("после «" + command + "» ничего не нужно; см. --help");
        std::fputs(Usage, stdout);
        return 0;
    }
    if (command == "--version") {
        if (args.size() > 1) return Refuse("после «--version» ничего не нужно; см. --help");
        std::printf("approximation %s\n", APPROX_VERSION);
        return 0;
    }
    if (command != "--compare" && command != "--fit")
        return Refuse("неизвестный параметр «" + command + "»; см. --help");
    FillFormulaTexts();
    const Arguments read = ReadArguments(args);
    if (!read.fault.empty()) return Refuse(read.fault + "; см. --help");
    // --fit FILE alone takes the formula a saved work holds.
    const bool formulaOfWork = command == "--fit" && read.operands.size() == 1 &&
                               read.operands[0] != "-" && IsSessionFile(read.operands[0]);
    const std::size_t wanted = command == "--fit" && !formulaOfWork ? 2 : 1;
    if (read.operands.size() != wanted)
        return Refuse(command == "--fit" ? "после «--fit» нужны ФОРМУЛА и ФАЙЛ; см. --help"
                                         : "после «--compare» нужен ФАЙЛ; см. --help");
    if (read.at && command != "--fit") return Refuse("«--at» — только после --fit; см. --help");
    if (!TakePoints(read.operands.back(), read.columns)) return BadInput;
    if (read.convention && !Shared.SigmaPresent)
        return Refuse("«--sigma» — только для точек с погрешностями σ (--columns X,Y,S)");
    if (read.convention) Shared.SigmaConvention = *read.convention;
    if (command != "--fit") return Compare();
    const std::string formula = formulaOfWork ? std::to_string(Shared.FormulaKind) +
                                                    (IsPolynomialKind(Shared.FormulaKind)
                                                         ? ":" + std::to_string(Shared.TypedDegree)
                                                         : std::string())
                                              : read.operands[0];
    return Fit(formula, read.at.value_or(std::vector<double>{}));
}

// Standard output and standard error written whole: a failure to write either (a
// full device, a closed descriptor) is said where it can be and ends with
// OutputFailed; a closed pipe ends the program quietly, as it ends Unix tools.
int Finished(int status) {
    const bool outputFailed = std::fflush(stdout) != 0 || std::ferror(stdout);
    const int outputError = errno;
    if (outputFailed && outputError == EPIPE) {
        std::signal(SIGPIPE, SIG_DFL);
        std::raise(SIGPIPE);
    }
    if (outputFailed)
        std::fprintf(stderr, "approximation: стандартный вывод не записан: %s\n",
                     WriteFailureReason(outputError).c_str());
    const bool messagesFailed = std::fflush(stderr) != 0 || std::ferror(stderr);
    return outputFailed || messagesFailed ? OutputFailed : status;
}
}  // namespace

std::optional<int> RunCommandLine(int argc, char* argv[]) {
    if (argc < 2) return std::nullopt;
    const std::vector<std::string> args(argv + 1, argv + argc);
    const std::string& command = args[0];
    if (command.size() < 2 || command[0] != '-' || command == "-") return std::nullopt;
    return Finished(Run(args));
}
