#include "SharedState.h"

SharedState Shared;

void FillFormulaTexts() {
    static const char* const texts[FormulaCount] = {
        "Y=A[0]+A[1]*X+A[2]*(X^2)+A[3]*(X^3)+...+A[N]*(X^N)",
        "Y=A[1]*X+A[2]*(X^2)+A[3]*(X^3)+...+A[N]*(X^N)",
        "Y=B*(X^A)",
        "Y=B*(A^X)",
        "Y=A/X+B",
        "Y=1/(A*X+B)",
        "Y=X/(A*X+B)",
        "Y=A*Ln(X)+B",
        "Y=A*Exp(X)+B",
        "Y=A*Exp(B*X)",
        "Y=A*((Ln(X))^2)+B*Ln(X)+C",
        "Y=A*Exp(B*X+C*(X^2))",
        "Y=A*Sin(X+B)+C",
    };
    for (int k = 1; k <= FormulaCount; ++k) Shared.FormulaTexts[k] = texts[k - 1];
}

void SetColourSettings() {
    Shared.SourceColor = 0xFF0000;
    Shared.ComputedColor = 0x40C0;
    Shared.GridColor = 0x8000;
    Shared.CurveColor = 0xFF;
    Shared.AxisColor = 0;
    Shared.HeadingColor = 0xFF0000;
    Shared.ResultsBackColor = 0x80FFFF;
}
