#pragma once

#include "ui/kit/exercise_screen.h"

namespace quillo {

// An exercise screen bound to its family's exercise, which drives the
// enable cycle through the shared protocol. The screen paints what the
// exercise decides; tests read the exercise through exercise().
template <typename Exercise>
class FamilyScreen : public ExerciseScreen {
public:
    using ExerciseScreen::ExerciseScreen;

    const Exercise& exercise() const { return exercise_; }

protected:
    ExerciseProtocol& protocol() final { return exercise_; }

    Exercise exercise_;
};

}  // namespace quillo
