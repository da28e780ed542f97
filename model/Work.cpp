#include "Work.h"

#include <algorithm>
#include <tuple>
#include <utility>

#include "FormulaChoice.h"
#include "FormulaKinds.h"

namespace {
// A pair by its texts; with its sigma where both works being compared have them.
std::tuple<std::string, std::string, std::string> PairAt(const Work& w, int i, bool sigma) {
    return {w.xText[i], w.yText[i], sigma ? w.sigmaText[i] : std::string()};
}

// The pairs of a that b does not hold (by their texts), counted with repeats.
std::vector<int> Missing(const Work& a, const Work& b) {
    const bool sigma = a.sigmaPresent && b.sigmaPresent;
    std::vector<std::tuple<std::string, std::string, std::string>> left;
    for (int i = 1; i <= b.pointCount; ++i) left.push_back(PairAt(b, i, sigma));
    std::vector<int> missing;
    for (int i = 1; i <= a.pointCount; ++i) {
        const auto found = std::find(left.begin(), left.end(), PairAt(a, i, sigma));
        if (found == left.end())
            missing.push_back(i);
        else
            left.erase(found);
    }
    return missing;
}
}  // namespace

bool Work::SameFit(const Work& o) const {
    if (pointCount != o.pointCount || kind != o.kind || degree != o.degree ||
        fitMode != o.fitMode || sigmaPresent != o.sigmaPresent)
        return false;
    for (int i = 1; i <= pointCount; ++i)
        if (xText[i] != o.xText[i] || yText[i] != o.yText[i] || x[i] != o.x[i] || y[i] != o.y[i] ||
            (sigmaPresent && (sigmaText[i] != o.sigmaText[i] || sigma[i] != o.sigma[i])))
            return false;
    return true;
}

namespace {
// The point arrays of the shared state and of a work, in the same order, so that one
// assignment copies a whole point set either way.
template <class State>
auto PointArrays(State& s) {
    return std::tie(s.PointX, s.PointY, s.PointXText, s.PointYText, s.PointSigma, s.PointSigmaText);
}
template <class W>
auto WorkArrays(W& w) {
    return std::tie(w.x, w.y, w.xText, w.yText, w.sigma, w.sigmaText);
}
}  // namespace

Work WorkOfSharedState() {
    const auto& s = Shared;
    Work w;
    w.pointCount = s.PointCount;
    WorkArrays(w) = PointArrays(s);
    w.sigmaPresent = s.SigmaPresent;
    w.sigmaConvention = s.SigmaConvention;
    w.kind = s.FormulaKind;
    w.degree = IsPolynomialKind(s.FormulaKind) ? s.TypedDegree : 0;
    w.fitMode = s.FitMode;
    w.bandsShown = s.BandsShown;
    return w;
}

bool ApplyWork(const Work& w) {
    auto& s = Shared;
    s.PointCount = w.pointCount;
    PointArrays(s) = WorkArrays(w);
    s.SigmaPresent = w.sigmaPresent;
    s.SigmaConvention = w.sigmaConvention;
    s.FitMode = w.fitMode;
    s.BandsShown = w.bandsShown;
    return TakeFormula(w.kind, w.degree);
}

std::string StepName(const Work& before, const Work& after) {
    if (before.kind != after.kind || before.degree != after.degree) return "смена зависимости";
    if (before.fitMode != after.fitMode)
        return after.fitMode == FitOnY ? "МНК по Y" : "линеаризованный МНК";
    const std::vector<int> gone = Missing(before, after), come = Missing(after, before);
    if (gone.size() == 1 && come.empty()) return "удаление пары " + std::to_string(gone[0]);
    if (come.size() == 1 && gone.empty()) return "добавление пары " + std::to_string(come[0]);
    if (gone.size() == 1 && come.size() == 1) return "исправление пары " + std::to_string(gone[0]);
    return "замена точек";
}

void WorkHistory::Record(Work now) {
    if (!steps_.empty() && steps_[current_].SameFit(now)) {
        steps_[current_] = std::move(now);
        return;
    }
    if (!steps_.empty()) steps_.resize(current_ + 1);
    steps_.push_back(std::move(now));
    if (steps_.size() > HistoryDepth) steps_.erase(steps_.begin());
    current_ = steps_.size() - 1;
}

std::string WorkHistory::UndoName() const {
    return CanUndo() ? StepName(steps_[current_ - 1], steps_[current_]) : std::string();
}

std::string WorkHistory::RedoName() const {
    return CanRedo() ? StepName(steps_[current_], steps_[current_ + 1]) : std::string();
}

bool WorkHistory::Undo() {
    if (!CanUndo()) return false;
    --current_;
    ApplyWork(steps_[current_]);
    return true;
}

bool WorkHistory::Redo() {
    if (!CanRedo()) return false;
    ++current_;
    ApplyWork(steps_[current_]);
    return true;
}

void WorkHistory::Clear() {
    steps_.clear();
    current_ = 0;
}
