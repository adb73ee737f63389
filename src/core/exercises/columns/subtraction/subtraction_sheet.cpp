#include "core/exercises/columns/subtraction/subtraction_sheet.h"

#include "core/exercises/columns/subtraction/subtraction_exercise.h"
#include "core/sheets/column_paper.h"

namespace quillo::sheets {

namespace {

using namespace column_paper;

constexpr int kMinuendRow = 1;
constexpr int kSubtrahendRow = 2;
constexpr int kDifferenceRow = 3;

// Headings, minuend, subtrahend, difference, and a row for the double rule.
BlockSize size(int)
{
    return {kWidth, 5};
}

ExerciseBlock draw(RandomSource& random, int)
{
    SubtractionExercise exercise;
    exercise.present(random);

    ExerciseBlock block;
    placeHeadings(block.given);
    operand(block.given, exercise.minuendDigits(), kMinuendRow, "-");
    operand(block.given, exercise.subtrahendDigits(), kSubtrahendRow, "=");
    // The rules start one column before the minuend's first digit.
    resultRules(block.given, columnOf(exercise.minuendLength()) - 1, kDifferenceRow);
    putUnitsFirst(block.answers, exercise.differenceDigits(), kUnitsColumn, kDifferenceRow, Ink::Answer);
    return block;
}

}  // namespace

const FamilySheet& subtractionSheet()
{
    static const FamilySheet sheet{
        .name = "sottrazione",
        .title = "Sottrazioni in colonna",
        .size = size,
        .draw = draw,
    };
    return sheet;
}

}  // namespace quillo::sheets
