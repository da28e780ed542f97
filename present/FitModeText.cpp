#include "FitModeText.h"

#include "EngineCodes.h"
#include "Refinement.h"
#include "SharedState.h"

std::string FitMethodName(bool onY) { return onY ? "МНК по Y" : "линеаризованный МНК"; }

std::string RefinementFailureReason(std::uint8_t outcome) {
    switch (outcome) {
        case RefinementNoConvergence:
            return "минимум не найден за " + std::to_string(RefinementIterationLimit) + " шагов";
        case RefinementOutOfRange:
            return "шаг вышел за пределы чисел двойной точности";
        case RefinementSingular:
            return "матрица JᵀJ вырождена";
        case RefinementPoleInside:
            return "полюс между точками";
        default:
            return {};
    }
}

std::string RefinementFailureText() {
    const std::string reason = RefinementFailureReason(Shared.RefinementOutcome);
    return reason.empty() ? reason : "Уточнение по Y не сошлось: " + reason;
}
