#pragma once

#include "core/families/family_list.h"

#include <array>
#include <cstddef>
#include <string_view>

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

// Each family's name as the code spells it ("FractionKinds"), which names
// its folder, its classes and its controls.
inline constexpr std::array<std::string_view, kFamilyCount> kFamilyNames = {
#define QUILLO_FAMILY_NAME(name) #name,
    QUILLO_FOR_EACH_FAMILY(QUILLO_FAMILY_NAME)
#undef QUILLO_FAMILY_NAME
};

constexpr std::size_t slotOf(ExerciseFamily family) { return static_cast<std::size_t>(family); }

}  // namespace quillo
