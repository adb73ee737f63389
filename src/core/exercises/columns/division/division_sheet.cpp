#include "core/exercises/columns/division/division_sheet.h"

#include "core/exercises/columns/division/division_exercise.h"

namespace quillo::sheets {

namespace {

constexpr int kDivisionRow = 0;

// The choice is the screen's "2" to "6", the digits of the dividend.
int digitsOf(int choice)
{
    return 2 + choice;
}

// Where the squares stand for a dividend of n digits: the dividend ends in
// column n - 1, then come ":", the divisor's two digits, "=" and the
// quotient, which never has more than n - 1 digits since the divisor has
// two. The step rows, cells counted from the right, end under the units.
struct Columns {
    int n;
    int dividend(int index) const { return n - index; }
    int colon() const { return n; }
    int divisor(int index) const { return n + 3 - index; }
    int equals() const { return n + 3; }
    int quotient(int index) const { return n + 3 + index; }
    int width() const { return 2 * n + 3; }
};

BlockSize size(int choice)
{
    const int n = digitsOf(choice);
    return {Columns{n}.width(), 1 + (n - 1)};
}

ExerciseBlock draw(RandomSource& random, int choice)
{
    DivisionExercise exercise;
    exercise.selectDividendDigits(digitsOf(choice));
    exercise.newDivision(random);
    const Columns at{exercise.dividendDigits()};

    ExerciseBlock block;
    for (int index = 1; index <= DivisionExercise::kDividendCells; ++index) {
        const std::string digit = exercise.dividendText(index);
        if (!digit.empty())
            put(block.given, at.dividend(index), kDivisionRow, digit, Ink::Given);
    }
    put(block.given, at.colon(), kDivisionRow, ":", Ink::Given);
    for (int index = 1; index <= 2; ++index)
        put(block.given, at.divisor(index), kDivisionRow, exercise.divisorText(index), Ink::Given);
    put(block.given, at.equals(), kDivisionRow, "=", Ink::Given);

    for (int index = 1; index <= DivisionExercise::kQuotientCells; ++index) {
        const std::string digit = exercise.expectedText(DivisionExercise::kQuotientRow, index);
        if (!digit.empty())
            put(block.answers, at.quotient(index), kDivisionRow, digit, Ink::Answer);
    }
    for (int row = 1; row <= exercise.quotientLength(); ++row) {
        for (int index = 1; index <= DivisionExercise::cellsInRow(row); ++index) {
            const std::string digit = exercise.expectedText(row, index);
            if (!digit.empty())
                put(block.answers, at.dividend(index), row, digit, Ink::Answer);
        }
    }
    // The screen marks the final remainder with "r" beside it.
    put(block.answers, at.colon(), exercise.quotientLength(), "r", Ink::Answer);
    return block;
}

}  // namespace

const FamilySheet& divisionSheet()
{
    static const FamilySheet sheet{
        .name = "divisione",
        .title = "Divisioni col divisore di due cifre",
        .choice = SheetChoice{.option = "--cifre", .values = {"2", "3", "4", "5", "6"}},
        .size = size,
        .draw = draw,
    };
    return sheet;
}

}  // namespace quillo::sheets
