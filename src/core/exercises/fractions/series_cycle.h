#pragma once

#include "core/kit/exercise_protocol.h"

namespace quillo {

// The enable cycle of the fraction series answered cell by cell (kinds,
// comparison, decimal fractions): "OK" opens the answers, the first check
// locks them until "Valutazione", which opens everything but itself again.
inline const ButtonCycle& fractionSeriesCycle()
{
    static const ButtonCycle cycle{
        .opened = {.newExercise = true, .check = false, .evaluate = false, .answers = false},
        .presented = {.newExercise = false, .check = false, .evaluate = false, .answers = true},
        .locksAnswersAtFirstCheck = true,
        .evaluated = {.newExercise = true, .check = true, .evaluate = false, .answers = true},
    };
    return cycle;
}

}  // namespace quillo
