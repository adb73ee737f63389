#include "core/exercises/fractions/fraction_comparison/fraction_comparison_sheet.h"

#include "core/exercises/fractions/fraction_comparison/fraction_comparison_exercise.h"

#include <array>

namespace quillo::sheets {

namespace {

using Exercise = FractionComparisonExercise;

// Fraction i: three digit columns from column 4 × (i % 4), in rows 0 and 1
// or 3 and 4; the bar over the columns of the wider number.
constexpr int kSlotWidth = 4;
constexpr int kRowStep = 3;

constexpr int baseColumn(int index)
{
    return kSlotWidth * (index % 4);
}
int numeratorRow(int index)
{
    return kRowStep * Exercise::row(index);
}

BlockSize size(int)
{
    return {4 * kSlotWidth - 1, kRowStep + 2};
}

ExerciseBlock draw(RandomSource& random, int)
{
    Exercise exercise;
    exercise.newExercise(random);
    const int wider = exercise.widerDigits();

    ExerciseBlock block;
    for (int i = 0; i < Exercise::kFractions; ++i) {
        const int base = baseColumn(i);
        const int row = numeratorRow(i);
        // A lone digit over or under three digits moves to the middle column.
        putColumns(block.given, exercise.numeratorColumns(i), base + exercise.numeratorUnitsColumn() - 2, row,
                   Ink::Given);
        putColumns(block.given, exercise.denominatorColumns(i), base + exercise.denominatorUnitsColumn() - 2, row + 1,
                   Ink::Given);
        rule(block.given, base + 3 - wider, base + 3, row + 1);
    }
    // The sign's box stands on the bar line, centred in the gap before the
    // right fraction's bar: the narrower the numbers, the wider that gap.
    constexpr std::array<int, 4> kBeforeBar{0, 2 * kSquare, 3 * kHalfSquare, kSquare};
    for (int pair = 0; pair < Exercise::kPairs; ++pair) {
        const int right = 2 * pair + 1;
        const Point corner{(baseColumn(right) + 3 - wider) * kSquare - kBeforeBar[static_cast<std::size_t>(wider)],
                           (numeratorRow(right) + 1) * kSquare - kHalfSquare};
        box(block.given, {corner.x, corner.y, kSquare, kSquare});
        put(block.answers, corner, exercise.expected(pair), Ink::Answer);
    }
    return block;
}

}  // namespace

const FamilySheet& fractionComparisonSheet()
{
    static const FamilySheet sheet{
        .name = "confronto-frazioni",
        .title = "Confronto tra frazioni",
        .size = size,
        .draw = draw,
    };
    return sheet;
}

}  // namespace quillo::sheets
