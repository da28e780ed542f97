#include "Refinement.h"

#include <gsl/gsl_errno.h>
#include <gsl/gsl_linalg.h>
#include <gsl/gsl_multifit_nlinear.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "EngineCodes.h"
#include "FormulaGradient.h"
#include "FormulaKinds.h"
#include "ReferenceSolution.h"
#include "Weights.h"

namespace {
// Steps below this relative size, or a gradient this small, end the refinement: the
// coefficients then hold about twelve digits of the minimum, more than are shown.
constexpr double StepTolerance = 1e-12;
constexpr double GradientTolerance = 1e-12;
// Where no step makes progress, the minimum is reached when the residuals stand this
// close to square to J's columns, or are this small beside Y (an exact fit, whose
// residuals are the evaluation's rounding, in no direction in particular).
constexpr double OptimalityTolerance = 1e-6;
constexpr double ExactFitLevel = 1e-10;
// The residual of every point at a step the refinement must not take (one that
// carries a pole between the points, or leaves the range of a double): its sum of
// squares exceeds any the scaled problem has, so the step is refused and a shorter
// one tried.
constexpr double RefusedStepResidual = 1e100;

// A of Y=B*(A^X) is refined as ln A, so that no step can make it negative.
bool RefinedAsLogarithm(std::uint8_t kind) { return kind == KindPowerA; }

// The problem as GSL sees it: the residuals (f(X) - Y) / yScale and the unknowns
// p_k = theta_k / scale_k, where theta are the coefficients (ln A for A^X) and every
// scale is a power of two (exact), chosen at the start so that Y and each column of J
// have a norm near 1. So the same data in any units give the same steps and the same
// decisions.
struct Scaled {
    const RefinementProblem& problem;
    int m = 2;
    double low = 0, high = 0;  // the smallest and the largest X
    int yExponent = 0;
    std::array<int, 3> exponent{};

