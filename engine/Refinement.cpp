#include "Refinement.h"

#include <gsl/gsl_errno.h>
#include <gsl/gsl_multifit_nlinear.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "EngineCodes.h"
#include "Evaluate.h"
#include "Fit.h"
#include "FormulaGradient.h"
#include "FormulaKinds.h"
#include "ReferenceSolution.h"
#include "SharedState.h"

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

// A of Y=B*(A^X) is refined as ln A, so that no step can make it negative.
bool RefinedAsLogarithm(std::uint8_t kind) { return kind == KindPowerA; }

void TakeParameters(const gsl_vector* p) {
    auto& s = Shared;
    const double first = gsl_vector_get(p, 0);
    std::uint8_t failure = FailNone;
    if (RefinedAsLogarithm(s.FormulaKind))
        TakePowerBase(first, failure);
    else
        s.CoefA = first;
    s.CoefB = gsl_vector_get(p, 1);
    if (p->size > 2) s.CoefC = gsl_vector_get(p, 2);
}

// Residuals f(X) - Y through the same evaluation that draws the curve and fills the
// table; a value that cannot be computed stops the refinement.
int Residuals(const gsl_vector* p, void*, gsl_vector* f) {
    auto& s = Shared;
    TakeParameters(p);
    for (int i = 1; i <= s.PointCount; ++i) {
        s.ComputationFailed = FailNone;
        const double value = EvaluateFormula(s.PointX[i]);
        const double residual = value - s.PointY[i];
        if (s.ComputationFailed || !std::isfinite(residual)) return GSL_EDOM;
        gsl_vector_set(f, i - 1, residual);
    }
    return GSL_SUCCESS;
}

int Jacobian(const gsl_vector* p, void*, gsl_matrix* jacobian) {
    auto& s = Shared;
    TakeParameters(p);
    std::array<double, 3> g{};
    for (int i = 1; i <= s.PointCount; ++i) {
        if (!FormulaGradient(s.PointX[i], g)) return GSL_EDOM;
        if (RefinedAsLogarithm(s.FormulaKind)) g[0] = g[0] * s.CoefA;
        for (std::size_t k = 0; k < jacobian->size2; ++k) gsl_matrix_set(jacobian, i - 1, k, g[k]);
    }
    return GSL_SUCCESS;
}

// The largest cosine between the residuals and a column of J: 0 at a minimum (the
// residuals then stand square to every direction the coefficients can move in),
// whatever the units of Y and of the coefficients; 0 for an exact fit.
double OptimalityGap(gsl_multifit_nlinear_workspace* work) {
    const gsl_vector* f = gsl_multifit_nlinear_residual(work);
    const gsl_matrix* j = gsl_multifit_nlinear_jac(work);
    double residualNorm = 0, responseNorm = 0;
    for (std::size_t i = 0; i < f->size; ++i) {
        residualNorm += gsl_vector_get(f, i) * gsl_vector_get(f, i);
        responseNorm += Shared.PointY[i + 1] * Shared.PointY[i + 1];
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

bool IsRefinableKind(std::uint8_t kind) {
    return kind == KindPowerX || kind == KindPowerA || kind == KindReciprocalLinear ||
           kind == KindRational || kind == KindExponential || kind == KindExpQuadratic;
}

std::uint8_t RefineOnY() {
    auto& s = Shared;
    KeepGslFromAborting();
    const double startA = s.CoefA, startB = s.CoefB, startC = s.CoefC, startLogA = s.CoefLogA;
    const std::size_t n = s.PointCount;
    const std::size_t m = s.FormulaKind >= FirstThreeCoefficientKind ? 3 : 2;
    s.RefinementIterations = 0;

    std::array<double, 3> start = {RefinedAsLogarithm(s.FormulaKind) ? startLogA : startA, startB,
                                   startC};
    gsl_vector_view startView = gsl_vector_view_array(start.data(), m);
    gsl_multifit_nlinear_fdf problem{};
    problem.f = Residuals;
    problem.df = Jacobian;
    problem.n = n;
    problem.p = m;
    gsl_multifit_nlinear_parameters parameters = gsl_multifit_nlinear_default_parameters();
    parameters.trs = gsl_multifit_nlinear_trs_lm;
    gsl_multifit_nlinear_workspace* work =
        gsl_multifit_nlinear_alloc(gsl_multifit_nlinear_trust, &parameters, n, m);
    if (work == nullptr) return RefinementSingular;

    int status = gsl_multifit_nlinear_init(&startView.vector, &problem, work);
    int info = 0;
    if (status == GSL_SUCCESS)
        status = gsl_multifit_nlinear_driver(RefinementIterationLimit, StepTolerance,
                                             GradientTolerance, 0, nullptr, nullptr, &info, work);
    s.RefinementIterations = static_cast<std::int16_t>(gsl_multifit_nlinear_niter(work));
    // No step lowers the sum any more: at a minimum to working precision (an exact
    // fit, or tolerances finer than the rounding) that is convergence, elsewhere not.
    // (The driver reports a first iteration without progress as too many iterations.)
    const bool noProgress =
        status == GSL_ENOPROG || (status == GSL_EMAXITER && info == GSL_ENOPROG);
    if (noProgress && OptimalityGap(work) <= OptimalityTolerance) status = GSL_SUCCESS;
    double reciprocalCondition = 0;
    if (status == GSL_SUCCESS &&
        (gsl_multifit_nlinear_rcond(&reciprocalCondition, work) != GSL_SUCCESS ||
         !(reciprocalCondition > n * m * std::numeric_limits<double>::epsilon())))
        status = GSL_ESING;
    if (status == GSL_SUCCESS) TakeParameters(gsl_multifit_nlinear_position(work));
    gsl_multifit_nlinear_free(work);
    s.ComputationFailed = FailNone;
    if (status != GSL_SUCCESS) {
        s.CoefA = startA;
        s.CoefLogA = startLogA;
        s.CoefB = startB;
        s.CoefC = startC;
    }
    return OutcomeOf(status);
}
