#pragma once

#include "core/exercises/fractions/fraction_concept/fraction_concept_exercise.h"
#include "ui/toolkit/twips.h"

#include <array>

namespace quillo::fraction_concept_layout {

// How each whole is cut: a grid of equal parts, neighbours overlapping by
// 12 twips so that their borders fall on one line.
struct WholeCut {
    int columns;
    int firstLeft;
    int columnStep;
    int width;
    int height;
};

// Indexed by the denominator, from thirds to fourteenths.
inline constexpr std::array<WholeCut, 12> kWholes = {{
    {.columns = 3, .firstLeft = 840, .columnStep = 1800, .width = 1812, .height = 3612},
    {.columns = 2, .firstLeft = 840, .columnStep = 2400, .width = 2412, .height = 1812},
    {.columns = 5, .firstLeft = 240, .columnStep = 1200, .width = 1212, .height = 3612},
    {.columns = 6, .firstLeft = 1440, .columnStep = 600, .width = 612, .height = 3612},
    {.columns = 7, .firstLeft = 840, .columnStep = 600, .width = 612, .height = 3612},
    {.columns = 8, .firstLeft = 840, .columnStep = 600, .width = 612, .height = 3612},
    {.columns = 9, .firstLeft = 240, .columnStep = 600, .width = 612, .height = 3612},
    {.columns = 10, .firstLeft = 240, .columnStep = 600, .width = 612, .height = 3612},
    {.columns = 11, .firstLeft = 240, .columnStep = 480, .width = 492, .height = 3612},
    {.columns = 12, .firstLeft = 240, .columnStep = 480, .width = 492, .height = 3612},
    {.columns = 13, .firstLeft = 600, .columnStep = 480, .width = 492, .height = 3612},
    {.columns = 7, .firstLeft = 840, .columnStep = 600, .width = 612, .height = 1812},
}};

inline constexpr int kPartsTop = 1680;
inline constexpr int kRowStep = 1800;

// Where a part of its whole lies on the page; nothing for a number that is
// no part.
inline TwipRect partPlace(int part)
{
    using Exercise = FractionConceptExercise;
    const int d = Exercise::wholeOf(part);
    if (d == 0)
        return {};
    const WholeCut& cut = kWholes[static_cast<std::size_t>(d - Exercise::kLowestDenominator)];
    const int index = part - Exercise::wholeParts(d).front();
    return {cut.firstLeft + cut.columnStep * (index % cut.columns), kPartsTop + kRowStep * (index / cut.columns),
            cut.width, cut.height};
}

}  // namespace quillo::fraction_concept_layout
