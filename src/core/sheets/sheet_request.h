#pragma once

#include "core/kit/random_source.h"
#include "core/families/exercise_family.h"

namespace quillo::sheets {

inline constexpr int kMostExercises = 60;

// What a teacher asks for: which family, with which of the choices its
// screen offers, how many exercises, from which seed, and whether the key
// follows.
struct SheetRequest {
    ExerciseFamily family = ExerciseFamily::Addition;
    int choice = 0;  // an index into the family's choice values; 0 where it offers none
    int count = 1;   // 1 to kMostExercises
    Seed seed = 0;   // 0 to kLargestSeed
    bool withKey = false;
    friend bool operator==(const SheetRequest&, const SheetRequest&) = default;
};

}  // namespace quillo::sheets
