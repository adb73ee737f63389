#pragma once

#include "core/families/family_list.h"

#include <array>
#include <cstddef>

namespace quillo {

// The families of exercises, in the order of the scoreboard's slots; the
// report card walks them in this order.
enum class ExerciseFamily {
#define QUILLO_FAMILY_ENUMERATOR(name) name,
    QUILLO_FOR_EACH_FAMILY(QUILLO_FAMILY_ENUMERATOR)
#undef QUILLO_FAMILY_ENUMERATOR
};

inline constexpr std::array kAllFamilies = {
#define QUILLO_FAMILY_VALUE(name) ExerciseFamily::name,
    QUILLO_FOR_EACH_FAMILY(QUILLO_FAMILY_VALUE)
#undef QUILLO_FAMILY_VALUE
};

inline constexpr std::size_t kFamilyCount = kAllFamilies.size();

constexpr std::size_t slotOf(ExerciseFamily family) { return static_cast<std::size_t>(family); }

}  // namespace quillo
