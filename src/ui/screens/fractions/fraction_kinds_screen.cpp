#include "ui/screens/fractions/fraction_kinds_screen.h"

#include "core/families/family_description.h"
#include "ui/kit/family_screens.h"
#include "ui/kit/digit_cell.h"
#include "ui/kit/verdict_box.h"
#include "ui/toolkit/page.h"

namespace quillo {

namespace {
using Exercise = FractionKindsExercise;


// Tops of a fraction's rows: numerator, denominator (and bar), answer cell.
constexpr std::array<int, 2> kNumeratorTop = {1080, 3480};
constexpr std::array<int, 2> kDenominatorTop = {1680, 4080};
constexpr std::array<int, 2> kCellTop = {2280, 4680};

// The tens column of fraction i; its units column is the next square.
int tensLeft(int index) { return kPaperLeft + 1800 * Exercise::columnOf(index); }
// The bar ends after the units column and starts over the columns in use.
int barEnd(int index) { return tensLeft(index) + 2 * kSquare; }
int barStart(int index, int digitWidth) { return tensLeft(index) + kSquare * (2 - digitWidth); }

ExerciseLayout layout()
{
    return {
        // Above the paper, whose first squares hold the legend: at 22 points
        // the line would reach across the paper's top edge.
        .instructionPlace = {240, 0, 9012, 480},
        .instructionFont = {Face::Script, 19, true},
        .instructionInk = colour::Blue,
        .instructionAlignment = Qt::AlignCenter,
        .newExercise = {8640, 3480, 612, 612},
        .check = {6240, 5520, 1212, 372},
        .evaluate = {3840, 5520, 1812, 372},
    };
}
}  // namespace

FractionKindsScreen::FractionKindsScreen(Services& services) : SeriesScreen(services, ExerciseFamily::FractionKinds, layout())
{
}

const LineShape* FractionKindsScreen::bar(int index) const
{
    if (index < 0 || index >= static_cast<int>(kCount))
        return nullptr;
    return columns_[static_cast<std::size_t>(index)].bar;
}

void FractionKindsScreen::build(Page&)
{
    auto* legend = addLabel(QStringLiteral("legend"), {240, 480, 9012, 612},
                            toQString(describe(family()).legend), {Face::Script, 16, false});
    legend->setAlignment(Qt::AlignCenter);
    legend->setTextColour(colour::Blue);

    for (int i = 0; i < static_cast<int>(kCount); ++i) {
        Column& column = columns_[static_cast<std::size_t>(i)];
        const int row = Exercise::rowOf(i);
        const int tens = tensLeft(i);
        const int units = tens + kSquare;
        const int number = i + 1;  // the pupil counts the fractions from 1
        const auto name = [number](const char* part) {
            return QStringLiteral("fraction%1%2").arg(number).arg(QLatin1String(part));
        };
        column.numerator = {addDigitLabel(name("NumeratorUnits"), cellAt(units, kNumeratorTop[row])),
                            addDigitLabel(name("NumeratorTens"), cellAt(tens, kNumeratorTop[row]))};
        column.denominator = {addDigitLabel(name("DenominatorUnits"), cellAt(units, kDenominatorTop[row])),
                              addDigitLabel(name("DenominatorTens"), cellAt(tens, kDenominatorTop[row]))};
        column.bar = addRule({tens, kDenominatorTop[row]}, {barEnd(i), kDenominatorTop[row]});
        column.bar->setVisible(false);
        DigitCell* cell = addCell(name("Kind"), {units, kCellTop[row]}, KeyFilter::Kind);
        cell->setAccessibleName(QStringLiteral("Tipo della frazione %1").arg(number));
        opensCheck(*cell, [i] { return Exercise::opensCheck(i); });
        cells_.set(static_cast<std::size_t>(i), addAnswer(cell));
    }
}

void FractionKindsScreen::newExercise()
{
    exercise_.newExercise(random());
    // A fresh group starts with clean cells: an old mark on an empty cell
    // would read as a mistake not yet made.
    cells_.reset();

    for (std::size_t i = 0; i < kCount; ++i) {
        const Column& column = columns_[i];
        const auto& fraction = exercise_.fractions()[i];
        for (std::size_t digit = 0; digit < 2; ++digit) {
            column.numerator[digit]->setText(digit < fraction.numeratorDigits.size()
                                                 ? QString::fromStdString(fraction.numeratorDigits[digit])
                                                 : QString());
            column.denominator[digit]->setText(digit < fraction.denominatorDigits.size()
                                                   ? QString::fromStdString(fraction.denominatorDigits[digit])
                                                   : QString());
        }
        const int index = static_cast<int>(i);
        const int y = column.bar->from().y;
        column.bar->setSpan(barStart(index, fraction.digitWidth()), barEnd(index), y);
        column.bar->setVisible(true);
    }
    cells_[0].setFocus();
}

std::unique_ptr<Screen> makeFractionKindsScreen(Services& services) { return std::make_unique<FractionKindsScreen>(services); }

}  // namespace quillo
