#include "Sheet.h"

const Sheet& ScreenSheet() {
    static const Sheet sheet = [] {
        Sheet s;
        s.meanText = " СРЕДНЕСТАТИСТИЧЕСКОЕ ОТКЛОНЕНИЕ = ";
        s.correlationText = " КОЭФФИЦИЕНТ КОРРЕЛЯЦИИ = ";
        s.tableLeft = 640;
        s.tableTop = 20;
        s.deviationHeader = " Отклон.%";
        return s;
    }();
    return sheet;
}

const Sheet& PrintSheet() {
    static const Sheet sheet = [] {
        Sheet s;
        s.offsetX = 6;
        s.offsetY = 50;
        s.recordsPointPixels = false;
        s.captionDx = 6;
        s.captionY = 60;
        s.meanText = "СРЕДНЕСТАТИСТИЧЕСКОЕ ОТКЛОНЕНИЕ=";
        s.correlationText = "КОЭФФИЦИЕНТ КОРРЕЛЯЦИИ=";
        s.tableLeft = 370;
        s.tableTop = 80;
        s.deviationHeader = "Отклонен%";
        s.colouredCoefficients = false;
        return s;
    }();
    return sheet;
}
