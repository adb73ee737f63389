#include "app/screen_id.h"
#include "decimals_script.h"
#include "kit/widgets/verdict_box.h"
#include "support/harness.h"

#include <gtest/gtest.h>

namespace quillo::testing {
namespace {

// One of the two decimal-number screens, opened from its menu.
struct DecimalsApp {
    Harness app;

    explicit DecimalsApp(const char* command)
    {
        app.enterName();
        app.click(QStringLiteral("Command8"));
        app.click(QString::fromLatin1(command));
    }
    DigitCell* cell(int index) const { return app.find<DigitCell>(QStringLiteral("Text%1").arg(index)); }
    QString label(int index) const { return app.find<Label>(QStringLiteral("Label%1").arg(index))->text(); }
    void type(int index, const char* keys) const { app.type(cell(index)->objectName(), QString::fromUtf8(keys)); }
    void click(const char* button) const { app.click(QString::fromLatin1(button) + QStringLiteral("Button")); }
    // "OK", "Controllo" and "Valutazione" as 1 enabled, 0 disabled.
    QString buttons() const
    {
        QString states;
        for (const char* name : {"NewExerciseButton", "CheckButton", "EvaluateButton"})
            states += app.find<QWidget>(QString::fromLatin1(name))->isEnabled() ? u'1' : u'0';
        return states;
    }
    VerdictBox* verdict() const { return app.find<VerdictBox>(QStringLiteral("VerdictBox")); }
    // What pair k of the comparison shows across its fourteen places,
    // blanks as spaces and the box as "|".
    QString row(int pair) const
    {
        QString shown;
        for (int i : {7, 6, 5, 4, 3, 2, 1, 0, 8, 9, 10, 11, 12, 13, 14}) {
            const QString text = i == 0 ? QStringLiteral("|") : label(14 * (pair - 1) + i);
            shown += text.isEmpty() ? QStringLiteral(" ") : text;
        }
        return shown;
    }
};

TEST(PlaceValueScreen, TypedCheckedEvaluatedAndAnUnevaluatedOneNeverGraded)
{
    DecimalsApp on("Command1");
    auto& app = on.app;
    EXPECT_EQ(on.buttons(), QStringLiteral("100"));
    scriptPlaceValue(app.random, 1, 2, {{5, 5, 5}, {1, 2, 1}});  // 55,5 and 12,1
    on.click("NewExercise");
    EXPECT_EQ(app.random.seeds(), 0) << "this screen draws on from the generator seeded at start-up";
    EXPECT_EQ(on.label(5) + on.label(4) + app.find<Label>(QStringLiteral("Comma1"))->text() + on.label(1),
              QStringLiteral("55,5"));
    for (int index : {1, 2, 4, 5, 6, 11, 14, 15})
        EXPECT_EQ(on.cell(index)->isVisible(), index != 2 && index != 6 && index != 14) << index;
    EXPECT_EQ(on.cell(1)->background(), 0x404040u);
    EXPECT_EQ(on.cell(1)->textColour(), 0xC0C0FFu);
    EXPECT_EQ(on.cell(5)->background(), colour::LightCyan);
    EXPECT_EQ(on.cell(5)->textColour(), colour::Red);

    // Whole boxes: one letter past the mark empties the box, what is already
    // there is lowered; a decimal box keeps the latest key, as typed.
    const std::tuple<int, const char*, const char*> keys[] = {
        {4, "das", ""}, {4, "U", "U"}, {4, "s", "us"}, {5, "dasx", ""}, {5, "das", "das"},
        {1, "cmD", "D"}, {15, "das", "das"}};
    for (const auto& [index, typed, shown] : keys) {
        on.type(index, typed);
        EXPECT_EQ(on.cell(index)->text(), QString::fromLatin1(shown)) << typed;
    }
    EXPECT_EQ(on.buttons(), QStringLiteral("000"));
    on.type(11, "d");
    EXPECT_EQ(on.buttons(), QStringLiteral("010")) << "the second number's last decimal box enables the check";

    on.click("Check");
    EXPECT_EQ(on.cell(1)->background(), colour::White) << "a capital is not the mark";
    EXPECT_EQ(on.cell(1)->textColour(), 0xC0C0FFu);
    EXPECT_EQ(on.cell(4)->background(), colour::LightCyan);
    EXPECT_EQ(on.buttons(), QStringLiteral("001"));
    on.click("Evaluate");
    EXPECT_EQ(on.verdict()->text(), QStringLiteral("Sta' più attento!!!")) << "the tenths stand in two pairs";
    EXPECT_EQ(on.verdict()->textColour(), colour::Red);
    EXPECT_EQ(app.board.grade(ExerciseFamily::PlaceValue), 6);
    EXPECT_EQ(on.buttons(), QStringLiteral("110"));

    // Checked, left unevaluated: the page comes back in its design state.
    scriptPlaceValue(app.random, 1, 1, {{7, 7}, {3, 3}});
    on.click("NewExercise");
    EXPECT_EQ(on.verdict()->text(), QString());
    on.type(11, "x");
    on.click("Check");
    on.click("SectionMenu");
    EXPECT_EQ(app.registry.current(), ScreenId::DecimalsMenu);
    app.click(QStringLiteral("Command1"));
    EXPECT_EQ(on.buttons(), QStringLiteral("100"));
    EXPECT_EQ(on.label(1), QString());

    // The next one, all right, graded on its own: (6 + 10) / 2.
    scriptPlaceValue(app.random, 1, 1, {{7, 7}, {3, 3}});
    on.click("NewExercise");
    for (auto [index, mark] : {std::pair{4, "us"}, {1, "d"}, {14, "us"}, {11, "d"}})
        on.type(index, mark);
    on.click("Check");
    on.click("Evaluate");
    EXPECT_EQ(on.verdict()->text(), QStringLiteral("Va bene"));
    EXPECT_EQ(app.board.grade(ExerciseFamily::PlaceValue), 8);
}

TEST(DecimalComparisonScreen, ThreeRelationsTypedCheckedAndGraded)
{
    DecimalsApp on("Command2");
    auto& app = on.app;
    for (auto [mantissa, decimals] : {std::pair{123, 1}, {1230, 2}, {9, 1}, {123, 3}, {400, 2}, {457, 2}})
        scriptDecimalNumber(app.random, mantissa, decimals);
    on.click("NewExercise");
    EXPECT_EQ(app.random.seeds(), 1) << "every new exercise reseeds from the clock";
    EXPECT_EQ(on.row(1), QStringLiteral("   12,3|12,3   "));
    EXPECT_EQ(on.row(2), QStringLiteral("    0,9|0,123  "));
    EXPECT_EQ(on.row(3), QStringLiteral("      4|4,57   "));

    on.type(1, "<x=");
    EXPECT_EQ(on.cell(1)->text(), QStringLiteral("=")) << "each key replaces the box's content, whatever the key";
    on.type(2, ">");
    EXPECT_EQ(on.buttons(), QStringLiteral("000"));
    on.type(3, "x");
    EXPECT_EQ(on.buttons(), QStringLiteral("010"));
    on.click("Check");
    for (int pair = 1; pair <= 3; ++pair)
        EXPECT_EQ(on.cell(pair)->isMarkedWrong(), pair == 3) << "a letter is an error";
    on.click("Evaluate");
    EXPECT_EQ(on.verdict()->text(), QStringLiteral("Sta' più attento!!!"));
    EXPECT_EQ(app.board.grade(ExerciseFamily::DecimalComparison), 6);
    EXPECT_EQ(on.buttons(), QStringLiteral("110"));
}

}  // namespace
}  // namespace quillo::testing
