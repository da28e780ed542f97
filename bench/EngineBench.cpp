// The whole engine sequence on 40 points (build, solve, back-transform, trial
// evaluation, curve, correlation, deviations) against GSL's linear least squares on
// the same linearised problem.
#include <benchmark/benchmark.h>
#include <gsl/gsl_multifit.h>

#include <cmath>
#include <cstdio>
#include <map>
#include <string>

#include "Comparison.h"
#include "EngineCodes.h"
#include "EngineSequence.h"
#include "Evaluate.h"
#include "Fit.h"
#include "FormulaKinds.h"
#include "Refinement.h"
#include "SharedState.h"
#include "Uncertainty.h"

namespace {

void UseForty(std::uint8_t kind, std::int16_t degree) {
    Shared = SharedState{};
    Shared.PointCount = 40;
    for (int i = 1; i <= 40; ++i) {
        const double x = -1 + 2.0 * (i - 1) / 39 + (kind == KindExponential ? 2 : 0);
        Shared.PointX[i] = x;
        Shared.PointY[i] = kind == KindSine ? 2 * std::sin(x + 0.5) + 1 + 0.01 * (i % 3)
                                            : 2 * std::exp(0.5 * x) * (1 + 0.01 * (i % 3));
    }
    Shared.FormulaKind = kind;
    if (kind == KindPolynomial) {
        Shared.TypedDegree = degree;
        Shared.UnknownCount = static_cast<std::int16_t>(degree + 1);
    }
}

// A hard set: the calendar years 1990..2029 with a trend and a wobble, whose
// polynomial columns the doubles cannot vouch for, so that the solution in quadruple
// precision runs.
void UseFortyYears(std::uint8_t kind, std::int16_t degree) {
    UseForty(kind, degree);
    for (int i = 1; i <= 40; ++i) {
        const double t = i - 1;
        Shared.PointX[i] = 1990 + t;
        Shared.PointY[i] = 100 + 2.5 * t + 0.01 * t * t + 0.3 * std::sin(1990 + t);
    }
}

void EngineSequence(benchmark::State& state, std::uint8_t kind, std::int16_t degree) {
    UseForty(kind, degree);
    for (auto _ : state) {
        FitCoefficients();
        RecoverCoefficients();
        EvaluateAtArg();
        SampleCurve();
        benchmark::DoNotOptimize(CorrelationCoefficient());
        ComputeDeviations();
        benchmark::DoNotOptimize(Shared.MeanDeviation);
    }
    if (Shared.ComputationFailed) state.SkipWithError("the fit failed");
}

// The fit alone (build and solve), the part GSL does.
void EngineFit(benchmark::State& state, std::uint8_t kind, std::int16_t degree) {
    UseForty(kind, degree);
    for (auto _ : state) {
        FitCoefficients();
        benchmark::DoNotOptimize(Shared.FitMatrix[0][1]);
    }
}

// The curve alone (301 samples of the fitted polynomial), the part of the sequence
// beside the fit that a GSL user would also have to compute.
void CurveOnly(benchmark::State& state, std::uint8_t kind, std::int16_t degree) {
    UseForty(kind, degree);
    FitCoefficients();
    RecoverCoefficients();
    for (auto _ : state) {
        SampleCurve();
        benchmark::DoNotOptimize(Shared.CurvePointCount);
    }
}

void EngineFitOverYears(benchmark::State& state, std::int16_t degree) {
    UseFortyYears(KindPolynomial, degree);
    for (auto _ : state) {
        FitCoefficients();
        benchmark::DoNotOptimize(Shared.FitMatrix[0][1]);
    }
    if (Shared.ComputationFailed) state.SkipWithError("the fit failed");
}

// Every formula the 40 points allow (the polynomials at degrees 1..19 and 1..20),
// fitted and ranked as the comparison window and --compare do.
void ComparisonOfEveryFormula(benchmark::State& state, bool overYears) {
    if (overYears)
        UseFortyYears(KindSine, 0);
    else
        UseForty(KindSine, 0);
    FillFormulaTexts();
    std::size_t rows = 0;
    for (auto _ : state) {
        const auto fits = CompareFormulas();
        rows = fits.size();
        benchmark::DoNotOptimize(fits.data());
    }
    state.counters["fits"] = static_cast<double>(rows);
}

// Least squares on Y of the 40 exponential points, from the linearised coefficients
// (restored before each refinement), and the standard errors of the result.
void RefinementOnY(benchmark::State& state) {
    UseForty(KindExponential, 0);
    FitCoefficients();
    RecoverCoefficients();
    const RefinementProblem problem = ProblemOfTheFit();
    Refined refined;
    for (auto _ : state) {
        refined = RefineOnY(problem);
        benchmark::DoNotOptimize(refined.coefficients.a);
    }
    if (refined.outcome != RefinementDone) state.SkipWithError("no refinement");
    state.counters["steps"] = refined.iterations;
}

void StandardErrorsOnY(benchmark::State& state) {
    UseForty(KindExponential, 0);
    Shared.FitMode = FitOnY;
    RunEngineSequence();
    for (auto _ : state) benchmark::DoNotOptimize(SpreadOfFit().residualSum);
}

// GSL on the design matrix the engine builds (taken once from FitMatrix).
void GslPeer(benchmark::State& state, std::uint8_t kind, std::int16_t degree) {
    UseForty(kind, degree);
    FitCoefficients();
    // FitCoefficients overwrote rows 0..m with the normal equations: rebuild from the kind.
    const int n = 40;
    const int m = Shared.UnknownCount;
    gsl_matrix* x = gsl_matrix_alloc(n, m);
    gsl_vector* y = gsl_vector_alloc(n);
    for (int i = 0; i < n; ++i) {
        const double xi = Shared.PointX[i + 1], yi = Shared.PointY[i + 1];
        for (int k = 0; k < m; ++k) {
            double basis = 1;
            if (kind == KindPolynomial) basis = std::pow(xi, k);
            if (kind == KindExponential) basis = k == 0 ? 1 : xi;
            if (kind == KindSine) basis = k == 0 ? 1 : (k == 1 ? std::sin(xi) : std::cos(xi));
            gsl_matrix_set(x, i, k, basis);
        }
        gsl_vector_set(y, i, kind == KindExponential ? std::log(yi) : yi);
    }
    gsl_vector* c = gsl_vector_alloc(m);
    gsl_matrix* cov = gsl_matrix_alloc(m, m);
    gsl_multifit_linear_workspace* work = gsl_multifit_linear_alloc(n, m);
    double chisq = 0;
    for (auto _ : state) {
        gsl_multifit_linear(x, y, c, cov, &chisq, work);
        benchmark::DoNotOptimize(chisq);
    }
    gsl_multifit_linear_free(work);
    gsl_matrix_free(cov);
    gsl_vector_free(c);
    gsl_vector_free(y);
    gsl_matrix_free(x);
}

}  // namespace

