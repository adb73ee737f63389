#pragma once

#include "core/families/exercise_family.h"

#include <memory>

namespace quillo {

class Screen;
struct Services;

// Each family's screen is made by a function its own screen file defines,
// named after the family (makeDivisionScreen...), so the registry needs no
// list of screens besides the list of families.
#define QUILLO_DECLARE_SCREEN_MAKER(name) std::unique_ptr<Screen> make##name##Screen(Services& services);
QUILLO_FOR_EACH_FAMILY(QUILLO_DECLARE_SCREEN_MAKER)
#undef QUILLO_DECLARE_SCREEN_MAKER

std::unique_ptr<Screen> makeFamilyScreen(ExerciseFamily family, Services& services);

}  // namespace quillo
