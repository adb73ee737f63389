#pragma once

#include "ui/kit/exercise_screen.h"

namespace quillo {

// The decimal-number screens share where their buttons stand: "Controllo"
// and "Valutazione" side by side under the exercise, "OK" at the right.
inline ExerciseLayout decimalsLayout()
{
    ExerciseLayout look;
    look.check = {1800, 5520, 1812, 372};
    look.newExercise = cellAt(7440, 5280);
    return look;
}

}  // namespace quillo
