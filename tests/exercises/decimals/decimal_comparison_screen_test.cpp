#include "app/screen_id.h"
#include "exercises/decimals/decimal_comparison_screen.h"
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

    // One number's draws: its digits, its decimals and its mantissa.
    void number(int digits, int decimals, int mantissa)
    {
        int power = 1;
        for (int d = 1; d < digits; ++d)
            power *= 10;
        app.random.push(drawing(digits, 1, 6));
        app.random.push(drawing(decimals, 1, 3));
        app.random.push(drawing(mantissa, digits == 1 ? 1 : power + 1, power * 10 - 1));
    }

    // What pair k shows: the seven places left of its box read left to right,
    // then the seven right of it, blanks as spaces.
    QString row(int pair) const
    {
        QString shown;
        for (int i = 7; i >= 1; --i)
            shown += labelText(14 * (pair - 1) + i);
        shown += QLatin1Char('|');
        for (int i = 8; i <= 14; ++i)
            shown += labelText(14 * (pair - 1) + i);
        return shown;
    }
    QString labelText(int index) const
    {
        const QString text = app.find<Label>(QStringLiteral("Label%1").arg(index))->text();
        return text.isEmpty() ? QStringLiteral(" ") : text;
    }
    DigitCell* cell(int pair) const { return app.find<DigitCell>(box(pair)); }
    bool enabled(const QString& name) const { return app.find<QWidget>(name)->isEnabled(); }
    VerdictBox* verdict() const { return app.find<VerdictBox>(QStringLiteral("VerdictBox")); }
    std::int16_t grade() const { return app.board.grade(ExerciseFamily::DecimalComparison); }
    const DecimalComparisonScreen& screen()
    {
        return *dynamic_cast<DecimalComparisonScreen*>(app.registry.instance(ScreenId::DecimalComparison));
    }
};

TEST(DecimalComparisonScreen, ThreeRelationsTypedCheckedAndGraded)
{
    ComparisonApp on;
    auto& app = on.app;
    EXPECT_EQ(app.window.windowTitle(),
              QStringLiteral("vt-pb - Esercitazione di Aritmetica cl. V - Confronto di numeri decimali"));
    EXPECT_TRUE(on.enabled(kOk));
    EXPECT_FALSE(on.enabled(kCheck));
    EXPECT_FALSE(on.enabled(kEvaluate));
    EXPECT_FALSE(on.cell(1)->isEnabled());

    on.number(3, 1, 123);   // 12,3
    on.number(4, 2, 1230);  // 12,3
    on.number(1, 1, 9);     // 0,9
    on.number(3, 3, 123);   // 0,123
    on.number(3, 2, 400);   // 4
    on.number(3, 2, 457);   // 4,57
    app.click(kOk);
    EXPECT_TRUE(app.random.exhausted());
    EXPECT_EQ(app.random.seeds(), 1) << "every new exercise reseeds from the clock";
    EXPECT_EQ(app.board.presentedCount(ExerciseFamily::DecimalComparison), 1);
    EXPECT_EQ(on.row(1), QStringLiteral("   12,3|12,3   "));
    EXPECT_EQ(on.row(2), QStringLiteral("    0,9|0,123  "));
    EXPECT_EQ(on.row(3), QStringLiteral("      4|4,57   "));
    EXPECT_FALSE(on.enabled(kOk));
    EXPECT_FALSE(on.enabled(kCheck));
    EXPECT_EQ(on.cell(1)->background(), colour::LightCyan);
    EXPECT_EQ(on.cell(1)->textColour(), colour::Blue);

    // Each key replaces the box's content, whatever the key.
    app.type(box(1), QStringLiteral("<x="));
    EXPECT_EQ(on.cell(1)->text(), QStringLiteral("="));
    app.type(box(2), QStringLiteral(">"));
    EXPECT_FALSE(on.enabled(kCheck));
    app.type(box(3), QStringLiteral("x"));
    EXPECT_TRUE(on.enabled(kCheck));
    EXPECT_EQ(on.cell(3)->text(), QStringLiteral("x"));

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
    EXPECT_TRUE(on.cell(1)->isEnabled());

    // A key in a marked box brings back the typing colours.
    app.type(box(3), QStringLiteral("<"));
    EXPECT_EQ(on.cell(3)->background(), colour::LightCyan);
    EXPECT_EQ(on.cell(3)->textColour(), colour::Blue);

    // The next exercise, all right: (6 + 10) / 2.
    on.number(1, 1, 1);  // 0,1
    on.number(1, 2, 1);  // 0,01
    on.number(6, 1, 999999);
    on.number(6, 3, 999999);
    on.number(2, 1, 45);   // 4,5
    on.number(3, 2, 450);  // 4,5
    app.click(kOk);
    EXPECT_EQ(on.verdict()->text(), QString());
    EXPECT_EQ(on.cell(3)->text(), QString());
    EXPECT_EQ(on.row(2), QStringLiteral("99999,9|999,999"));
    app.type(box(1), QStringLiteral(">"));
    app.type(box(2), QStringLiteral(">"));
    app.type(box(3), QStringLiteral("="));
    app.click(kCheck);
    app.click(kEvaluate);
    EXPECT_EQ(on.verdict()->text(), QStringLiteral("Va bene"));
    EXPECT_EQ(on.verdict()->textColour(), colour::Blue);
    EXPECT_EQ(on.grade(), 8);
}

