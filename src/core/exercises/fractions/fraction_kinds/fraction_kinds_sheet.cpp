#include "core/exercises/fractions/fraction_kinds/fraction_kinds_sheet.h"

#include "core/exercises/fractions/fraction_kinds/fraction_kinds_exercise.h"

namespace quillo::sheets {

namespace {

// Fraction i: numerator and denominator in two columns, tens and units, with
// the letter's box under the units; three columns and four rows apart.
constexpr int kColumnStep = 3;
constexpr int kRowStep = 4;

BlockSize size(int)
{
    return {4 * kColumnStep + 2, kRowStep + 3};
}

ExerciseBlock draw(RandomSource& random, int)
{
    FractionKindsExercise exercise;
    exercise.newExercise(random);

    ExerciseBlock block;
    for (int i = 0; i < FractionKindsExercise::kCount; ++i) {
        const FractionKindsExercise::Fraction& fraction = exercise.fractions()[static_cast<std::size_t>(i)];
        const int tens = kColumnStep * FractionKindsExercise::columnOf(i);
        const int units = tens + 1;
        const int numeratorRow = kRowStep * FractionKindsExercise::rowOf(i);
        putUnitsFirst(block.given, fraction.numeratorDigits, units, numeratorRow, Ink::Given);
        putUnitsFirst(block.given, fraction.denominatorDigits, units, numeratorRow + 1, Ink::Given);
        // A fraction of one-digit numbers has its bar over the units only.
        rule(block.given, units + 1 - fraction.digitWidth(), units + 1, numeratorRow + 1);
        box(block.given, squares(units, numeratorRow + 2, 1, 1));
        put(block.answers, units, numeratorRow + 2, exercise.expectedLetter(i), Ink::Answer);
    }
    return block;
}

}  // namespace

const FamilySheet& fractionKindsSheet()
{
    static const FamilySheet sheet{
        .name = "tipi-frazione",
        .title = "Frazioni proprie, improprie, apparenti",
        .size = size,
        .draw = draw,
    };
    return sheet;
}

}  // namespace quillo::sheets
