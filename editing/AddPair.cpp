// Adding a pair: two input boxes, the pair sorted into its place by X, a new fit.
#include "NumberBox.h"
#include "PointSet.h"
#include "ResultsWindow.h"
#include "SharedState.h"

namespace {
constexpr double NewPairBoxX = 600, NewPairBoxY = 6000;  // twips of the screen
}  // namespace

void ResultsWindow::Command3Click() {
    auto& s = Shared;
    state_ = State::AddingPair;
    for (CaptionButton* button : Commands()) button->hide();
    SetCaption("Ввод новой пары точек");
    const int k = s.PointCount + 1;
    const std::string index = std::to_string(k);
    StoreTypedValue(k, PairPart::X,
                    AskNumber(" X [ " + index + " ] = ", "ВВОД X ", NewPairBoxX, NewPairBoxY));
    StoreTypedValue(k, PairPart::Y,
                    AskNumber(" Y [ " + index + " ] = ", "ВВОД Y ", NewPairBoxX, NewPairBoxY));
    s.PointCount = static_cast<std::int16_t>(k);
    // A pair typed here has no uncertainty: the set is fitted without weights from now
    // on (an undo brings them back).
    s.SigmaPresent = false;
    SortPointsByX();
    Drawing().Clear();
    if (RunGuardedComputation()) ShowFit();
    // Whether the fit failed or not, the commands are back; the caption stays
    // "Ввод новой пары точек" until the next command that ends in the results.
    ReturnToResults(RemovalRule::Always, Caption::Kept);
}
