#include "core/exercises/columns/addition/addition_sheet.h"

#include "core/exercises/columns/addition/addition_exercise.h"
#include "core/sheets/column_paper.h"

namespace quillo::sheets {

namespace {

using namespace column_paper;

// The choice is the screen's "2" or "3".
int addendsOf(int choice)
{
    return 2 + choice;
}

// Headings, the addends, the sum, and a row for the double rule under it.
BlockSize size(int choice)
{
    return {kWidth, addendsOf(choice) + 3};
}

ExerciseBlock draw(RandomSource& random, int choice)
{
    AdditionExercise exercise;
    const int addends = addendsOf(choice);
    exercise.present(random, addends);

    ExerciseBlock block;
    placeHeadings(block.given);
    // "+" after every addend but the last, "=" after the last, as on screen.
    for (int i = 0; i < addends; ++i)
        operand(block.given, exercise.addendDigits(i), 1 + i, i + 1 < addends ? "+" : "=");
    const int sumRow = addends + 1;
    resultRules(block.given, 0, sumRow);
    putUnitsFirst(block.answers, exercise.sumDigits(), kUnitsColumn, sumRow, Ink::Answer);
    return block;
}

}  // namespace

const FamilySheet& additionSheet()
{
    static const FamilySheet sheet{
        .name = "addizione",
        .title = "Addizioni in colonna",
        .choice = SheetChoice{.option = "--addendi", .values = {"2", "3"}},
        .size = size,
        .draw = draw,
    };
    return sheet;
}

}  // namespace quillo::sheets
