#include "exercises/fractions/fraction_comparison_screen.h"
#include "fraction_scripts.h"
#include "kit/widgets/verdict_box.h"
#include "support/harness.h"

#include <gtest/gtest.h>

#include <QTest>

#include <random>

namespace quillo::testing {
namespace {

const QString kOk = QStringLiteral("NewExerciseButton");
const QString kCheck = QStringLiteral("CheckButton");
const QString kEvaluate = QStringLiteral("EvaluateButton");
constexpr auto kFamily = ExerciseFamily::FractionComparison;

QString cellName(int pair) { return QStringLiteral("Text%1").arg(pair + 1); }

// The program opened on the comparison screen from the fractions menu.
struct ComparisonApp {
    Harness app;

    ComparisonApp()
    {
        app.enterName();
        app.click(QStringLiteral("Command7"));
        app.click(QStringLiteral("Command4"));
    }

    FractionComparisonScreen& screen()
    {
        return dynamic_cast<FractionComparisonScreen&>(*app.registry.instance(ScreenId::FractionComparison));
    }
    bool enabled(const QString& name) const { return app.find(name)->isEnabled(); }
    DigitCell* cell(int pair) const { return app.find<DigitCell>(cellName(pair)); }
    QString text(const QString& name) const { return app.find<Label>(name)->text(); }
    TwipRect place(const QString& name) const { return app.page().placement(app.find(name)); }

