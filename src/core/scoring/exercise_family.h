#pragma once

#include <array>
#include <cstddef>

namespace quillo {

// The ten families in the order of the scoreboard's slots; the report card
// walks them in this order, so it must not change.
enum class ExerciseFamily {
    Division,
    Multiplication,
    Addition,
    Subtraction,
    FractionConcept,
    FractionKinds,
    DecimalFractions,
    FractionComparison,
    PlaceValue,
    DecimalComparison,
};

inline constexpr std::size_t kFamilyCount = 10;

inline constexpr std::array<ExerciseFamily, kFamilyCount> kAllFamilies = {
    ExerciseFamily::Division,         ExerciseFamily::Multiplication,
    ExerciseFamily::Addition,         ExerciseFamily::Subtraction,
    ExerciseFamily::FractionConcept,  ExerciseFamily::FractionKinds,
    ExerciseFamily::DecimalFractions, ExerciseFamily::FractionComparison,
    ExerciseFamily::PlaceValue,       ExerciseFamily::DecimalComparison,
};

constexpr std::size_t slotOf(ExerciseFamily family) { return static_cast<std::size_t>(family); }

}  // namespace quillo
