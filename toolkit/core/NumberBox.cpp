#include "NumberBox.h"

#include "Dialogs.h"
#include "PointSet.h"

std::string AskNumber(const std::string& prompt, const std::string& title, double xTwips,
                      double yTwips) {
    for (;;) {
        std::string answer = TheDialogs().InputBox(prompt, title, xTwips, yTwips);
        if (!TypedValueBeyondRange(answer)) return answer;
        SayNumberBeyondRange(answer);
    }
}

void SayNumberBeyondRange(const std::string& typed) {
    TheDialogs().Beep();
    TheDialogs().Inform("Число " + typed + " вне допустимого диапазона !!!\r" +
                            "Числа по модулю не больше 1.7E+308. Введите число снова.",
                        "ОШИБКА !", MessageIcon::Warning);
}