    void present(int length, const std::array<int, 8>& numbers, int range, int common, int mode)
    {
        scriptComparison(app.random, length, numbers, range, common, mode);
        app.click(kOk);
    }
    // 3/7 5/7, 2/7 2/7, 9/7 1/7, 4/7 8/7: "<", "=", ">", "<".
    void presentSevenths() { present(1, {3, 5, 2, 2, 9, 1, 4, 8}, 1, 7, 1); }
    void answer(const QStringList& signs)
    {
        for (int pair = 0; pair < signs.size(); ++pair)
            app.type(cellName(pair), signs[pair]);
    }
    void leaveAndReturn()
    {
        app.click(QStringLiteral("SectionMenuButton"));
        app.click(QStringLiteral("Command4"));
    }
};

TEST(FractionComparisonScreen, OpensWithItsTextsAndNoTooltips)
{
    ComparisonApp on;
    EXPECT_EQ(on.app.registry.current(), ScreenId::FractionComparison);
    EXPECT_EQ(on.app.window.windowTitle(),
              QStringLiteral("vt-pb - Esercitazione di Aritmetica cl. V - Confronto tra frazioni"));
    EXPECT_EQ(on.text(QStringLiteral("Instruction")),
              QStringLiteral("Confronta le seguenti coppie di frazioni, usando il segno  < , = , >"));
    EXPECT_EQ(on.app.find<Button>(kCheck)->text(), QStringLiteral("Controllo"));
    for (const auto* button : on.app.page().findChildren<Button*>())
        EXPECT_TRUE(button->toolTip().isEmpty()) << button->text().toStdString();
    for (int label = 1; label <= 48; ++label)
        EXPECT_TRUE(on.text(QStringLiteral("Label%1").arg(label)).isEmpty()) << label;
    EXPECT_TRUE(on.enabled(kOk));
    EXPECT_FALSE(on.enabled(kCheck));
    EXPECT_FALSE(on.enabled(kEvaluate));
    for (int pair = 0; pair < 4; ++pair)
        EXPECT_FALSE(on.cell(pair)->isEnabled());
    EXPECT_FALSE(on.screen().bar(0)->isVisible()) << "no bar without numbers";
}

TEST(FractionComparisonScreen, FourSignsTypedCheckedAndEvaluated)
{
    ComparisonApp on;
    on.presentSevenths();
    EXPECT_EQ(on.app.board.presentedCount(kFamily), 1);
    EXPECT_EQ(on.text(QStringLiteral("Label3")), QStringLiteral("3")) << "first numerator, units";
    EXPECT_EQ(on.text(QStringLiteral("Label2")), QString());
    EXPECT_EQ(on.text(QStringLiteral("Label27")), QStringLiteral("7")) << "first denominator, units";
    EXPECT_EQ(on.text(QStringLiteral("Label24")), QStringLiteral("8")) << "eighth numerator, units";
    EXPECT_EQ(on.place(QStringLiteral("Text1")), cellAt(2640, 1920));
    EXPECT_EQ(on.place(QStringLiteral("Text4")), cellAt(7440, 3720));
    EXPECT_EQ(on.screen().bar(0)->from(), (TwipPoint{1440, 2280}));
    EXPECT_EQ(on.screen().bar(7)->to(), (TwipPoint{9240, 4080}));
    EXPECT_TRUE(on.screen().bar(7)->isVisible());
    EXPECT_FALSE(on.enabled(kOk));
    EXPECT_FALSE(on.enabled(kCheck));

    on.app.type(cellName(0), QStringLiteral("5a"));
    EXPECT_EQ(on.cell(0)->text(), QString()) << "only the three signs pass";
    on.answer({QStringLiteral("<"), QStringLiteral("="), QStringLiteral(">")});
    EXPECT_FALSE(on.enabled(kCheck)) << "the series is not finished yet";
    on.app.type(cellName(3), QStringLiteral("><"));
    EXPECT_EQ(on.cell(3)->text(), QStringLiteral("<")) << "every key replaces the sign";
    EXPECT_TRUE(on.enabled(kCheck));

    on.app.click(kCheck);
    EXPECT_TRUE(on.enabled(kEvaluate));
    EXPECT_FALSE(on.enabled(kCheck));
    for (int pair = 0; pair < 4; ++pair) {
        EXPECT_FALSE(on.cell(pair)->isEnabled());
        EXPECT_FALSE(on.cell(pair)->isMarkedWrong());
    }

    on.app.click(kEvaluate);
    auto* verdict = on.app.find<VerdictBox>(QStringLiteral("VerdictBox"));
    EXPECT_EQ(verdict->text(), QStringLiteral("Va bene"));
    EXPECT_EQ(verdict->textColour(), colour::Blue);
    EXPECT_EQ(on.app.board.grade(kFamily), 10);
    EXPECT_TRUE(on.enabled(kOk));
    EXPECT_TRUE(on.enabled(kCheck));
    EXPECT_FALSE(on.enabled(kEvaluate));
    EXPECT_TRUE(on.cell(0)->isEnabled());
}

TEST(FractionComparisonScreen, WrongSignsAreMarkedAndGradedOnce)
{
    ComparisonApp on;
    on.presentSevenths();
    on.app.type(cellName(3), QStringLiteral("x"));
    EXPECT_TRUE(on.enabled(kCheck)) << "a refused key in the last cell also ends the series";
    on.answer({QStringLiteral("<"), QStringLiteral("="), QStringLiteral(">"), QStringLiteral(">")});
    on.app.click(kCheck);
    EXPECT_FALSE(on.cell(0)->isMarkedWrong());
    EXPECT_TRUE(on.cell(3)->isMarkedWrong());
    EXPECT_EQ(on.cell(3)->background(), colour::White);
    EXPECT_EQ(on.cell(3)->textColour(), colour::Red);
    on.app.click(kEvaluate);
    auto* verdict = on.app.find<VerdictBox>(QStringLiteral("VerdictBox"));
    EXPECT_EQ(verdict->text(), QStringLiteral("Sta' più attento!!!"));
    EXPECT_EQ(verdict->textColour(), colour::Red);
    EXPECT_EQ(on.app.board.grade(kFamily), 6);

    // After the evaluation a mended sign loses its mark as it is typed; a
    // second check marks again but neither grades nor reopens "Valutazione".
    on.app.type(cellName(3), QStringLiteral("<"));
    EXPECT_FALSE(on.cell(3)->isMarkedWrong());
    on.app.type(cellName(0), QStringLiteral(">"));
    on.app.click(kCheck);
    EXPECT_TRUE(on.cell(0)->isMarkedWrong());
    EXPECT_FALSE(on.enabled(kEvaluate));
    EXPECT_TRUE(on.cell(0)->isEnabled());
    EXPECT_EQ(on.screen().exercise().checking().errors(), 1);
    EXPECT_EQ(on.screen().tally().evaluations(), 1);

    // Grades 10 then 5 make 7 (with the 6 above: 21 / 3).
    on.presentSevenths();
    EXPECT_TRUE(on.app.find<VerdictBox>(QStringLiteral("VerdictBox"))->text().isEmpty());
    EXPECT_FALSE(on.cell(3)->isMarkedWrong()) << "a new exercise clears the marks";
    on.answer({QStringLiteral("<"), QStringLiteral("="), QStringLiteral(">"), QStringLiteral("<")});
    on.app.click(kCheck);
    on.app.click(kEvaluate);
    on.presentSevenths();
    on.app.type(cellName(3), QStringLiteral("="));
    on.app.click(kCheck);
    on.app.click(kEvaluate);
    EXPECT_EQ(on.app.find<VerdictBox>(QStringLiteral("VerdictBox"))->text(), QStringLiteral("Così non va bene!!!"));
    EXPECT_EQ(on.app.board.grade(kFamily), 7);
}

TEST(FractionComparisonScreen, DigitsBarsAndCellsFollowTheNumbers)
{
    ComparisonApp on;
    on.present(1, {5, 6, 1, 2, 3, 4, 7, 8}, 3, 437, 1);
    EXPECT_EQ(on.text(QStringLiteral("Label3")), QStringLiteral("5"));
    EXPECT_EQ(on.place(QStringLiteral("Label3")).x, 840) << "a lone digit over three stands in the middle";
    EXPECT_EQ(on.text(QStringLiteral("Label25")), QStringLiteral("4"));
    EXPECT_EQ(on.text(QStringLiteral("Label27")), QStringLiteral("7"));
    EXPECT_EQ(on.screen().bar(0)->from(), (TwipPoint{240, 2280}));
    EXPECT_EQ(on.place(QStringLiteral("Text1")).x, 2040);
    EXPECT_EQ(on.place(QStringLiteral("Text2")).x, 6840);
    on.answer({QStringLiteral("<"), QStringLiteral("<"), QStringLiteral(">"), QStringLiteral("<")});
    on.app.click(kCheck);
    on.app.click(kEvaluate);

    on.present(2, {10, 99, 45, 45, 60, 61, 70, 17}, 1, 3, 2);
    EXPECT_EQ(on.place(QStringLiteral("Label3")).x, 1440) << "the units label is back in its column";
    EXPECT_EQ(on.text(QStringLiteral("Label3")), QStringLiteral("3"));
    EXPECT_EQ(on.text(QStringLiteral("Label26")), QStringLiteral("1"));
    EXPECT_EQ(on.screen().bar(4)->from(), (TwipPoint{840, 4080}));
    EXPECT_EQ(on.place(QStringLiteral("Text3")), cellAt(2340, 3720));
}

TEST(FractionComparisonScreen, AnExerciseLeftUnevaluatedDoesNotStopTheNext)
{
    ComparisonApp on;
    on.presentSevenths();
    on.answer({QStringLiteral("<"), QStringLiteral("="), QStringLiteral(">"), QStringLiteral("<")});
    on.leaveAndReturn();
    EXPECT_TRUE(on.text(QStringLiteral("Label3")).isEmpty()) << "the page is rebuilt empty";
    EXPECT_TRUE(on.cell(3)->text().isEmpty());
    EXPECT_FALSE(on.cell(0)->isEnabled());
    EXPECT_TRUE(on.enabled(kOk));
    EXPECT_FALSE(on.enabled(kCheck));

    on.presentSevenths();
    EXPECT_EQ(on.app.board.presentedCount(kFamily), 2);
    on.answer({QStringLiteral("<"), QStringLiteral("="), QStringLiteral(">"), QStringLiteral("<")});
    on.app.click(kCheck);
    EXPECT_TRUE(on.enabled(kEvaluate)) << "the exercise on screen has not been graded";
    on.app.click(kEvaluate);
    EXPECT_EQ(on.app.find<VerdictBox>(QStringLiteral("VerdictBox"))->text(), QStringLiteral("Va bene"));
    EXPECT_EQ(on.app.board.grade(kFamily), 10);
    EXPECT_EQ(on.screen().tally().evaluations(), 1);

    // Leaving a checked exercise before its evaluation grades nothing either.
    on.presentSevenths();
    on.app.type(cellName(3), QStringLiteral("<"));
    on.app.click(kCheck);
    on.leaveAndReturn();
    EXPECT_FALSE(on.enabled(kEvaluate));
    EXPECT_EQ(on.app.board.grade(kFamily), 10);
}

TEST(FractionComparisonScreen, RandomInputKeepsEveryRule)
{
    ComparisonApp on;
    std::mt19937 dice(20261206);
    const QString keys = QStringLiteral("<=>abc0123,./: \b");
    int presented = 0;
    for (int step = 0; step < 600; ++step) {
        const int action = static_cast<int>(dice() % 10);
        if (action < 6) {
            const int pair = static_cast<int>(dice() % 4);
            on.app.type(cellName(pair), QString(keys[static_cast<int>(dice() % keys.size())]));
        } else if (action < 9) {
            const QString button = std::array{kOk, kCheck, kEvaluate}[dice() % 3];
            if (on.enabled(button))
                on.app.click(button);
        } else {
            on.leaveAndReturn();
        }
        for (int pair = 0; pair < 4; ++pair) {
            const QString text = on.cell(pair)->text();
            ASSERT_LE(text.size(), 1);
            ASSERT_TRUE(text.isEmpty() || QStringLiteral("<=>").contains(text)) << text.toStdString();
        }
        ASSERT_GE(on.app.board.presentedCount(kFamily), presented);
        presented = on.app.board.presentedCount(kFamily);
        const int grade = on.app.board.grade(kFamily);
        ASSERT_TRUE(grade == 0 || (grade >= 5 && grade <= 10)) << grade;
        ASSERT_LE(on.screen().tally().evaluations(), presented);
        ASSERT_EQ(on.app.window.findChildren<Page*>().size(), 1);
    }
    EXPECT_GT(presented, 5);
    EXPECT_GT(on.screen().tally().evaluations(), 2);
}

}  // namespace
}  // namespace quillo::testing