    FormulaCoefficients CoefficientsOf(const std::array<double, 3>& theta) const {
        FormulaCoefficients k;
        k.a = RefinedAsLogarithm(problem.kind) ? std::exp(theta[0]) : theta[0];
        k.logA = theta[0];
        k.b = theta[1];
        k.c = m > 2 ? theta[2] : 0;
        return k;
    }
    std::array<double, 3> Theta(const gsl_vector* p) const {
        std::array<double, 3> theta{};
        for (int k = 0; k < m; ++k) theta[k] = std::ldexp(gsl_vector_get(p, k), exponent[k]);
        return theta;
    }
    // The weight of point i's residual: 1 without uncertainties.
    double Weight(int i) const { return problem.weighted ? problem.weight[i] : 1; }
    // The weighed Y of point i.
    double WeighedY(int i) const { return problem.y[i] * Weight(i); }
    // dY/d theta_k at point i, weighed; false where it cannot be computed.
    bool Gradient(const FormulaCoefficients& k, int i, std::array<double, 3>& g) const {
        if (!KindGradient(problem.kind, k, problem.x[i], g)) return false;
        if (RefinedAsLogarithm(problem.kind)) g[0] = g[0] * k.a;
        if (problem.weighted)
            for (double& d : g) d = d * problem.weight[i];
        return std::isfinite(g[0]);
    }
};

int Residuals(const gsl_vector* p, void* data, gsl_vector* f) {
    const Scaled& s = *static_cast<const Scaled*>(data);
    const FormulaCoefficients k = s.CoefficientsOf(s.Theta(p));
    const bool refused = PoleBetween(s.problem.kind, k, s.low, s.high);
    for (int i = 0; i < s.problem.n; ++i) {
        std::uint8_t failure = FailNone;
        const double value = refused ? 0 : EvaluateKind(s.problem.kind, k, s.problem.x[i], failure);
        const double residual = std::ldexp((value - s.problem.y[i]) * s.Weight(i), -s.yExponent);
        const bool usable = !refused && !failure && std::isfinite(residual);
        gsl_vector_set(f, i, usable ? residual : RefusedStepResidual);
    }
    return GSL_SUCCESS;
}

int Jacobian(const gsl_vector* p, void* data, gsl_matrix* jacobian) {
    const Scaled& s = *static_cast<const Scaled*>(data);
    const FormulaCoefficients k = s.CoefficientsOf(s.Theta(p));
    std::array<double, 3> g{};
    for (int i = 0; i < s.problem.n; ++i) {
        if (!s.Gradient(k, i, g)) return GSL_EDOM;
        for (int c = 0; c < s.m; ++c)
            gsl_matrix_set(jacobian, i, c, std::ldexp(g[c], s.exponent[c] - s.yExponent));
    }
    return GSL_SUCCESS;
}

// The power of two of a norm in [0.5, 1) times it; 0 for no norm at all.
int NormExponent(double norm) {
    int exponent = 0;
    if (norm > 0 && std::isfinite(norm)) std::frexp(norm, &exponent);
    return exponent;
}

// The scales of the problem at its start; false where the start cannot be evaluated.
bool ScaleAtStart(Scaled& s, const std::array<double, 3>& theta) {
    const RefinementProblem& problem = s.problem;
    double y = 0;
    for (int i = 0; i < problem.n; ++i) y = std::max(y, std::fabs(s.WeighedY(i)));
    s.yExponent = NormExponent(y);
    const FormulaCoefficients k = s.CoefficientsOf(theta);
    std::array<double, 3> norm{}, g{};
    for (int i = 0; i < problem.n; ++i) {
        std::uint8_t failure = FailNone;
        EvaluateKind(problem.kind, k, problem.x[i], failure);
        if (failure || !s.Gradient(k, i, g)) return false;
        for (int c = 0; c < s.m; ++c) norm[c] = std::hypot(norm[c], std::ldexp(g[c], -s.yExponent));
    }
    for (int c = 0; c < s.m; ++c) s.exponent[c] = -NormExponent(norm[c]);
    return true;
}

// The largest cosine between the residuals and a column of J: 0 at a minimum (the
// residuals then stand square to every direction the coefficients can move in),
// whatever the units of Y and of the coefficients; 0 for an exact fit.
double OptimalityGap(gsl_multifit_nlinear_workspace* work, const Scaled& s) {
    const gsl_vector* f = gsl_multifit_nlinear_residual(work);
    const gsl_matrix* j = gsl_multifit_nlinear_jac(work);
    double residualNorm = 0, responseNorm = 0;
    for (std::size_t i = 0; i < f->size; ++i) {
        residualNorm += gsl_vector_get(f, i) * gsl_vector_get(f, i);
        const double y = std::ldexp(s.WeighedY(static_cast<int>(i)), -s.yExponent);
        responseNorm += y * y;
    }
    residualNorm = std::sqrt(residualNorm);
    if (residualNorm <= ExactFitLevel * std::sqrt(responseNorm)) return 0;
    double gap = 0;
    for (std::size_t k = 0; k < j->size2; ++k) {
        double product = 0, columnNorm = 0;
        for (std::size_t i = 0; i < j->size1; ++i) {
            product += gsl_matrix_get(j, i, k) * gsl_vector_get(f, i);
            columnNorm += gsl_matrix_get(j, i, k) * gsl_matrix_get(j, i, k);
        }
        if (columnNorm > 0)
            gap = std::max(gap, std::fabs(product) / (std::sqrt(columnNorm) * residualNorm));
    }
    return gap;
}

// Gauss-Newton steps from the minimum GSL found, each solved by QR: near a minimum the trust
// region's test of the sum of squares can no longer tell a better point from a worse one (the sums
// differ in their last digits), and stops some nine digits short; a step computed from J and the
// residuals themselves does not. A step that raises the sum beyond its rounding ends the polish,
// unless it is tiny and shorter than the one before (the steps contracting onto the minimum, where
// the sum's own rounding, some hundred units in its last place, decides nothing); so two starts a
// few digits apart end at the same minimum to some fourteen digits.
constexpr int PolishSteps = 12;
constexpr double TinyPolishStep = 1e-8;

double SumOfSquares(const gsl_vector* f) {
    double sum = 0;
    for (std::size_t i = 0; i < f->size; ++i) sum += gsl_vector_get(f, i) * gsl_vector_get(f, i);
    return sum;
}

void Polish(Scaled& s, gsl_vector* p) {
    const int n = s.problem.n;
    std::array<double, MaxEnteredPoints> fData{};
    std::array<double, MaxEnteredPoints * 3> jData{};
    gsl_vector_view f = gsl_vector_view_array(fData.data(), n);
    gsl_matrix_view j = gsl_matrix_view_array(jData.data(), n, s.m);
    std::array<double, 3> trialData{};
    gsl_vector_view trial = gsl_vector_view_array(trialData.data(), s.m);
    Residuals(p, &s, &f.vector);
    double sum = SumOfSquares(&f.vector);
    std::array<double, 3> tau{}, deltaData{};
    std::array<double, MaxEnteredPoints> residualData{};
    gsl_vector_view tauView = gsl_vector_view_array(tau.data(), s.m);
    gsl_vector_view delta = gsl_vector_view_array(deltaData.data(), s.m);
    gsl_vector_view residual = gsl_vector_view_array(residualData.data(), n);
    double previousStep = std::numeric_limits<double>::infinity();
    for (int step = 0; step < PolishSteps; ++step) {
        if (Jacobian(p, &s, &j.matrix) != GSL_SUCCESS) return;
        // J delta = -f in the least-squares sense.
        gsl_vector_scale(&f.vector, -1);
        if (gsl_linalg_QR_decomp(&j.matrix, &tauView.vector) ||
            gsl_linalg_QR_lssolve(&j.matrix, &tauView.vector, &f.vector, &delta.vector,
                                  &residual.vector))
            return;
        double largestStep = 0, largestValue = 0;
        for (int c = 0; c < s.m; ++c) {
            gsl_vector_set(&trial.vector, c, gsl_vector_get(p, c) + deltaData[c]);
            largestStep = std::max(largestStep, std::fabs(deltaData[c]));
            largestValue = std::max(largestValue, std::fabs(gsl_vector_get(p, c)));
        }
        if (!std::isfinite(largestStep)) return;
        Residuals(&trial.vector, &s, &f.vector);
        const double trialSum = SumOfSquares(&f.vector);
        const bool contracting =
            largestStep <= TinyPolishStep * largestValue && largestStep < previousStep;
        if (!(trialSum <= sum * (1 + 64 * std::numeric_limits<double>::epsilon())) && !contracting)
            return;
        gsl_vector_memcpy(p, &trial.vector);
        sum = trialSum;
        previousStep = largestStep;
        if (largestStep <= std::numeric_limits<double>::epsilon() * largestValue) return;
    }
}

std::uint8_t OutcomeOf(int status) {
    switch (status) {
        case GSL_SUCCESS:
            return RefinementDone;
        case GSL_EMAXITER:
        case GSL_ENOPROG:
            return RefinementNoConvergence;
        case GSL_EDOM:
        case GSL_ERANGE:
        case GSL_EOVRFLW:
            return RefinementOutOfRange;
        default:
            return RefinementSingular;
    }
}
}  // namespace

