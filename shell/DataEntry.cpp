#include "DataEntry.h"

#include <string>

#include "Controls.h"
#include "Dialogs.h"
#include "FormulaWindow.h"
#include "KeyboardLayout.h"
#include "NumberBox.h"
#include "NumberText.h"
#include "PointSet.h"
#include "PointSources.h"
#include "PointTable.h"
#include "Program.h"
#include "SharedState.h"

namespace {
constexpr double XBoxLeft = 2200, YBoxLeft = 6550, BoxTop = 2300;  // twips of the screen

std::string EntryLine(int j) {
    const std::string& x = Shared.PointXText[j];
    return "   X[" + std::to_string(j) + "] =" + x + BlankFill(x, j < 10 ? 30 : 29) + "Y[" +
           std::to_string(j) + "] =" + Shared.PointYText[j];
}

// The count of pairs, or a table pasted into its box instead.
enum class CountAnswer { Count, Table, Stop };

// Asks until a count of 3..40 is typed, or a valid table is pasted into the box (its
// points are then the point set); Stop when the user chose to stop.
CountAnswer AskPointCount() {
    for (;;) {
        const BoxAnswer answer = TheDialogs().InputBoxTakingTables(
            "Сколько пар точек будете вводить", "Ввод количества пар ", 2300, 2000);
        if (answer.tablePasted) {
            if (const auto table = PointsOfClipboard()) {
                ReplacePointsWith(*table);
                return CountAnswer::Table;
            }
            continue;  // told why; the count is asked again
        }
        Shared.PointCount = WholeNumberValue(NormalizeNumberText(answer.text));
        Shared.SigmaPresent = false;  // typed pairs come without uncertainties
        if (Shared.PointCount >= MinEnteredPoints && Shared.PointCount <= MaxEnteredPoints)
            return CountAnswer::Count;
        TheDialogs().Beep();
        if (!TheDialogs().AskYesNo("Количество пар от 3 до 40 !!!    Продолжаете работу ?",
                                   "ОШИБКА !", MessageIcon::None))
            return CountAnswer::Stop;
    }
}

// The formula window as the backdrop of the entry, with the colour settings.
FormulaWindow& PrepareEntry() {
    CloseOtherWindows();
    ActivateKeyboardLayout(UsEnglishLayout, 0);
    FormulaWindow& form = Form2();
    form.ChoosingFormula = false;
    form.List1->setEnabled(true);
    form.List1->hide();
    form.Label4->hide();
    SetColourSettings();
    form.show();
    form.SetCaption("Ввод исходной информации");
    form.Drawing().SetForeColor(0);
    return form;
}
}  // namespace

void EnterPoints() {
    auto& s = Shared;
    FormulaWindow& form = PrepareEntry();
    switch (AskPointCount()) {
        case CountAnswer::Stop:
            form.hide();
            EndProgram();
            return;
        case CountAnswer::Table:
            form.List1->show();
            FormulaWindowLayout();  // the pairs are in, sorted
            return;
        case CountAnswer::Count:
            break;
    }
    form.List1->show();
    form.PlaceControl(form.List1, PixelsToTwips(form.List1->x()), PixelsToTwips(form.List1->y()),
                      PixelsToTwips(form.List1->width()), (s.PointCount + 1) * EntryLineHeight);

    for (int i = 1; i <= s.PointCount; ++i) {
        const std::string index = std::to_string(i);
        StoreTypedValue(i, PairPart::X,
                        AskNumber(" X [ " + index + " ] = ", "ВВОД X ", XBoxLeft,
                                  BoxTop + EntryLineHeight * i));
        AddListLine(form.List1, "   X[" + index + "] =" + s.PointXText[i]);
        StoreTypedValue(i, PairPart::Y,
                        AskNumber(" Y [ " + index + " ] = ", "ВВОД Y ", YBoxLeft,
                                  BoxTop + EntryLineHeight * i));
        form.List1->clear();
        for (int j = 1; j <= i; ++j) AddListLine(form.List1, EntryLine(j));
    }
    SortPointsByX();
    FormulaWindowLayout();
}

void ReplacePointsAndChooseFormula(const PointTable& table) {
    PrepareEntry().List1->show();
    ReplacePointsWith(table);
    FormulaWindowLayout();
}
