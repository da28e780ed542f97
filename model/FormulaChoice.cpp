#include "FormulaChoice.h"

#include "SharedState.h"

const char* const TooManyUnknownsMessage =
    "ЧИСЛО НЕИЗВЕСТНЫХ НЕ ДОЛЖНО БЫТЬ БОЛЬШЕ ЧИСЛА УРАВНЕНИЙ !!!\r       ПРОДОЛЖАЕТЕ РАБОТУ?";
const char* const TooManyUnknownsTitle = "Внимание !";

int OfferedFormulaCount(int pointCount) { return pointCount > 3 ? FormulaCount : 10; }

int PolynomialUnknowns(std::uint8_t kind, std::int16_t degree) { return kind == 1 ? degree + 1 : degree; }

bool UnknownsAccepted(int unknowns, int pointCount) { return unknowns < pointCount && unknowns <= MaxUnknowns; }
