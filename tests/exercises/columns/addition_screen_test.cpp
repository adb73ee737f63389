#include "exercises/columns/addition_screen.h"
#include "kit/widgets/verdict_box.h"
#include "support/harness.h"

#include <gtest/gtest.h>

#include <QApplication>

namespace quillo::testing {
namespace {

constexpr Colour kAdditionColour = 0xFBEEDF;
const QString kOk = QStringLiteral("NewExerciseButton");
const QString kCheck = QStringLiteral("CheckButton");
const QString kEvaluate = QStringLiteral("EvaluateButton");
const QString kTwo = QStringLiteral("Text31");
const QString kThree = QStringLiteral("Text32");

QString cell(int row, int column) { return QStringLiteral("Text%1").arg(6 * (row - 1) + column); }

void openAddition(Harness& app)
{
    app.enterName();
    app.click(QStringLiteral("Command4"));
    ASSERT_EQ(app.registry.current(), ScreenId::Addition);
}

// Loads the scripted source so that "OK" draws exactly these addends.
void force(Harness& app, std::initializer_list<int> addends)
{
    for (int addend : addends)
        app.random.push(drawing(addend, 1, 999'999));
}

// Types a number into a sum row, units first, the way a pupil adds.
void writeSum(Harness& app, int row, const QString& leftToRight)
{
    for (int column = 1; column <= leftToRight.size(); ++column)
        app.type(cell(row, column), leftToRight.at(leftToRight.size() - column));
}

QString rowText(Harness& app, int row)
{
    QString text;
    for (int column = 6; column >= 1; --column) {
        auto* box = app.find<DigitCell>(cell(row, column));
        text += box->isVisibleTo(&app.page()) ? (box->text().isEmpty() ? QStringLiteral("_") : box->text())
                                              : QStringLiteral(".");
    }
    return text;
}

bool enabled(Harness& app, const QString& name) { return app.find(name)->isEnabled(); }

TEST(AdditionScreen, TwoAddendsFromOkToTheScoreboard)
{
    Harness app;
    openAddition(app);
    EXPECT_EQ(app.window.windowTitle(),
              QStringLiteral("vt-pb - Esercitazione di Aritmetica cl. V - Addizioni con due o più addendi"));
    EXPECT_EQ(app.find<Label>(QStringLiteral("Instruction"))->text(),
              QStringLiteral("Esegui la seguente addizione in colonna"));
    EXPECT_EQ(app.find<Label>(QStringLiteral("Label1"))->text(), QStringLiteral("Numero addendi"));
    EXPECT_EQ(app.find<TextBox>(kTwo)->toolTip(), QStringLiteral("Addizione con due addendi"));
    EXPECT_EQ(app.find<TextBox>(kThree)->toolTip(), QStringLiteral("Addizione con tre addendi"));
    EXPECT_EQ(app.find<Button>(kOk)->toolTip(), QStringLiteral("Presenta una nuova addizione"));
    EXPECT_EQ(app.find<Button>(kCheck)->toolTip(),
              QStringLiteral("Evidenzia eventuali errori.Usare il controllo ad operazione ultimata"));

    app.click(kTwo);
    force(app, {999'990, 9, 5});
    app.click(kOk);
    EXPECT_EQ(app.board.presentedCount(ExerciseFamily::Addition), 1);
    EXPECT_EQ(rowText(app, 1), QStringLiteral("999990"));
    EXPECT_EQ(rowText(app, 2), QStringLiteral(".....9"));
    EXPECT_EQ(rowText(app, 3), QStringLiteral("......"));
    EXPECT_EQ(rowText(app, 4), QStringLiteral("______")) << "six empty cells for a six-digit sum";
    EXPECT_EQ(rowText(app, 5), QStringLiteral("......"));
    EXPECT_EQ(app.find<Label>(QStringLiteral("Label2"))->text(), QStringLiteral("+"));
    EXPECT_EQ(app.find<Label>(QStringLiteral("Label3"))->text(), QStringLiteral("="));
    EXPECT_FALSE(app.find(QStringLiteral("Label4"))->isVisibleTo(&app.page()));
    EXPECT_EQ(QApplication::focusWidget(), app.find(cell(4, 1))) << "the pupil starts from the units";

    writeSum(app, 4, QStringLiteral("99999"));
    EXPECT_FALSE(enabled(app, kCheck)) << "only the sum's leftmost cell makes the check available";
    writeSum(app, 4, QStringLiteral("999999"));
    EXPECT_TRUE(enabled(app, kCheck));
    app.click(kCheck);
    EXPECT_FALSE(app.find<DigitCell>(cell(4, 3))->isMarkedWrong());
    app.click(kEvaluate);

    auto* verdict = app.find<VerdictBox>(QStringLiteral("VerdictBox"));
    EXPECT_EQ(verdict->text(), QStringLiteral("Distinto"));
    EXPECT_EQ(verdict->textColour(), colour::Blue);
    EXPECT_EQ(app.board.grade(ExerciseFamily::Addition), 9);
}

TEST(AdditionScreen, ThreeAddendsWithAWrongDigitMarkedAndRestored)
{
    Harness app;
    openAddition(app);
    app.click(kThree);
    EXPECT_EQ(rowText(app, 4), QStringLiteral("......"));
    EXPECT_EQ(rowText(app, 5), QStringLiteral("______"));
    force(app, {123, 45, 6});
    app.click(kOk);
    EXPECT_EQ(rowText(app, 1), QStringLiteral("...123"));
    EXPECT_EQ(rowText(app, 2), QStringLiteral("....45"));
    EXPECT_EQ(rowText(app, 3), QStringLiteral(".....6"));
    EXPECT_EQ(rowText(app, 5), QStringLiteral("...___"));
    EXPECT_EQ(app.find<Label>(QStringLiteral("Label3"))->text(), QStringLiteral("+"));
    EXPECT_EQ(app.find<Label>(QStringLiteral("Label4"))->text(), QStringLiteral("="));

    writeSum(app, 5, QStringLiteral("184"));
    app.click(kCheck);
    auto* wrong = app.find<DigitCell>(cell(5, 2));
    EXPECT_EQ(wrong->background(), colour::White);
    EXPECT_EQ(wrong->textColour(), colour::Red);
    auto* right = app.find<DigitCell>(cell(5, 1));
    EXPECT_EQ(right->background(), kAdditionColour);
    EXPECT_EQ(right->textColour(), colour::Blue);

    app.type(cell(5, 2), QStringLiteral("7"));
    EXPECT_EQ(wrong->background(), kAdditionColour) << "the next key restores the typing colours";
    EXPECT_EQ(wrong->textColour(), colour::Blue);
    EXPECT_EQ(wrong->text(), QStringLiteral("7"));

    app.click(kEvaluate);
    auto* verdict = app.find<VerdictBox>(QStringLiteral("VerdictBox"));
    EXPECT_EQ(verdict->text(), QString::fromUtf8("Sta' più attento!!!"));
    EXPECT_EQ(verdict->textColour(), colour::Blue) << "one error is not shown in red on this screen";
    EXPECT_EQ(app.board.grade(ExerciseFamily::Addition), 6) << "the correction came after the first check";
}

TEST(AdditionScreen, EnableCycle)
{
    Harness app;
    openAddition(app);
    auto states = [&] {
        return QStringLiteral("%1%2%3%4%5")
            .arg(enabled(app, kOk) ? QLatin1Char('O') : QLatin1Char('-'))
            .arg(enabled(app, kCheck) ? QLatin1Char('C') : QLatin1Char('-'))
            .arg(enabled(app, kEvaluate) ? QLatin1Char('V') : QLatin1Char('-'))
            .arg(enabled(app, kTwo) ? QLatin1Char('2') : QLatin1Char('-'))
            .arg(enabled(app, kThree) ? QLatin1Char('3') : QLatin1Char('-'));
    };
    EXPECT_EQ(states(), QStringLiteral("---23"));
    for (int row = 1; row <= 5; ++row)
        EXPECT_EQ(rowText(app, row), QStringLiteral("......")) << row;
    app.click(kTwo);
    EXPECT_EQ(states(), QStringLiteral("O--23"));
    force(app, {61, 39, 1});  // 100
    app.click(kOk);
    EXPECT_EQ(states(), QStringLiteral("-----"));
    app.click(kTwo);
    EXPECT_EQ(states(), QStringLiteral("-----")) << "a disabled choice box does nothing";

    writeSum(app, 4, QStringLiteral("110"));
    EXPECT_EQ(states(), QStringLiteral("-C---"));
    app.click(kCheck);
    EXPECT_EQ(states(), QStringLiteral("--V--"));
    app.type(cell(4, 3), QStringLiteral("1"));
    EXPECT_EQ(states(), QStringLiteral("-CV--")) << "the leftmost cell brings the check back";
    app.type(cell(4, 2), QStringLiteral("0"));
    app.click(kCheck);
    EXPECT_EQ(states(), QStringLiteral("-CV--"));
    EXPECT_FALSE(app.find<DigitCell>(cell(4, 2))->isMarkedWrong());
    app.click(kEvaluate);
    EXPECT_EQ(app.find<VerdictBox>(QStringLiteral("VerdictBox"))->text(), QStringLiteral("Sta' più attento!!!"));
    EXPECT_EQ(states(), QStringLiteral("-C-23"));
    app.click(kCheck);
    EXPECT_EQ(states(), QStringLiteral("-C-23")) << "an addition is evaluated once";
    EXPECT_EQ(app.board.grade(ExerciseFamily::Addition), 6);

    app.click(kThree);
    EXPECT_EQ(states(), QStringLiteral("O--23")) << "an empty grid has nothing to check";
    EXPECT_EQ(rowText(app, 1), QStringLiteral("______"));
    EXPECT_EQ(rowText(app, 4), QStringLiteral("......"));
    EXPECT_EQ(rowText(app, 5), QStringLiteral("______"));
    app.type(cell(5, 3), QStringLiteral("1"));
    EXPECT_EQ(states(), QStringLiteral("O--23"));
}

TEST(AdditionScreen, KeysNeverChangeTheAddendsAndCellsHoldOneDigit)
{
    Harness app;
    openAddition(app);
    app.click(kTwo);
    force(app, {4'321, 1'234, 1});
    app.click(kOk);
    app.type(cell(1, 1), QStringLiteral("7x"));
    app.key(cell(2, 1), Qt::Key_Backspace);
    EXPECT_EQ(rowText(app, 1), QStringLiteral("..4321"));
    EXPECT_EQ(rowText(app, 2), QStringLiteral("..1234"));
    app.type(cell(4, 1), QStringLiteral("5555"));
    EXPECT_EQ(app.find<DigitCell>(cell(4, 1))->text(), QStringLiteral("5"));
    app.type(cell(4, 2), QStringLiteral("5a"));
    EXPECT_EQ(app.find<DigitCell>(cell(4, 2))->text(), QString()) << "a refused key leaves the cell empty";
}

TEST(AdditionScreen, LeavingAndReturningKeepsTheTally)
{
    Harness app;
    openAddition(app);
    app.click(kTwo);
    force(app, {100, 200, 1});
    app.click(kOk);
    writeSum(app, 4, QStringLiteral("300"));
    app.click(kCheck);
    app.click(kEvaluate);
    ASSERT_EQ(app.board.grade(ExerciseFamily::Addition), 9);

    // An addition left on the page is never graded.
    app.click(kThree);
    force(app, {1, 2, 3});
    app.click(kOk);
    writeSum(app, 5, QStringLiteral("6"));
    app.click(kCheck);
    app.click(QStringLiteral("MainMenuButton"));
    ASSERT_EQ(app.registry.current(), ScreenId::MainMenu);
    app.click(QStringLiteral("Command4"));
    ASSERT_EQ(app.registry.current(), ScreenId::Addition);

    EXPECT_FALSE(enabled(app, kOk));
    EXPECT_FALSE(enabled(app, kCheck));
    EXPECT_FALSE(enabled(app, kEvaluate));
    EXPECT_TRUE(enabled(app, kTwo));
    for (int row = 1; row <= 5; ++row)
        EXPECT_EQ(rowText(app, row), QStringLiteral("......")) << row;
    EXPECT_EQ(app.find<VerdictBox>(QStringLiteral("VerdictBox"))->text(), QString());

    app.click(kTwo);
    force(app, {10, 20, 1});
    app.click(kOk);
    EXPECT_EQ(app.board.presentedCount(ExerciseFamily::Addition), 3);
    writeSum(app, 4, QStringLiteral("31"));
    app.click(kCheck);
    app.click(kEvaluate);
    EXPECT_EQ(app.find<VerdictBox>(QStringLiteral("VerdictBox"))->textColour(), colour::Blue);
    EXPECT_EQ(app.board.grade(ExerciseFamily::Addition), 7) << "(9 + 6) / 2, the tally kept across visits";
    auto* screen = static_cast<AdditionScreen*>(app.registry.instance(ScreenId::Addition));
    EXPECT_EQ(screen->tally().evaluations(), 2);
}

}  // namespace
}  // namespace quillo::testing
