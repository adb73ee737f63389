#include "ui/screens/columns/subtraction_screen.h"

#include "core/kit/standard_texts.h"
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
        .commandNames = CommandNames::OkFirst,
        .verdictName = QStringLiteral("Text19"),
        .caption = toQString(kCaptionPrefix) + QStringLiteral("Sottrazioni con minuendo entro 999.999"),
        .instruction = QStringLiteral("Esegui la seguente sottrazione in colonna"),
        .newExercise = {7440, 4680, kCellSize, kCellSize},
        .check = {3840, 4920, 1812, 372},
    };
}
}  // namespace

SubtractionScreen::SubtractionScreen(Services& services) : FamilyScreen(services, ExerciseFamily::Subtraction, layout()) {}

void SubtractionScreen::build(Page& page)
{
    addPlaceValueHeaders(page, kHeadersTop);
    auto row = [this](int firstNumber, int top, const QString& number) {
        ColumnRow::Cells cells{};
        for (int column = 1; column <= kPlaceColumns; ++column) {
            cells[column - 1] = addCell(QStringLiteral("Text%1").arg(firstNumber + column - 1), {columnLeft(column), top});
            cells[column - 1]->setAccessibleName(QStringLiteral("%1, cifra %2").arg(number).arg(column));
        }
        return ColumnRow(cells);
    };
    minuendRow_ = row(1, kMinuendTop, QStringLiteral("Minuendo"));
    subtrahendRow_ = row(7, kSubtrahendTop, QStringLiteral("Sottraendo"));
    differenceRow_ = row(13, kDifferenceTop, QStringLiteral("Differenza"));
    minuendRow_.makeGiven();
    subtrahendRow_.makeGiven();
    for (int column = 1; column <= kPlaceColumns; ++column)
        opensCheck(differenceRow_[column - 1], [this, column] { return exercise_.opensCheck(column); });

    addRowSign(page, QStringLiteral("Label1"), kMinuendTop, QStringLiteral("-"));
    addRowSign(page, QStringLiteral("Label2"), kSubtrahendTop, QStringLiteral("="));
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

}  // namespace quillo
