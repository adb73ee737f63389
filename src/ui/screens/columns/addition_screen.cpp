#include "ui/screens/columns/addition_screen.h"

#include "ui/kit/family_screens.h"
#include "ui/kit/digit_cell.h"
#include "ui/kit/selector.h"
#include "ui/kit/verdict_box.h"
#include "ui/toolkit/page.h"

namespace quillo {

namespace {
constexpr std::array<int, 5> kRowTops = {1680, 2280, 2880, 3480, 4080};
constexpr int kHeadersTop = 1440;

// Column 1 holds the units, as a number's digits are counted.
QString cellName(int row, int column)
{
    // Row 4 holds the sum of two addends, row 5 that of three.
    const QString number = row <= 3 ? QStringLiteral("addend%1").arg(row)
                                    : row == 4 ? QStringLiteral("sumOfTwo") : QStringLiteral("sumOfThree");
    return QStringLiteral("%1Digit%2").arg(number).arg(column);
}

ExerciseLayout layout()
{
    return {
        .newExercise = {7440, 3480, kCellSize, kCellSize},
        // Two squares wide: the page ends one square to the right.
        .check = {8040, 4320, 1212, 372},
    };
}
}  // namespace

AdditionScreen::AdditionScreen(Services& services) : FamilyScreen(services, ExerciseFamily::Addition, layout()) {}

void AdditionScreen::Rules::setVisible(bool visible) const
{
    for (LineShape* line : lines)
        line->setVisible(visible);
}

void AdditionScreen::build(Page& page)
{
    addPlaceValueHeaders(page, kHeadersTop);
    for (int row = 1; row <= kRows; ++row) {
        ColumnRow::Cells cells{};
        for (int column = 1; column <= kPlaceColumns; ++column) {
            DigitCell* cell = addCell(cellName(row, column), {columnLeft(column), kRowTops[row - 1]});
            const QString number = row <= 3 ? QStringLiteral("Addendo %1").arg(row) : QStringLiteral("Somma");
            cell->setAccessibleName(QStringLiteral("%1, cifra %2").arg(number).arg(column));
            cells[column - 1] = cell;
        }
        rows_[row - 1] = ColumnRow(cells);
    }
    for (int row = 1; row <= 3; ++row)
        this->row(row).makeGiven();
    for (int addends : {2, 3}) {
        for (int column = 1; column <= kPlaceColumns; ++column)
            opensCheck(sumRow(addends)[column - 1],
                       [this, addends, column] { return exercise_.opensCheck(addends, column); });
    }

    for (int i = 0; i < 3; ++i)
        signs_[i] = addRowSign(page, QStringLiteral("addend%1Sign").arg(i + 1), kRowTops[i], QString());

    auto rule = [this](int y) { return addRule({ruleLeft(kPlaceColumns), y}, {kRuleRight, y}); };
    twoAddendRules_.lines = {rule(3000), rule(4200), rule(4320)};
    threeAddendRules_.lines = {rule(3600), rule(4800), rule(4920)};

    addLabel(QStringLiteral("addendsCaption"), {7440, 4800, 1800, 480}, QStringLiteral("Numero addendi"),
             {Face::Script, 14, true});
    auto choice = [this, &page](const QString& name, int x, const QString& text, const QString& tooltip,
                                Colour background, int addends) {
        return addKindSelector({.name = name,
                                .place = {x, 5280, kCellSize, kCellSize},
                                .text = text,
                                .tooltip = tooltip,
                                .background = background,
                                .font = {Face::Arial, 24, true},
                                .framed = false},
                               [this, addends] { choose(addends); });
    };
    chooseTwo_ = choice(QStringLiteral("twoAddends"), 7440, QStringLiteral("2"), QStringLiteral("Addizione con due addendi"),
                        0xE6FDFB, 2);
    choice(QStringLiteral("threeAddends"), 8040, QStringLiteral("3"), QStringLiteral("Addizione con tre addendi"), 0xCBEEFA, 3);

    // The page starts bare: the pupil picks the number of addends first.
    for (const ColumnRow& each : rows_)
        each.setVisible(false);
    for (Label* sign : signs_)
        sign->hide();
    twoAddendRules_.setVisible(false);
    threeAddendRules_.setVisible(false);
    page.setInitialFocus(chooseTwo_);
}

void AdditionScreen::choose(int addendCount)
{
    chosen_ = addendCount;
    sumRow(addendCount).resetColours();
    kindChosen();

    const bool three = addendCount == 3;
    for (int number = 1; number <= kRows; ++number) {
        const bool shown = number <= 2 || (number == 3 && three) || &row(number) == &sumRow(addendCount);
        row(number).setVisible(shown);
        if (shown)
            row(number).clear();
    }
    twoAddendRules_.setVisible(!three);
    threeAddendRules_.setVisible(three);

    signs_[0]->setText(QStringLiteral("+"));
    signs_[1]->setText(three ? QStringLiteral("+") : QStringLiteral("="));
    signs_[2]->setText(QStringLiteral("="));
    signs_[0]->show();
    signs_[1]->show();
    signs_[2]->setVisible(three);
}

void AdditionScreen::newExercise()
{
    sumRow(2).resetColours();
    sumRow(3).resetColours();
    for (const ColumnRow& each : rows_)
        each.clear();
    verdictBox().clear();

    exercise_.present(random(), chosen_);
    for (int i = 0; i < exercise_.addendCount(); ++i)
        row(i + 1).showDigits(exercise_.addendDigits(i));
    const ColumnRow& sum = sumRow(exercise_.addendCount());
    sum.showAnswerCells(exercise_.sumDigits());
    // The pupil starts from the units.
    sum[0].setFocus();
}

void AdditionScreen::check()
{
    const ColumnRow& sum = sumRow(exercise_.addendCount());
    sum.mark(exercise_.check(sum.texts()));
}

std::unique_ptr<Screen> makeAdditionScreen(Services& services) { return std::make_unique<AdditionScreen>(services); }

}  // namespace quillo
