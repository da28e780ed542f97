#include "ComparisonRow.h"

#include "EngineCodes.h"
#include "ErrorReport.h"
#include "FitModeText.h"
#include "FormulaChoice.h"

namespace {
const char* const PoleInside = "полюс между точками";
}  // namespace

ComparisonRow RowOf(const ComparedFit& f) {
    ComparisonRow row;
    row.formula = FormulaName(f.kind, f.degree);
    row.coefficients = f.coefficients;
    if (f.failure) {
        row.status = row.note = CauseLine(f.failure);
        return row;
    }
    row.aicc = f.aicc;
    row.delta = f.delta;
    row.weight = f.weight;
    row.meanDeviation = f.meanDeviation;
    row.correlation = f.correlation;
    row.determination = f.determination;
    row.residualDeviation = f.residualDeviation;
    row.bic = f.bic;
    row.status = f.poleInside ? PoleInside : "ok";
    row.mode = f.onY ? "on_y" : "linearised";
    // In the mode on Y a fit whose refinement failed is ranked by its linearised fit.
    const std::string reason = RefinementFailureReason(f.refinement);
    const std::string unrefined =
        reason.empty() ? "" : "по Y не сошлось (" + reason + "): " + FitMethodName(false);
    if (f.poleInside)
        row.note = PoleInside;
    else if (f.exact)
        row.note = "точное совпадение";
    else if (!f.aicc)
        row.note = "AICc не определён: N − k − 2 ≤ 0";
    if (!unrefined.empty() && row.note != PoleInside)
        row.note += (row.note.empty() ? "" : "; ") + unrefined;
    return row;
}
