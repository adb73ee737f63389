#include "ui/screens/decimals/decimal_comparison_screen.h"

#include "ui/kit/family_screens.h"
#include "ui/screens/decimals/decimals_layout.h"
#include "ui/kit/digit_cell.h"
#include "ui/kit/verdict_box.h"

namespace quillo {

namespace {
constexpr int kBoxX = 4440;
constexpr std::array<int, DecimalComparisonExercise::kPairs> kRowY = {1680, 2880, 4080};

ExerciseLayout layout()
{
    return decimalsLayout();
}
}  // namespace

DecimalComparisonScreen::DecimalComparisonScreen(Services& services)
    : SeriesScreen(services, ExerciseFamily::DecimalComparison, layout())
{
}

void DecimalComparisonScreen::build(Page&)
{
    for (std::size_t pair = 0; pair < kRowY.size(); ++pair) {
        const int y = kRowY[pair];
        auto& labels = labels_[pair];
        // Each side's squares are counted from the box outwards.
        for (int i = 0; i < 2 * kSideLength; ++i) {
            const bool left = i < kSideLength;
            const int step = left ? i + 1 : i - kSideLength + 1;
            const int x = left ? kBoxX - kSquare * step : kBoxX + kSquare * step;
            const QString name = QStringLiteral("pair%1%2Square%3")
                                     .arg(pair + 1)
                                     .arg(left ? QStringLiteral("Left") : QStringLiteral("Right"))
                                     .arg(step);
            labels[static_cast<std::size_t>(i)] = addDigitLabel(name, cellAt(x, y));
        }
        DigitCell* box = addCell(QStringLiteral("pair%1Sign").arg(pair + 1), {kBoxX, y}, KeyFilter::Sign);
        box->setAccessibleName(QStringLiteral("Segno della coppia %1").arg(pair + 1));
        opensCheck(*box, [pair] { return DecimalComparisonExercise::opensCheck(static_cast<int>(pair)); });
        cells_.set(pair, addAnswer(box));
    }
}

void DecimalComparisonScreen::newExercise()
{
    cells_.reset();
    verdictBox().showText({}, false);

    exercise_.newExercise(random());
    showNumbers();
    cells_[0].setFocus();
}

void DecimalComparisonScreen::showNumbers() const
{
    for (std::size_t pair = 0; pair < labels_.size(); ++pair) {
        auto& labels = labels_[pair];
        for (Label* label : labels)
            label->clear();
        const int k = static_cast<int>(pair);
        const QString left = QString::fromStdString(decimalText(exercise_.left(k)));
        const QString right = QString::fromStdString(decimalText(exercise_.right(k)));
        // The left number ends next to the box, the right one starts there.
        for (qsizetype i = 0; i < left.size() && i < kSideLength; ++i)
            labels[static_cast<std::size_t>(i)]->setText(left.at(left.size() - 1 - i));
        for (qsizetype i = 0; i < right.size() && i < kSideLength; ++i)
            labels[static_cast<std::size_t>(kSideLength + i)]->setText(right.at(i));
    }
}

std::unique_ptr<Screen> makeDecimalComparisonScreen(Services& services) { return std::make_unique<DecimalComparisonScreen>(services); }

}  // namespace quillo