RefinementProblem ProblemOfTheFit() {
    const auto& s = Shared;
    RefinementProblem problem;
    problem.kind = s.FormulaKind;
    problem.n = s.PointCount;
    for (int i = 0; i < s.PointCount; ++i) {
        problem.x[i] = s.PointX[i + 1];
        problem.y[i] = s.PointY[i + 1];
    }
    problem.start = CurrentCoefficients();
    RowWeights weights;
    problem.weighted = s.SigmaPresent && WeightsOfRows(false, weights);
    for (int i = 0; i < s.PointCount; ++i) problem.weight[i] = weights.factor[i + 1];
    return problem;
}

Refined RefineOnY(const RefinementProblem& problem) {
    KeepGslFromAborting();
    Refined refined;
    Scaled s{problem};
    s.m = NamedCoefficientCount(problem.kind);
    const auto [low, high] = std::minmax_element(problem.x.begin(), problem.x.begin() + problem.n);
    s.low = *low;
    s.high = *high;
    if (PoleBetween(problem.kind, problem.start, s.low, s.high)) {
        refined.outcome = RefinementPoleInside;
        return refined;
    }
    const std::array<double, 3> theta = {
        RefinedAsLogarithm(problem.kind) ? problem.start.logA : problem.start.a, problem.start.b,
        problem.start.c};
    if (!ScaleAtStart(s, theta)) {
        refined.outcome = RefinementOutOfRange;
        return refined;
    }
    std::array<double, 3> start{};
    for (int k = 0; k < s.m; ++k) start[k] = std::ldexp(theta[k], -s.exponent[k]);

    const std::size_t n = problem.n, m = s.m;
    gsl_vector_view startView = gsl_vector_view_array(start.data(), m);
    gsl_multifit_nlinear_fdf fdf{};
    fdf.f = Residuals;
    fdf.df = Jacobian;
    fdf.n = n;
    fdf.p = m;
    fdf.params = &s;
    gsl_multifit_nlinear_parameters parameters = gsl_multifit_nlinear_default_parameters();
    parameters.trs = gsl_multifit_nlinear_trs_lm;
    gsl_multifit_nlinear_workspace* work =
        gsl_multifit_nlinear_alloc(gsl_multifit_nlinear_trust, &parameters, n, m);
    if (work == nullptr) {
        refined.outcome = RefinementSingular;
        return refined;
    }
    int status = gsl_multifit_nlinear_init(&startView.vector, &fdf, work);
    int info = 0;
    if (status == GSL_SUCCESS)
        status = gsl_multifit_nlinear_driver(RefinementIterationLimit, StepTolerance,
                                             GradientTolerance, 0, nullptr, nullptr, &info, work);
    refined.iterations = static_cast<int>(gsl_multifit_nlinear_niter(work));
    // No step lowers the sum any more: at a minimum to working precision (an exact
    // fit, or tolerances finer than the rounding) that is convergence, elsewhere not.
    // (The driver reports a first iteration without progress as too many iterations.)
    const bool noProgress =
        status == GSL_ENOPROG || (status == GSL_EMAXITER && info == GSL_ENOPROG);
    if (noProgress && OptimalityGap(work, s) <= OptimalityTolerance) status = GSL_SUCCESS;
    double reciprocalCondition = 0;
    if (status == GSL_SUCCESS &&
        (gsl_multifit_nlinear_rcond(&reciprocalCondition, work) != GSL_SUCCESS ||
         !(reciprocalCondition > n * m * std::numeric_limits<double>::epsilon())))
        status = GSL_ESING;
    if (status == GSL_SUCCESS) {
        gsl_vector_memcpy(&startView.vector, gsl_multifit_nlinear_position(work));
        Polish(s, &startView.vector);
        refined.coefficients = s.CoefficientsOf(s.Theta(&startView.vector));
    }
    gsl_multifit_nlinear_free(work);
    refined.outcome = OutcomeOf(status);
    const FormulaCoefficients& k = refined.coefficients;
    if (status == GSL_SUCCESS &&
        !(std::isfinite(k.a) && std::isfinite(k.b) && std::isfinite(k.c) && std::isfinite(k.logA)))
        refined.outcome = RefinementOutOfRange;
    else if (status == GSL_SUCCESS && PoleBetween(problem.kind, k, s.low, s.high))
        refined.outcome = RefinementPoleInside;
    return refined;
}
