#include "exercises/fractions/fraction_kinds_screen.h"
#include "kit/widgets/verdict_box.h"
#include "support/harness.h"

#include <gtest/gtest.h>

#include <random>

namespace quillo::testing {
namespace {

constexpr auto F = ExerciseFamily::FractionKinds;

const QString kOk = QStringLiteral("NewExerciseButton");
const QString kCheck = QStringLiteral("CheckButton");
const QString kEvaluate = QStringLiteral("EvaluateButton");

QString cell(int number)
{
    return QStringLiteral("Text%1").arg(number);
}

// 12/4, 7/7, 5/1, 3/8, 9/4, 7/12, 99/1, 1/99, 98/49, 50/49.
constexpr int kNumerators[] = {12, 7, 5, 3, 9, 7, 99, 1, 98, 50};
constexpr int kDenominators[] = {4, 7, 1, 8, 4, 12, 1, 99, 49, 49};
const char* const kRight = "aaapipapai";

struct KindsApp : Harness {
    KindsApp()
    {
        enterName();
        click(QStringLiteral("Command7"));
        click(QStringLiteral("Command2"));
    }
    FractionKindsScreen& screen()
    {
        return *dynamic_cast<FractionKindsScreen*>(registry.instance(ScreenId::FractionKinds));
    }
    void present()
    {
        for (int n : kNumerators)
            random.push(drawing(n, 1, 99));
        for (int d : kDenominators)
            random.push(drawing(d, 1, 99));
        click(kOk);
    }
    // The right letters, with the first `wrong` of them replaced.
    void answer(int wrong)
    {
        for (int i = 0; i < 10; ++i)
            type(cell(i + 1), QString(QLatin1Char(i < wrong ? 'x' : kRight[i])));
    }
    void answerCheckEvaluate(int right)
    {
        present();
        answer(10 - right);
        click(kCheck);
        click(kEvaluate);
    }
    bool enabled(const QString& name) { return find(name)->isEnabled(); }
    QString label(int number) { return find<Label>(QStringLiteral("Label%1").arg(number))->text(); }
    VerdictBox& verdict() { return *find<VerdictBox>(QStringLiteral("VerdictBox")); }
};

TEST(FractionKindsScreen, TenLettersTypedCheckedAndEvaluated)
{
    KindsApp app;
    EXPECT_EQ(app.window.windowTitle(),
              QStringLiteral("vt-pb  Esercitazione di Aritmetica cl.V - Frazioni proprie,improprie,apparenti"));
    EXPECT_EQ(app.find<Label>(QStringLiteral("Instruction"))->text(), QStringLiteral("Distingui le seguenti frazioni "));
    EXPECT_EQ(app.find<Label>(QStringLiteral("Label42"))->text(),
              QStringLiteral("( proprie = p; improprie = i, apparenti = a"));
    EXPECT_TRUE(app.enabled(kOk));
    EXPECT_FALSE(app.enabled(cell(1)));

    app.present();
    EXPECT_EQ(app.board.presentedCount(F), 1);
    EXPECT_FALSE(app.enabled(kOk));
    EXPECT_FALSE(app.enabled(kCheck));
    EXPECT_TRUE(app.enabled(cell(10)));
    // 12/4 in the first column, 7/12 first of the second row.
    EXPECT_EQ(app.label(1), QStringLiteral("1"));
    EXPECT_EQ(app.label(2), QStringLiteral("2"));
    EXPECT_EQ(app.label(22), QStringLiteral("4"));
    EXPECT_EQ(app.label(21), QString());
    EXPECT_EQ(app.label(11), QString()) << "no tens over the 7 of 7/12";
    EXPECT_EQ(app.label(12), QStringLiteral("7"));
    EXPECT_EQ(app.label(31), QStringLiteral("1"));
    EXPECT_EQ(app.label(32), QStringLiteral("2"));
    EXPECT_EQ(app.screen().bar(5)->from(), (TwipPoint{240, 4080}));
    EXPECT_EQ(app.screen().bar(5)->to(), (TwipPoint{1440, 4080}));
    EXPECT_EQ(app.screen().bar(3)->from(), (TwipPoint{240 + 3 * 1800 + 600, 1680})) << "3/8: units column only";

    app.type(cell(1), QStringLiteral("P"));
    EXPECT_EQ(app.find<DigitCell>(cell(1))->text(), QString()) << "capital letters are refused";
    app.type(cell(1), QStringLiteral("q"));
    EXPECT_EQ(app.find<DigitCell>(cell(1))->text(), QString());

    app.answer(3);  // 7 right
    EXPECT_EQ(app.find<DigitCell>(cell(1))->text(), QString()) << "a refused key leaves the cell empty";
    EXPECT_EQ(app.find<DigitCell>(cell(4))->text(), QStringLiteral("p"));
    EXPECT_TRUE(app.enabled(kCheck)) << "any key in the tenth cell opens the check";
    app.click(kCheck);
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(app.find<DigitCell>(cell(i))->isMarkedWrong(), i <= 3) << i;
    EXPECT_FALSE(app.enabled(kCheck));
    EXPECT_FALSE(app.enabled(cell(4)));
    EXPECT_TRUE(app.enabled(kEvaluate));
    EXPECT_FALSE(app.enabled(kOk));

    app.click(kEvaluate);
    EXPECT_EQ(app.verdict().text(), QStringLiteral("Buono"));
    EXPECT_EQ(app.verdict().textColour(), colour::Blue);
    EXPECT_EQ(app.board.grade(F), 7);
    EXPECT_TRUE(app.enabled(kOk));
    EXPECT_TRUE(app.enabled(kCheck));
    EXPECT_FALSE(app.enabled(kEvaluate));

    // A later check marks again but grades nothing.
    app.type(cell(1), QStringLiteral("a"));
    app.click(kCheck);
    EXPECT_FALSE(app.find<DigitCell>(cell(1))->isMarkedWrong());
    EXPECT_TRUE(app.find<DigitCell>(cell(2))->isMarkedWrong());
    EXPECT_FALSE(app.enabled(kEvaluate));
    EXPECT_EQ(app.screen().tally().evaluations(), 1);
}

TEST(FractionKindsScreen, FewRightAnswersShowInRedAndANewGroupStartsClean)
{
    KindsApp app;
    app.answerCheckEvaluate(5);
    EXPECT_EQ(app.verdict().text(), QStringLiteral("Così non va bene!!!"));
    EXPECT_EQ(app.verdict().textColour(), colour::Red);
    app.present();
    EXPECT_FALSE(app.find<DigitCell>(cell(1))->isMarkedWrong()) << "no mark survives into a new group";
    app.answer(0);
    app.click(kCheck);
    app.click(kEvaluate);
    EXPECT_EQ(app.verdict().text(), QStringLiteral("Bravo!!!"));
    EXPECT_EQ(app.verdict().textColour(), colour::Blue);
    EXPECT_EQ(app.board.grade(F), 7);  // (5 + 10) / 2
}

TEST(FractionKindsScreen, AGroupLeftUnevaluatedDoesNotFreezeTheGrade)
{
    KindsApp app;
    app.answerCheckEvaluate(6);
    app.present();
    app.click(QStringLiteral("MainMenuButton"));
    app.click(QStringLiteral("Command7"));
    app.click(QStringLiteral("Command2"));
    EXPECT_TRUE(app.enabled(kOk));
    EXPECT_FALSE(app.enabled(cell(1)));
    EXPECT_EQ(app.label(2), QString()) << "the page comes back in its design state";
    app.answerCheckEvaluate(10);
    EXPECT_EQ(app.board.presentedCount(F), 3);
    EXPECT_EQ(app.screen().tally().evaluations(), 2);
    EXPECT_EQ(app.board.grade(F), 8);  // (6 + 10) / 2
}

TEST(FractionKindsScreen, RandomClicksAndKeysNeverBreakTheScreen)
{
    KindsApp app;
    std::mt19937 dice(612);
    const QStringList buttons = {kOk, kCheck, kEvaluate};
    const QString keys = QStringLiteral("piaPIAx1 \b");
    int presented = 0;
    for (int step = 0; step < 800; ++step) {
        if (dice() % 4 == 0) {
            const QString& button = buttons[static_cast<int>(dice() % 3)];
            if (button == kOk) {
                for (int draw = 0; draw < 20; ++draw)
                    app.random.push(std::uniform_real_distribution<double>(0.0, 1.0)(dice));
            }
            app.click(button);
        } else {
            const QString name = cell(static_cast<int>(dice() % 10) + 1);
            if (app.enabled(name))
                app.type(name, QString(keys[static_cast<int>(dice() % keys.size())]));
            const QString text = app.find<DigitCell>(name)->text();
            ASSERT_TRUE(text.isEmpty() || text == QStringLiteral("p") || text == QStringLiteral("i") ||
                        text == QStringLiteral("a"))
                << text.toStdString();
        }
        ASSERT_GE(app.board.presentedCount(F), presented);
        presented = app.board.presentedCount(F);
        ASSERT_GE(app.board.grade(F), 0);
        ASSERT_LE(app.board.grade(F), 10);
    }
    EXPECT_GT(app.screen().tally().evaluations(), 0);
}

}  // namespace
}  // namespace quillo::testing
