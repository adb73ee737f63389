#include "core/exercises/decimals/decimal_comparison/decimal_comparison_sheet.h"

#include "core/exercises/decimals/decimal_comparison/decimal_comparison_exercise.h"

namespace quillo::sheets {

namespace {

using Exercise = DecimalComparisonExercise;

// As on screen: the left number ends just before the sign's box, the right
// one begins just after it; a blank row between pairs.
constexpr int kBoxColumn = Exercise::kLongestText;
constexpr int kRowStep = 2;

BlockSize size(int)
{
    return {2 * Exercise::kLongestText + 1, kRowStep * (Exercise::kPairs - 1) + 1};
}

ExerciseBlock draw(RandomSource& random, int)
{
    Exercise exercise;
    exercise.newExercise(random);

    ExerciseBlock block;
    for (int pair = 0; pair < Exercise::kPairs; ++pair) {
        const int row = kRowStep * pair;
        const std::string left = decimalText(exercise.left(pair));
        putText(block.given, square(kBoxColumn - static_cast<int>(left.size()), row), left, Ink::Given);
        box(block.given, squares(kBoxColumn, row, 1, 1));
        putText(block.given, square(kBoxColumn + 1, row), decimalText(exercise.right(pair)), Ink::Given);
        put(block.answers, kBoxColumn, row, std::string(exercise.expected(pair)), Ink::Answer);
    }
    return block;
}

}  // namespace

const FamilySheet& decimalComparisonSheet()
{
    static const FamilySheet sheet{
        .name = "confronto-decimali",
        .title = "Confronto di numeri decimali",
        .size = size,
        .draw = draw,
    };
    return sheet;
}

}  // namespace quillo::sheets
