#include "ui/screens/fractions/decimal_fractions_screen.h"

#include "core/families/family_description.h"
#include "ui/kit/family_screens.h"
#include "ui/kit/digit_cell.h"
#include "ui/kit/verdict_box.h"
#include "ui/toolkit/page.h"

namespace quillo {

namespace {
using Exercise = DecimalFractionsExercise;

constexpr int kBarWidth = 3;
// Room for the longest answer and one character more, which the key
// release then clears: an answer longer than the right one empties itself.
constexpr int kLongestAnswer = 6;

// Items stand two by two: left column x from 240, right column from 4440.
int itemLeft(int index) { return index % 2 == 0 ? 240 : 4440; }
int numeratorTop(int index) { return index < 2 ? 1680 : 3480; }
int denominatorTop(int index) { return index < 2 ? 2280 : 4080; }
// The bar ends after the units column and starts over the longer number.
int barRight(int index) { return itemLeft(index) + 4 * kSquare; }

ExerciseLayout layout()
{
    return {
        .instructionPlace = {240, 600, 9012, 612},
        .instructionFont = {Face::Script, 19.5, true},
        .instructionInk = colour::Blue,
        .instructionAlignment = Qt::AlignCenter,
        .newExercise = {8640, 4680, 612, 612},
        .check = {6240, 4920, 1812, 372},
    };
}
}  // namespace

DecimalFractionsScreen::DecimalFractionsScreen(Services& services)
    : SeriesScreen(services, ExerciseFamily::DecimalFractions, layout())
{
}

void DecimalFractionsScreen::build(Page& page)
{
    for (int index = 0; index < Exercise::kItems; ++index) {
        const auto i = static_cast<std::size_t>(index);
        const int left = itemLeft(index);
        // A fraction's squares are counted from the left, as they stand.
        const auto name = [index](const char* part, int column) {
            return QStringLiteral("fraction%1%2Digit%3").arg(index + 1).arg(QLatin1String(part)).arg(column + 1);
        };
        for (int column = 0; column < 3; ++column) {
            numerators_[i][static_cast<std::size_t>(column)] =
                addDigitLabel(name("Numerator", column),
                              cellAt(left + 600 * (column + 1), numeratorTop(index)));
        }
        for (int column = 0; column < 4; ++column) {
            denominators_[i][static_cast<std::size_t>(column)] =
                addDigitLabel(name("Denominator", column),
                              cellAt(left + 600 * column, denominatorTop(index)));
        }
        const int y = denominatorTop(index);
        // A bar with no numbers over it would only puzzle: it comes with
        // the first series.
        bars_[i] = addRule({left, y}, {barRight(index), y}, kBarWidth);
        bars_[i]->setVisible(false);
        addDigitLabel(QStringLiteral("fraction%1Equals").arg(index + 1),
                      cellAt(left + 2280, numeratorTop(index) + 360), QStringLiteral("="));

        auto* cell = addCell(QStringLiteral("decimalNumber%1").arg(index + 1), {left + 2760, numeratorTop(index)},
                             KeyFilter::Decimal);
        page.moveTo(cell, {left + 2760, numeratorTop(index), 1452, kCellSize});
        page.setFontOf(cell, kCellFont);
        cell->configure(KeyFilter::Decimal, describe(family()).cellColour, kLongestAnswer);
        cell->onKeyRelease = [this, index](int) { releasedIn(index); };
        cell->setAccessibleName(QStringLiteral("Numero decimale %1").arg(index + 1));
        opensCheck(*cell, [index] { return Exercise::opensCheck(index); });
        cells_.set(i, addAnswer(cell));
    }
}

void DecimalFractionsScreen::releasedIn(int index) const
{
    DigitCell& cell = cells_[static_cast<std::size_t>(index)];
    if (exercise_.presented() && exercise_.tooLong(index, cell.text().toStdString()))
        cell.clear();
}

void DecimalFractionsScreen::newExercise()
{
    cells_.reset();
    verdictBox().clear();
    for (const auto& labels : numerators_) {
        for (const auto& label : labels)
            label->clear();
    }
    for (const auto& labels : denominators_) {
        for (const auto& label : labels)
            label->clear();
    }

    exercise_.newExercise(random());
    for (int index = 0; index < Exercise::kItems; ++index)
        showItem(index);
    cells_[0].setFocus();
}

void DecimalFractionsScreen::showItem(int index)
{
    const auto i = static_cast<std::size_t>(index);
    const auto numerator = exercise_.numeratorColumns(index);
    const auto denominator = exercise_.denominatorColumns(index);
    for (std::size_t column = 0; column < numerator.size(); ++column)
        numerators_[i][column]->setText(QString::fromStdString(numerator[column]));
    for (std::size_t column = 0; column < denominator.size(); ++column)
        denominators_[i][column]->setText(QString::fromStdString(denominator[column]));
    bars_[i]->setSpan(barRight(index) - kSquare * exercise_.barColumns(index), barRight(index), denominatorTop(index));
    bars_[i]->setVisible(true);
    // One character more than the right answer may be typed; its release
    // empties the cell.
    cells_[i].setMaxLength(exercise_.item(index).expectedLength() + 1);
}

std::unique_ptr<Screen> makeDecimalFractionsScreen(Services& services) { return std::make_unique<DecimalFractionsScreen>(services); }

}  // namespace quillo
