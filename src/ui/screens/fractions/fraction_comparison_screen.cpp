#include "ui/screens/fractions/fraction_comparison_screen.h"

#include "ui/kit/family_screens.h"
#include "ui/screens/fractions/fraction_comparison_layout.h"
#include "ui/kit/digit_cell.h"
#include "ui/kit/verdict_box.h"
#include "ui/toolkit/page.h"

namespace quillo {

namespace {
using Exercise = FractionComparisonExercise;
using namespace fraction_comparison_layout;

constexpr int kBarWidth = 3;

int numeratorTop(int index) { return Exercise::row(index) == 0 ? 1680 : 3480; }
int denominatorTop(int index) { return Exercise::row(index) == 0 ? 2280 : 4080; }

// A fraction's three digit squares are counted from the hundreds column.
QString digitName(bool numerator, int index, int column)
{
    return QStringLiteral("fraction%1%2Digit%3")
        .arg(index + 1)
        .arg(numerator ? QStringLiteral("Numerator") : QStringLiteral("Denominator"))
        .arg(column + 1);
}

ExerciseLayout layout()
{
    return {
        // On the paper's first row of squares: across the paper's top edge
        // that edge would cut it.
        .instructionPlace = {240, 480, 9012, 600},
        .instructionInk = colour::Blue,
        .instructionAlignment = Qt::AlignCenter,
        .newExercise = {8040, 4680, 612, 612},
        .check = {6240, 5520, 1212, 372},
    };
}
}  // namespace

FractionComparisonScreen::FractionComparisonScreen(Services& services)
    : SeriesScreen(services, ExerciseFamily::FractionComparison, layout())
{
}

void FractionComparisonScreen::build(Page&)
{
    for (int index = 0; index < Exercise::kFractions; ++index) {
        for (int column = 0; column < 3; ++column) {
            const int left = digitLeft(index, column);
            digits_[static_cast<std::size_t>(3 * index + column)] =
                addDigitLabel(digitName(true, index, column), cellAt(left, numeratorTop(index)));
            digits_[static_cast<std::size_t>(24 + 3 * index + column)] =
                addDigitLabel(digitName(false, index, column), cellAt(left, denominatorTop(index)));
        }
        const int y = denominatorTop(index);
        // A bar with no numbers over it would only puzzle: it comes with
        // the first exercise.
        LineShape* bar = addRule({baseLeft(index), y}, {barRight(index), y}, kBarWidth);
        bar->setVisible(false);
        bars_[static_cast<std::size_t>(index)] = bar;
    }
    for (int pair = 0; pair < Exercise::kPairs; ++pair) {
        // Until the first exercise the cells stand as for three-digit numbers.
        auto* cell = addCell(QStringLiteral("pair%1Sign").arg(pair + 1), {cellLeft(pair, 3), cellTop(pair)},
                             KeyFilter::Relation);
        cell->setAccessibleName(QStringLiteral("Segno della coppia %1").arg(pair + 1));
        opensCheck(*cell, [pair] { return Exercise::opensCheck(pair); });
        cells_.set(static_cast<std::size_t>(pair), addAnswer(cell));
    }
}

void FractionComparisonScreen::newExercise()
{
    cells_.reset();
    verdictBox().clear();
    for (const auto& digit : digits_)
        digit->clear();

    exercise_.newExercise(random());
    for (int index = 0; index < Exercise::kFractions; ++index)
        showFraction(index);
    for (int pair = 0; pair < Exercise::kPairs; ++pair) {
        const TwipRect place = cellAt(cellLeft(pair, exercise_.widerDigits()), cellTop(pair));
        page().moveTo(&cells_[static_cast<std::size_t>(pair)], place);
    }
    cells_[0].setFocus();
}

void FractionComparisonScreen::showFraction(int index)
{
    const auto numerator = exercise_.numeratorColumns(index);
    const auto denominator = exercise_.denominatorColumns(index);
    for (int column = 0; column < 3; ++column) {
        const auto c = static_cast<std::size_t>(column);
        digits_[static_cast<std::size_t>(3 * index) + c]->setText(QString::fromStdString(numerator[c]));
        digits_[static_cast<std::size_t>(24 + 3 * index) + c]->setText(QString::fromStdString(denominator[c]));
    }
    // The units labels move rather than the digit, so each label keeps
    // holding its own place's digit.
    Label* numeratorUnits = digits_[static_cast<std::size_t>(3 * index + 2)];
    Label* denominatorUnits = digits_[static_cast<std::size_t>(24 + 3 * index + 2)];
    page().moveTo(numeratorUnits, cellAt(digitLeft(index, exercise_.numeratorUnitsColumn()), numeratorTop(index)));
    page().moveTo(denominatorUnits,
                  cellAt(digitLeft(index, exercise_.denominatorUnitsColumn()), denominatorTop(index)));

    const int y = denominatorTop(index);
    LineShape* bar = bars_[static_cast<std::size_t>(index)];
    bar->setSpan(barLeft(index, exercise_.widerDigits()), barRight(index), y);
    bar->setVisible(true);
}

std::unique_ptr<Screen> makeFractionComparisonScreen(Services& services) { return std::make_unique<FractionComparisonScreen>(services); }

}  // namespace quillo
