#include "app/screen_id.h"
#include "exercises/decimals/decimal_comparison_screen.h"
#include "decimals_script.h"
#include "kit/widgets/digit_cell.h"
#include "kit/widgets/verdict_box.h"
#include "support/harness.h"

#include <gtest/gtest.h>

namespace quillo::testing {
namespace {

const QString kOk = QStringLiteral("NewExerciseButton");
const QString kCheck = QStringLiteral("CheckButton");
const QString kEvaluate = QStringLiteral("EvaluateButton");

QString box(int pair) { return QStringLiteral("Text%1").arg(pair); }

struct ComparisonApp {
    Harness app;

    ComparisonApp()
    {
        app.enterName();
        app.click(QStringLiteral("Command8"));
        app.click(QStringLiteral("Command2"));
    }
    void script(std::initializer_list<std::pair<int, int>> numbers)
    {
        for (auto [mantissa, decimals] : numbers)
            scriptDecimalNumber(app.random, mantissa, decimals);
    }
    // What pair k shows across its fourteen places, blanks as spaces and
    // the box as "|".
    QString row(int pair) const
    {
        QString shown;
        for (int i : {7, 6, 5, 4, 3, 2, 1, 0, 8, 9, 10, 11, 12, 13, 14}) {
            const QString text =
                i == 0 ? QStringLiteral("|") : app.find<Label>(QStringLiteral("Label%1").arg(14 * (pair - 1) + i))->text();
            shown += text.isEmpty() ? QStringLiteral(" ") : text;
        }
        return shown;
    }
    DigitCell* cell(int pair) const { return app.find<DigitCell>(box(pair)); }
    bool enabled(const QString& name) const { return app.find<QWidget>(name)->isEnabled(); }
    VerdictBox* verdict() const { return app.find<VerdictBox>(QStringLiteral("VerdictBox")); }
    std::int16_t grade() const { return app.board.grade(ExerciseFamily::DecimalComparison); }
    const EvaluationTally& tally()
    {
        return dynamic_cast<ExerciseScreen*>(app.registry.instance(ScreenId::DecimalComparison))->tally();
    }
};

TEST(DecimalComparisonScreen, ThreeRelationsTypedCheckedAndGraded)
{
    ComparisonApp on;
    auto& app = on.app;
    EXPECT_EQ(app.window.windowTitle(),
              QStringLiteral("vt-pb - Esercitazione di Aritmetica cl. V - Confronto di numeri decimali"));
    EXPECT_FALSE(on.enabled(kCheck));
    EXPECT_FALSE(on.enabled(kEvaluate));
    EXPECT_FALSE(on.cell(1)->isEnabled());

    on.script({{123, 1}, {1230, 2}, {9, 1}, {123, 3}, {400, 2}, {457, 2}});
    app.click(kOk);
    EXPECT_EQ(app.random.seeds(), 1) << "every new exercise reseeds from the clock";
    EXPECT_EQ(app.board.presentedCount(ExerciseFamily::DecimalComparison), 1);
    EXPECT_EQ(on.row(1), QStringLiteral("   12,3|12,3   "));
    EXPECT_EQ(on.row(2), QStringLiteral("    0,9|0,123  "));
    EXPECT_EQ(on.row(3), QStringLiteral("      4|4,57   "));
    EXPECT_FALSE(on.enabled(kOk));
    EXPECT_EQ(on.cell(1)->background(), colour::LightCyan);

    // Each key replaces the box's content, whatever the key.
    app.type(box(1), QStringLiteral("<x="));
    EXPECT_EQ(on.cell(1)->text(), QStringLiteral("="));
    app.type(box(2), QStringLiteral(">"));
    EXPECT_FALSE(on.enabled(kCheck));
    app.type(box(3), QStringLiteral("x"));
    EXPECT_TRUE(on.enabled(kCheck)) << "a key in the third box enables the check";

    app.click(kCheck);
    EXPECT_TRUE(on.cell(3)->isMarkedWrong()) << "a letter is an error";
    EXPECT_FALSE(on.cell(1)->isMarkedWrong());
    EXPECT_FALSE(on.cell(2)->isMarkedWrong());
    EXPECT_FALSE(on.enabled(kCheck));
    EXPECT_TRUE(on.enabled(kEvaluate));
    EXPECT_FALSE(on.cell(1)->isEnabled());

    app.click(kEvaluate);
    EXPECT_EQ(on.verdict()->text(), QStringLiteral("Sta' più attento!!!"));
    EXPECT_EQ(on.verdict()->textColour(), colour::Red);
    EXPECT_EQ(on.grade(), 6);
    EXPECT_TRUE(on.enabled(kOk));
    EXPECT_TRUE(on.enabled(kCheck));
    EXPECT_FALSE(on.enabled(kEvaluate));
    app.type(box(3), QStringLiteral("<"));
    EXPECT_FALSE(on.cell(3)->isMarkedWrong()) << "a key brings back the typing colours";

    // The next one, all right: (6 + 10) / 2.
    on.script({{1, 1}, {1, 2}, {999999, 1}, {999999, 3}, {45, 1}, {450, 2}});
    app.click(kOk);
    EXPECT_EQ(on.verdict()->text(), QString());
    EXPECT_EQ(on.cell(3)->text(), QString());
    EXPECT_EQ(on.row(2), QStringLiteral("99999,9|999,999"));
    EXPECT_EQ(on.row(3), QStringLiteral("    4,5|4,5    "));
    app.type(box(1), QStringLiteral(">"));
    app.type(box(2), QStringLiteral(">"));
    app.type(box(3), QStringLiteral("="));
    app.click(kCheck);
    app.click(kEvaluate);
    EXPECT_EQ(on.verdict()->text(), QStringLiteral("Va bene"));
    EXPECT_EQ(on.verdict()->textColour(), colour::Blue);
    EXPECT_EQ(on.grade(), 8);
}

TEST(DecimalComparisonScreen, LeavingComesBackToTheDesignStateAndTheCheckStaysOpen)
{
    ComparisonApp on;
    auto& app = on.app;
    app.click(kOk);  // an empty script draws 0,1 against 0,1 three times
    app.type(box(1), QStringLiteral("<"));
    app.click(QStringLiteral("SectionMenuButton"));
    EXPECT_EQ(app.registry.current(), ScreenId::DecimalsMenu);
    app.click(QStringLiteral("Command2"));
    EXPECT_TRUE(on.enabled(kOk));
    EXPECT_FALSE(on.enabled(kCheck));
    EXPECT_FALSE(on.cell(1)->isEnabled());
    EXPECT_EQ(on.cell(1)->text(), QString());
    EXPECT_EQ(on.row(1).trimmed(), QStringLiteral("|"));

    app.click(kOk);
    app.type(box(3), QStringLiteral("="));
    app.click(kCheck);
    app.click(kEvaluate);
    EXPECT_EQ(on.grade(), 5) << "two empty boxes";

    // After an evaluation the check stays open: checked at once, every
    // empty box is an error.
    app.click(kOk);
    ASSERT_TRUE(on.enabled(kCheck));
    app.click(kCheck);
    for (int pair = 1; pair <= 3; ++pair)
        EXPECT_TRUE(on.cell(pair)->isMarkedWrong()) << pair;
    app.click(kEvaluate);
    EXPECT_EQ(on.verdict()->text(), QStringLiteral("Così non va bene!!!"));
    EXPECT_EQ(app.board.presentedCount(ExerciseFamily::DecimalComparison), 3);
    EXPECT_EQ(on.tally().evaluations(), 2);
    EXPECT_EQ(on.grade(), 5);
}

}  // namespace
}  // namespace quillo::testing
