#include "core/exercises/columns/multiplication/multiplication_sheet.h"

#include "core/exercises/columns/multiplication/multiplication_exercise.h"
#include "core/sheets/column_paper.h"

namespace quillo::sheets {

namespace {

using namespace column_paper;

constexpr int kMultiplicandRow = 1;
constexpr int kMultiplierRow = 2;
constexpr int kFirstWorkRow = 3;

// The choice is the screen's "2", "3" or "P", in the order of the kinds.
MultiplierKind kindOf(int choice)
{
    return static_cast<MultiplierKind>(choice);
}

int workRowCount(MultiplierKind kind)
{
    switch (kind) {
    case MultiplierKind::TwoDigit: return 3;
    case MultiplierKind::ThreeDigit: return 4;
    case MultiplierKind::ZeroEnding: return 1;
    }
    return 0;
}

// Headings, the two operands, the work rows, and a row for the double rule.
BlockSize size(int choice)
{
    return {kWidth, kFirstWorkRow + workRowCount(kindOf(choice)) + 1};
}

ExerciseBlock draw(RandomSource& random, int choice)
{
    const MultiplicationExercise exercise = MultiplicationExercise::draw(kindOf(choice), random);

    ExerciseBlock block;
    placeHeadings(block.given);
    operand(block.given, exercise.multiplicandDigits(), kMultiplicandRow, "X");
    operand(block.given, exercise.multiplierDigits(), kMultiplierRow, "=");

    const std::vector<WorkRow> rows = exercise.workRows();
    const int productRow = kFirstWorkRow + static_cast<int>(rows.size()) - 1;
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        const WorkRow work = rows[static_cast<std::size_t>(i)];
        const int row = kFirstWorkRow + i;
        for (int slot = 1; slot <= MultiplicationExercise::slotCount(work); ++slot) {
            const std::string& digit = exercise.expected(work, slot);
            if (!digit.empty())
                put(block.answers, columnOf(slot), row, digit, Ink::Answer);
        }
        // The partial products are added: "+" after each but the last, "=" after the last.
        if (work != WorkRow::Product)
            put(block.given, kSignColumn, row, row + 1 < productRow ? "+" : "=", Ink::Given);
    }
    // Every rule starts one column before the product's leading digit: one
    // under the multiplier, one over the product, the double rule under it.
    const int ruleStart = columnOf(exercise.productLength()) - 1;
    if (productRow > kFirstWorkRow)
        rule(block.given, ruleStart, kWidth, kFirstWorkRow);
    resultRules(block.given, ruleStart, productRow);
    return block;
}

}  // namespace

const FamilySheet& multiplicationSheet()
{
    static const FamilySheet sheet{
        .name = "moltiplicazione",
        .title = "Moltiplicazioni in colonna",
        .choice = SheetChoice{.option = "--moltiplicatore", .values = {"2", "3", "zeri"}},
        .size = size,
        .draw = draw,
    };
    return sheet;
}

}  // namespace quillo::sheets
