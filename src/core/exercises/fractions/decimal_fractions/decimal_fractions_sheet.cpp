#include "core/exercises/fractions/decimal_fractions/decimal_fractions_sheet.h"

#include "core/exercises/fractions/decimal_fractions/decimal_fractions_exercise.h"

namespace quillo::sheets {

namespace {

using Exercise = DecimalFractionsExercise;

// Item i: the denominator's four columns (thousands to units) from its base
// column, the numerator over the last three, then "=" and the answer's box,
// wide enough for the longest decimal number, "0,999".
constexpr int kUnitsOffset = 3;
constexpr int kAnswerSquares = 5;
constexpr int kItemStep = kUnitsOffset + 2 + kAnswerSquares + 1;
constexpr int kRowStep = 3;

BlockSize size(int)
{
    return {2 * kItemStep - 1, kRowStep + 2};
}

ExerciseBlock draw(RandomSource& random, int)
{
    Exercise exercise;
    exercise.newExercise(random);

    ExerciseBlock block;
    for (int i = 0; i < Exercise::kItems; ++i) {
        const int base = kItemStep * (i % 2);
        const int units = base + kUnitsOffset;
        const int row = kRowStep * (i / 2);
        putColumns(block.given, exercise.numeratorColumns(i), units - 2, row, Ink::Given);
        putColumns(block.given, exercise.denominatorColumns(i), base, row + 1, Ink::Given);
        rule(block.given, units + 1 - exercise.barColumns(i), units + 1, row + 1);
        // "=" and the answer stand on the bar line, as one writes 7/100 = 0,07.
        const int onBar = (row + 1) * kSquare - kHalfSquare;
        put(block.given, {(units + 1) * kSquare, onBar}, "=", Ink::Given);
        const Point answer{(units + 2) * kSquare, onBar};
        box(block.given, {answer.x, answer.y, kAnswerSquares * kSquare, kSquare});
        putText(block.answers, answer, exercise.item(i).expectedText, Ink::Answer);
    }
    return block;
}

}  // namespace

const FamilySheet& decimalFractionsSheet()
{
    static const FamilySheet sheet{
        .name = "frazioni-decimali",
        .title = "Trasformazione di frazioni decimali in numeri decimali",
        .size = size,
        .draw = draw,
    };
    return sheet;
}

}  // namespace quillo::sheets
