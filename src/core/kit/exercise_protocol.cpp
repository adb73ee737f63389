#include "core/kit/exercise_protocol.h"

namespace quillo {

ButtonChange ButtonCycle::afterCheck(const CheckRecord& checks, bool awaitingEvaluation) const
{
    ButtonChange change;
    if (checks.checksDone() == 1) {
        change.check = false;
        if (locksAnswersAtFirstCheck)
            change.answers = false;
    }
    switch (evaluateOpens) {
    case EvaluateOpens::AtFirstCheck:
        if (checks.checksDone() == 1)
            change.evaluate = true;
        break;
    case EvaluateOpens::WhileAwaiting:
        if (awaitingEvaluation)
            change.evaluate = true;
        break;
    case EvaluateOpens::WhileAwaitingUnshown:
        if (awaitingEvaluation && checks.canEvaluate())
            change.evaluate = true;
        break;
    }
    return change;
}

std::optional<Evaluation> ExerciseProtocol::evaluateOnce(const Evaluation& evaluation)
{
    if (!onPage_ || !checks_.canEvaluate())
        return std::nullopt;
    checks_.noteEvaluated();
    return evaluation;
}

}  // namespace quillo