TEST(DecimalComparisonScreen, TheCheckStaysOpenIntoTheNextExercise)
{
    ComparisonApp on;
    auto& app = on.app;
    app.click(kOk);  // an empty script draws 0,1 against 0,1 three times
    EXPECT_EQ(on.screen().exercise().expected(0), "=");
    app.type(box(3), QStringLiteral("="));
    app.click(kCheck);
    app.click(kEvaluate);
    ASSERT_TRUE(on.enabled(kCheck));

    // Checked at once: three empty boxes, three errors.
    app.click(kOk);
    EXPECT_TRUE(on.enabled(kCheck));
    app.click(kCheck);
    EXPECT_EQ(on.screen().exercise().errorCount(), 3);
    for (int pair = 1; pair <= 3; ++pair)
        EXPECT_TRUE(on.cell(pair)->isMarkedWrong()) << pair;
    app.click(kEvaluate);
    EXPECT_EQ(on.verdict()->text(), QStringLiteral("Così non va bene!!!"));
    EXPECT_EQ(on.grade(), 5);
    EXPECT_EQ(on.screen().tally().evaluations(), 2);
}

TEST(DecimalComparisonScreen, LeavingAndComingBackStartsFromTheDesignState)
{
    ComparisonApp on;
    auto& app = on.app;
    app.click(kOk);
    app.type(box(1), QStringLiteral("<"));
    app.click(QStringLiteral("SectionMenuButton"));
    EXPECT_EQ(app.registry.current(), ScreenId::DecimalsMenu);
    app.click(QStringLiteral("Command2"));
    EXPECT_TRUE(on.enabled(kOk));
    EXPECT_FALSE(on.enabled(kCheck));
    EXPECT_FALSE(on.enabled(kEvaluate));
    EXPECT_FALSE(on.cell(1)->isEnabled());
    EXPECT_EQ(on.cell(1)->text(), QString());
    EXPECT_EQ(on.row(1).trimmed(), QStringLiteral("|"));

    app.click(kOk);
    EXPECT_EQ(app.board.presentedCount(ExerciseFamily::DecimalComparison), 2);
    app.type(box(3), QStringLiteral("?"));
    app.click(kCheck);
    app.click(kEvaluate);
    EXPECT_EQ(on.screen().tally().evaluations(), 1);
    EXPECT_EQ(on.grade(), 5);

    app.click(QStringLiteral("ExitButton"));
    EXPECT_TRUE(app.registry.hasEnded());
}

}  // namespace
}  // namespace quillo::testing