BENCHMARK_CAPTURE(EngineSequence, Polynomial19, KindPolynomial, 19);
BENCHMARK_CAPTURE(EngineFit, Polynomial19, KindPolynomial, 19);
BENCHMARK_CAPTURE(GslPeer, Polynomial19, KindPolynomial, 19);
BENCHMARK_CAPTURE(CurveOnly, Polynomial19, KindPolynomial, 19);
BENCHMARK_CAPTURE(EngineSequence, Exponential, KindExponential, 0);
BENCHMARK_CAPTURE(EngineFit, Exponential, KindExponential, 0);
BENCHMARK_CAPTURE(GslPeer, Exponential, KindExponential, 0);
BENCHMARK_CAPTURE(EngineSequence, Sine, KindSine, 0);
BENCHMARK_CAPTURE(EngineFit, Sine, KindSine, 0);
BENCHMARK_CAPTURE(GslPeer, Sine, KindSine, 0);
BENCHMARK_CAPTURE(EngineFitOverYears, Polynomial3, 3);
BENCHMARK_CAPTURE(EngineFitOverYears, Polynomial5, 5);
BENCHMARK_CAPTURE(ComparisonOfEveryFormula, Ordinary, false)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(ComparisonOfEveryFormula, OverYears, true)->Unit(benchmark::kMicrosecond);
BENCHMARK(RefinementOnY)->Unit(benchmark::kMicrosecond);
BENCHMARK(StandardErrorsOnY)->Unit(benchmark::kMicrosecond);
// The benchmarks as usual, then each fit's time against GSL's on the same problem, from
// the same run: "EngineFit/Exponential / GslPeer/Exponential = 0.73", and the sequence
// of degree 19 against GSL's fit plus the curve.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) times_[run.benchmark_name()] = run.GetAdjustedCPUTime();
        ConsoleReporter::ReportRuns(runs);
    }
    void PrintRatios() const {
        for (const char* kind : {"Polynomial19", "Exponential", "Sine"}) {
            const auto ours = times_.find(std::string("EngineFit/") + kind);
            const auto gsl = times_.find(std::string("GslPeer/") + kind);
            if (ours != times_.end() && gsl != times_.end())
                std::printf("EngineFit/%s / GslPeer/%s = %.2f\n", kind, kind,
                            ours->second / gsl->second);
        }
        const auto sequence = times_.find("EngineSequence/Polynomial19");
        const auto gsl = times_.find("GslPeer/Polynomial19");
        const auto curve = times_.find("CurveOnly/Polynomial19");
        if (sequence != times_.end() && gsl != times_.end() && curve != times_.end())
            std::printf("EngineSequence/Polynomial19 / (GslPeer + CurveOnly) = %.2f\n",
                        sequence->second / (gsl->second + curve->second));
    }

private:
    std::map<std::string, double> times_;
};

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
