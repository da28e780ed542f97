// Adding a pair: two input boxes, the pair sorted into its place by X, a new fit.
#include "Dialogs.h"
#include "NumberText.h"
#include "PointSet.h"
#include "ResultsWindow.h"
#include "SharedState.h"

namespace {
constexpr double NewPairBoxX = 600, NewPairBoxY = 6000;  // twips of the screen
}  // namespace

void ResultsWindow::Command3Click() {
    auto& s = Shared;
    for (CaptionButton* button : Commands()) button->hide();
    SetCaption("Ввод новой пары точек");
    const int k = s.PointCount + 1;
    const std::string index = std::to_string(k);
    s.PointXText[k] = NormalizeNumberText(TheDialogs().InputBox(" X [ " + index + " ] = ", "ВВОД X ", NewPairBoxX, NewPairBoxY));
    s.PointX[k] = NumberValue(s.PointXText[k]);
    s.PointYText[k] = NormalizeNumberText(TheDialogs().InputBox(" Y [ " + index + " ] = ", "ВВОД Y ", NewPairBoxX, NewPairBoxY));
    s.PointY[k] = NumberValue(s.PointYText[k]);
    s.PointCount = static_cast<std::int16_t>(k);
    SortPointsByX();
    for (CaptionButton* button : {Command1, Command2, Command4, Command5, Command6, Command7}) button->show();
    ApplyCommand3Rule();
    Drawing().Clear();
    if (!RunGuardedComputation()) return;
    DrawResults();
}
