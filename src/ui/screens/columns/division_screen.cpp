#include "ui/screens/columns/division_screen.h"

#include "core/families/family_description.h"
#include "ui/kit/family_screens.h"
#include "core/kit/colours.h"
#include "ui/kit/digit_cell.h"
#include "ui/kit/selector.h"
#include "ui/kit/verdict_box.h"
#include "ui/toolkit/freehand_pen.h"
#include "ui/toolkit/page.h"

namespace quillo {

namespace {

constexpr int kPenWidth = 5;

// Column c (1..15) and row r of the division's grid; row 1 holds the
// dividend, the divisor and the quotient, rows 2 to 6 the step rows.
constexpr TwipPoint square(int column, int row)
{
    return {240 + 600 * (column - 1), 1080 + 600 * (row - 1)};
}

constexpr TwipRect cellOn(int column, int row)
{
    return cellAt(square(column, row).x, square(column, row).y);
}

constexpr int kUnitsColumn = 6;

constexpr int columnOfStepCell(int index) { return kUnitsColumn + 1 - index; }

// The given numbers' digits are counted from the units, as the exercise counts them.
QString digitName(const QString& number, int digit)
{
    return QStringLiteral("%1Digit%2").arg(number).arg(digit);
}

QString digitRole(const QString& role, int digit)
{
    return QStringLiteral("%1, cifra %2").arg(role).arg(digit);
}

struct Selector {
    int digits;
    Colour background;
    const char* tooltip;
};

constexpr std::array<Selector, 5> kSelectors{{
    {.digits = 2, .background = 0xFFC0FF, .tooltip = "Dividendo compreso tra 11 e 99"},
    {.digits = 3, .background = 0xFFC0C0, .tooltip = "Dividendo compreso tra 101 e 999"},
    {.digits = 4, .background = 0xC0FFC0, .tooltip = "Dividendo compreso tra 1001 e 9999"},
    {.digits = 5, .background = 0xC0FFFF, .tooltip = "Dividendo compreso tra 10001 e 99999"},
    {.digits = 6, .background = 0xC0E0FF, .tooltip = "Dividendo compreso tra 100001 e 999999"},
}};

}  // namespace

QString DivisionScreen::cellName(int row, int index)
{
    if (row == DivisionExercise::kQuotientRow)
        return digitName(QStringLiteral("quotient"), index);
    return digitName(QStringLiteral("stepRow%1").arg(row), index);
}

namespace {
ExerciseLayout layout()
{
    return {
        .instructionInk = colour::Blue,
        .newExercise = cellOn(15, 8),
        .check = {1800, 5520, 1812, 372},
    };
}
}  // namespace

DivisionScreen::DivisionScreen(Services& services) : FamilyScreen(services, ExerciseFamily::Division, layout()) {}

void DivisionScreen::build(Page& page)
{
    buildCells();
    buildSelectors();
    new FreehandPen(page, kPenStrip, kPenWidth,
                    {{Qt::LeftButton, colour::Blue}, {Qt::RightButton, colour::LightCyan}});
    // The division that was left on the page is gone with it.
    resetPage();
}

void DivisionScreen::buildCells()
{
    for (int index = 1; index <= DivisionExercise::kDividendCells; ++index) {
        Label* digit = addDigitLabel(digitName(QStringLiteral("dividend"), index), cellOn(columnOfStepCell(index), 1));
        digit->setAccessibleName(digitRole(QStringLiteral("Dividendo"), index));
        dividendDigits_[static_cast<std::size_t>(index - 1)] = digit;
    }
    addDigitLabel(QStringLiteral("divisionSign"), cellOn(7, 1), QStringLiteral(":"));
    for (int index = 1; index <= 2; ++index) {
        Label* digit = addDigitLabel(digitName(QStringLiteral("divisor"), index), cellOn(10 - index, 1));
        digit->setAccessibleName(digitRole(QStringLiteral("Divisore"), index));
        divisorDigits_[static_cast<std::size_t>(index - 1)] = digit;
    }
    addDigitLabel(QStringLiteral("equalsSign"), cellOn(10, 1), QStringLiteral("="));

    // Created in reading order, which is also the order Tab walks them in.
    // The cells rest on paper of their own colour: the ruling shows through
    // them, so every digit sits in its square as in the exercise book.
    for (int i = 1; i <= DivisionExercise::kQuotientCells; ++i) {
        DigitCell* cell = addCell(cellName(0, i), square(10 + i, 1));
        cell->setAccessibleName(digitRole(QStringLiteral("Quoziente"), i));
        cell->setSeeThrough(describe(family()).paperColour);
        quotient_.set(static_cast<std::size_t>(i - 1), cell);
    }
    for (int row = 1; row <= DivisionExercise::kStepRows; ++row) {
        const auto slot = static_cast<std::size_t>(row - 1);
        for (int column = row; column <= kUnitsColumn; ++column) {
            const int index = kUnitsColumn + 1 - column;
            DigitCell* cell = addCell(cellName(row, index), square(column, row + 1));
            cell->setAccessibleName(digitRole(QStringLiteral("Resto parziale %1").arg(row), index));
            cell->setSeeThrough(describe(family()).paperColour);
            cell->afterFilter = [this, row, index](int, bool) { keyInStepCell(row, index); };
            cell->onKeyRelease = [this, row, index](int) { keyReleasedInStepCell(row, index); };
            stepRows_[slot].set(static_cast<std::size_t>(index - 1), cell);
        }
        remainderMarks_[slot] = addDigitLabel(QStringLiteral("remainderMark%1").arg(row), cellOn(7, row + 1));
        remainderMarks_[slot]->setAccessibleName(QStringLiteral("Segno del resto parziale %1").arg(row));
    }
}

void DivisionScreen::buildSelectors()
{
    addLabel(QStringLiteral("dividendLengthCaption"), {square(11, 6).x, square(11, 6).y + 120, 3012, 480},
             QStringLiteral("Cifre al dividendo:"), {Face::Script, 14, true})
        ->setTextColour(colour::Blue);
    for (std::size_t n = 0; n < kSelectors.size(); ++n) {
        const Selector& selector = kSelectors[n];
        const int column = 11 + static_cast<int>(n);
        addKindSelector({.name = QStringLiteral("dividendLength%1").arg(selector.digits),
                         .place = cellOn(column, 7),
                         .text = QString::number(selector.digits),
                         .tooltip = QString::fromUtf8(selector.tooltip),
                         .background = selector.background,
                         .font = {Face::Arial, 14, true}},
                        [this, digits = selector.digits] { selectDividendDigits(digits); });
    }
}

void DivisionScreen::resetPage() const
{
    verdictBox().showText(QString(), false);
    for (Label* mark : remainderMarks_)
        mark->clear();
    for (std::size_t index = 0; index < dividendDigits_.size(); ++index)
        dividendDigits_[index]->setText(QString::fromStdString(exercise_.dividendText(static_cast<int>(index) + 1)));
    for (std::size_t index = 0; index < divisorDigits_.size(); ++index)
        divisorDigits_[index]->setText(QString::fromStdString(exercise_.divisorText(static_cast<int>(index) + 1)));

    // A square where the division expects no digit stays open to a click
    // or a tap, as on paper, but Tab passes it by: the keyboard goes from
    // one digit to write to the next, as the division is written.
    const auto reset = [this](DigitCell& cell, int row, int index) {
        cell.clear();
        cell.resetColours();
        const bool locked = exercise_.isLocked(row, index);
        cell.setReadOnly(locked);
        const bool expected = !exercise_.expectedText(row, index).empty();
        cell.setFocusPolicy(locked ? Qt::NoFocus : expected ? Qt::StrongFocus : Qt::ClickFocus);
    };
    for (int i = 1; i <= DivisionExercise::kQuotientCells; ++i)
        reset(quotient_[static_cast<std::size_t>(i - 1)], DivisionExercise::kQuotientRow, i);
    for (int row = 1; row <= DivisionExercise::kStepRows; ++row)
        stepRows_[static_cast<std::size_t>(row - 1)].forEach(
            [&reset, row](DigitCell& cell, std::size_t index) { reset(cell, row, static_cast<int>(index) + 1); });
    const std::vector<DivisionExercise::Place> order = exercise_.writingOrder();
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(&cellAt(order[i - 1]), &cellAt(order[i]));
}

DigitCell& DivisionScreen::cellAt(DivisionExercise::Place place) const
{
    const auto index = static_cast<std::size_t>(place.index - 1);
    if (place.row == DivisionExercise::kQuotientRow)
        return quotient_[index];
    return stepRows_[static_cast<std::size_t>(place.row - 1)][index];
}

void DivisionScreen::selectDividendDigits(int digits)
{
    exercise_.selectDividendDigits(digits);
    kindChosen();
    resetPage();
}

void DivisionScreen::newExercise()
{
    exercise_.newDivision(random());
    resetPage();
    quotient_[0].setFocus();
}

void DivisionScreen::keyInStepCell(int row, int index) const
{
    // Shown whatever the key, even one the filter refused.
    if (exercise_.isRemainderLead(row, index))
        remainderMarks_[static_cast<std::size_t>(row - 1)]->setText(QStringLiteral("r"));
}

void DivisionScreen::keyReleasedInStepCell(int row, int index) const
{
    const DigitCell& cell = stepRows_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(index - 1)];
    if (exercise_.opensCheck(row, index, !cell.text().isEmpty()))
        checkButton().setEnabled(true);
}

DivisionAnswer DivisionScreen::answer() const
{
    DivisionAnswer typed;
    typed.quotient = quotient_.texts();
    for (std::size_t row = 0; row < stepRows_.size(); ++row)
        typed.steps[row] = stepRows_[row].texts();
    return typed;
}

void DivisionScreen::check()
{
    const DivisionMarks marks = exercise_.check(answer());
    const auto show = [](DigitCell* cell, CellMark mark) {
        if (mark == CellMark::Counted)
            cell->markWrong();
        else if (mark == CellMark::RedText)
            cell->setColours(cell->background(), colour::Red);
    };
    for (std::size_t i = 0; i < marks.quotient.size(); ++i)
        show(&quotient_[i], marks.quotient[i]);
    for (std::size_t row = 0; row < stepRows_.size(); ++row)
        stepRows_[row].forEach([&](DigitCell& cell, std::size_t index) { show(&cell, marks.steps[row][index]); });
}

std::unique_ptr<Screen> makeDivisionScreen(Services& services) { return std::make_unique<DivisionScreen>(services); }

}  // namespace quillo
