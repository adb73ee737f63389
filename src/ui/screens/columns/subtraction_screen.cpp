#include "ui/screens/columns/subtraction_screen.h"

#include "ui/kit/family_screens.h"
#include "ui/kit/digit_cell.h"
#include "ui/kit/verdict_box.h"
#include "ui/toolkit/page.h"

namespace quillo {

namespace {
constexpr int kMinuendTop = 1680;
constexpr int kSubtrahendTop = 2280;
constexpr int kDifferenceTop = 3480;
constexpr int kHeadersTop = 1440;
constexpr std::array<int, 3> kRuleHeights = {3120, 4200, 4320};

ExerciseLayout layout()
{
    return {
        .newExercise = {7440, 4680, kCellSize, kCellSize},
        .check = {3840, 4920, 1812, 372},
    };
}
}  // namespace

SubtractionScreen::SubtractionScreen(Services& services) : FamilyScreen(services, ExerciseFamily::Subtraction, layout()) {}

void SubtractionScreen::build(Page& page)
{
    addPlaceValueHeaders(page, kHeadersTop);
    // Column 1 holds the units, as a number's digits are counted.
    auto row = [this](const QString& name, int top, const QString& number) {
        ColumnRow::Cells cells{};
        for (int column = 1; column <= kPlaceColumns; ++column) {
            cells[column - 1] = addCell(QStringLiteral("%1Digit%2").arg(name).arg(column), {columnLeft(column), top});
            cells[column - 1]->setAccessibleName(QStringLiteral("%1, cifra %2").arg(number).arg(column));
        }
        return ColumnRow(cells);
    };
    minuendRow_ = row(QStringLiteral("minuend"), kMinuendTop, QStringLiteral("Minuendo"));
    subtrahendRow_ = row(QStringLiteral("subtrahend"), kSubtrahendTop, QStringLiteral("Sottraendo"));
    differenceRow_ = row(QStringLiteral("difference"), kDifferenceTop, QStringLiteral("Differenza"));
    minuendRow_.makeGiven();
    subtrahendRow_.makeGiven();
    for (int column = 1; column <= kPlaceColumns; ++column)
        opensCheck(differenceRow_[column - 1], [this, column] { return exercise_.opensCheck(column); });

    addRowSign(page, QStringLiteral("minusSign"), kMinuendTop, QStringLiteral("-"));
    addRowSign(page, QStringLiteral("equalsSign"), kSubtrahendTop, QStringLiteral("="));
    for (std::size_t i = 0; i < rules_.size(); ++i)
        rules_[i] = addRule({ruleLeft(kPlaceColumns), kRuleHeights[i]}, {kRuleRight, kRuleHeights[i]});
    page.setInitialFocus(&newExerciseButton());
}

void SubtractionScreen::setRulesLeft(int left) const
{
    for (LineShape* rule : rules_)
        rule->setFrom({left, rule->from().y});
}

void SubtractionScreen::newExercise()
{
    for (const ColumnRow* row : {&minuendRow_, &subtrahendRow_, &differenceRow_})
        row->clear();
    differenceRow_.resetColours();
    verdictBox().clear();

    exercise_.present(random());
    setRulesLeft(ruleLeft(exercise_.minuendLength()));
    minuendRow_.showDigits(exercise_.minuendDigits());
    subtrahendRow_.showDigits(exercise_.subtrahendDigits());
    differenceRow_.showAnswerCells(exercise_.differenceDigits());
    // The pupil starts from the units.
    differenceRow_[0].setFocus();
}

void SubtractionScreen::check()
{
    differenceRow_.mark(exercise_.check(differenceRow_.texts()));
}

std::unique_ptr<Screen> makeSubtractionScreen(Services& services) { return std::make_unique<SubtractionScreen>(services); }

}  // namespace quillo
