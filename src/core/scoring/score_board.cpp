#include "core/scoring/score_board.h"

#include "core/scoring/saturating.h"

namespace quillo {

void ScoreBoard::notePresented(ExerciseFamily family)
{
    auto& count = presented_[slotOf(family)];
    count = saturate16(static_cast<long long>(count) + 1);
}

void ScoreBoard::setGrade(ExerciseFamily family, long long value)
{
    grades_[slotOf(family)] = saturate16(value);
}

}  // namespace quillo
