#include "DegreeQuestion.h"

#include "Dialogs.h"
#include "FormulaChoice.h"

DegreeAnswer AskPolynomialDegree(std::uint8_t kind, double boxX, double boxY,
                                 const std::function<void()>& beforeWarning) {
    const std::string answer = TheDialogs().InputBox(" Введите максимальную степень полинома ",
                                                     "ВВОД СТЕПЕНИ ПОЛИНОМА ", boxX, boxY);
    switch (TakeTypedDegree(kind, answer)) {
        case DegreeVerdict::Accepted:
            return DegreeAnswer::Accepted;
        case DegreeVerdict::NotPositive:
            return DegreeAnswer::StartAfresh;
        case DegreeVerdict::TooManyUnknowns:
            break;
    }
    if (beforeWarning) beforeWarning();
    return TheDialogs().AskYesNo(TooManyUnknownsMessage, TooManyUnknownsTitle,
                                 MessageIcon::Question)
               ? DegreeAnswer::ChooseAgain
               : DegreeAnswer::EndProgram;
}
