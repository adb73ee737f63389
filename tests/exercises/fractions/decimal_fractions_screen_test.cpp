#include "exercises/fractions/decimal_fractions_screen.h"
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
constexpr auto kFamily = ExerciseFamily::DecimalFractions;

QString cellName(int item) { return QStringLiteral("Text%1").arg(item + 1); }

// The program opened on the decimal fractions screen from the fractions menu.
struct DecimalApp {
    Harness app;

    DecimalApp()
    {
        app.enterName();
        app.click(QStringLiteral("Command7"));
        app.click(QStringLiteral("Command3"));
    }

    DecimalFractionsScreen& screen()
    {
        return dynamic_cast<DecimalFractionsScreen&>(*app.registry.instance(ScreenId::DecimalFractions));
    }
    bool enabled(const QString& name) const { return app.find(name)->isEnabled(); }
    DigitCell* cell(int item) const { return app.find<DigitCell>(cellName(item)); }
    QString text(const QString& name) const { return app.find<Label>(name)->text(); }
    VerdictBox* verdict() const { return app.find<VerdictBox>(QStringLiteral("VerdictBox")); }

    // 7/100, 30/100, 125/10, 5/1000: "0,07", "0,3", "12,5", "0,005".
    void present()
    {
        scriptDecimalSeries(app.random, {7, 30, 125, 5}, {100, 100, 10, 1000});
        app.click(kOk);
    }
    void answer(std::initializer_list<const char*> answers)
    {
        int item = 0;
        for (const char* answer : answers)
            app.type(cellName(item++), QString::fromLatin1(answer));
    }
    void answerRight() { answer({"0,07", "0,3", "12,5", "0,005"}); }
    void leaveAndReturn()
    {
        app.click(QStringLiteral("SectionMenuButton"));
        app.click(QStringLiteral("Command3"));
    }
};

TEST(DecimalFractionsScreen, OpensWithItsTexts)
{
    DecimalApp on;
    EXPECT_EQ(on.app.window.windowTitle(),
              QStringLiteral("vt-pb - Esercitazione di Aritmetica cl. V - Trasformazione di frazioni decimali "
                             "in numeri decimali"));
    EXPECT_EQ(on.text(QStringLiteral("Instruction")),
              QStringLiteral("Trasforma le seguenti frazioni decimali in numeri decimali"));
    auto* check = on.app.find<Button>(kCheck);
    EXPECT_EQ(check->text(), QStringLiteral("controllo"));
    EXPECT_EQ(check->toolTip(), QStringLiteral("Evidenzia eventuali errori. Usare il controllo ad operazione ultimata"));
    EXPECT_EQ(on.app.find<Button>(kOk)->toolTip(), QStringLiteral("Presenta una nuova serie di frazioni"));
    EXPECT_EQ(on.app.find<Button>(kEvaluate)->toolTip(),
              QStringLiteral("Valuta,in base al grado di difficoltà, l'operazione eseguita"));
    EXPECT_EQ(on.app.find<Button>(QStringLiteral("SectionMenuButton"))->text(), QStringLiteral("Menu fraz"));
    EXPECT_EQ(on.text(QStringLiteral("Label29")), QStringLiteral("="));
    EXPECT_EQ(on.app.page().placement(on.cell(3)), (TwipRect{7200, 3480, 1452, 612}));
    for (int label = 1; label <= 28; ++label)
        EXPECT_TRUE(on.text(QStringLiteral("Label%1").arg(label)).isEmpty()) << label;
    EXPECT_TRUE(on.enabled(kOk));
    EXPECT_FALSE(on.enabled(kCheck));
    EXPECT_FALSE(on.enabled(kEvaluate));
    EXPECT_FALSE(on.cell(0)->isEnabled());
    EXPECT_FALSE(on.screen().bar(0)->isVisible()) << "no bar without numbers";
}

TEST(DecimalFractionsScreen, ASeriesFromOkToTheGrade)
{
    DecimalApp on;
    on.present();
    EXPECT_EQ(on.app.board.presentedCount(kFamily), 1);
    EXPECT_EQ(on.text(QStringLiteral("Label3")), QStringLiteral("7"));
    EXPECT_EQ(on.text(QStringLiteral("Label2")), QString());
    EXPECT_EQ(on.text(QStringLiteral("Label7")), QStringLiteral("1")) << "125, hundreds";
    EXPECT_EQ(on.text(QStringLiteral("Label14")), QStringLiteral("1")) << "100, hundreds";
    EXPECT_EQ(on.text(QStringLiteral("Label13")), QString());
    EXPECT_EQ(on.text(QStringLiteral("Label25")), QStringLiteral("1")) << "1000, thousands";
    EXPECT_EQ(on.screen().bar(0)->from(), (TwipPoint{840, 2280}));
    EXPECT_EQ(on.screen().bar(3)->from(), (TwipPoint{4440, 4080}));
    EXPECT_EQ(on.screen().bar(3)->to(), (TwipPoint{6840, 4080}));
    EXPECT_TRUE(on.screen().bar(3)->isVisible());
    EXPECT_FALSE(on.enabled(kOk));
    EXPECT_FALSE(on.enabled(kCheck));

    on.answer({"0,07", "0,3", "12,5"});
    EXPECT_FALSE(on.enabled(kCheck));
    on.app.type(cellName(3), QStringLiteral("0,005"));
    EXPECT_EQ(on.cell(3)->text(), QStringLiteral("0,005")) << "the text is kept, key after key";
    EXPECT_TRUE(on.enabled(kCheck));
    on.app.click(kCheck);
    EXPECT_TRUE(on.enabled(kEvaluate));
    EXPECT_FALSE(on.enabled(kCheck));
    EXPECT_FALSE(on.cell(0)->isEnabled());
    EXPECT_TRUE(on.verdict()->text().isEmpty()) << "nothing is shown before the evaluation";

    on.app.click(kEvaluate);
    EXPECT_EQ(on.verdict()->text(), QStringLiteral("Va bene"));
    EXPECT_EQ(on.verdict()->textColour(), colour::Blue);
    EXPECT_EQ(on.app.board.grade(kFamily), 10);
    EXPECT_TRUE(on.enabled(kOk));
    EXPECT_TRUE(on.enabled(kCheck));
    EXPECT_FALSE(on.enabled(kEvaluate));
    EXPECT_TRUE(on.cell(0)->isEnabled());

    // A check after the evaluation marks again and counts nothing.
    on.app.type(cellName(1), QStringLiteral("\b4"));
    on.app.click(kCheck);
    EXPECT_TRUE(on.cell(1)->isMarkedWrong());
    EXPECT_FALSE(on.enabled(kEvaluate));
    EXPECT_EQ(on.screen().tally().evaluations(), 1);
}

TEST(DecimalFractionsScreen, AnswersAreEditedLikeTextWithinTheirLength)
{
    DecimalApp on;
    on.present();
    on.app.type(cellName(1), QStringLiteral("0,3"));
    EXPECT_EQ(on.cell(1)->text(), QStringLiteral("0,3"));
    on.app.type(cellName(1), QStringLiteral("0"));
    EXPECT_EQ(on.cell(1)->text(), QString()) << "0,30 is emptied as its fourth character is released";

    on.app.type(cellName(0), QStringLiteral("0.07"));
    EXPECT_EQ(on.cell(0)->text(), QStringLiteral("007")) << "the full stop is refused";
    on.cell(0)->clear();
    on.app.type(cellName(0), QStringLiteral("0,08"));
    on.app.key(cellName(0), Qt::Key_Backspace);
    on.app.type(cellName(0), QStringLiteral("7"));
    EXPECT_EQ(on.cell(0)->text(), QStringLiteral("0,07"));
    on.app.key(cellName(0), Qt::Key_Left);
    on.app.key(cellName(0), Qt::Key_Left);
    on.app.key(cellName(0), Qt::Key_Backspace);
    EXPECT_EQ(on.cell(0)->text(), QStringLiteral("007")) << "Backspace deletes where the cursor is";
    on.app.type(cellName(0), QStringLiteral(","));
    EXPECT_EQ(on.cell(0)->text(), QStringLiteral("0,07"));

    on.app.type(cellName(2), QStringLiteral("1:/5"));
    EXPECT_EQ(on.cell(2)->text(), QStringLiteral("1:/5")) << "\"/\" and \":\" pass the filter";
    // Holding a key down repeats presses without a release: the cell still
    // takes no more than one character past the answer.
    on.cell(3)->setFocus();
    for (int i = 0; i < 12; ++i)
        QTest::sendKeyEvent(QTest::KeyAction::Press, on.cell(3), Qt::Key_9, '9', Qt::NoModifier);
    EXPECT_EQ(on.cell(3)->text().size(), 6);
    QTest::sendKeyEvent(QTest::KeyAction::Release, on.cell(3), Qt::Key_9, '9', Qt::NoModifier);
    EXPECT_TRUE(on.cell(3)->text().isEmpty());

    on.app.click(kCheck);
    EXPECT_FALSE(on.enabled(kCheck)) << "a key in the last cell enabled the check";
    EXPECT_FALSE(on.cell(0)->isMarkedWrong());
    EXPECT_TRUE(on.cell(1)->isMarkedWrong()) << "an empty answer is wrong";
    EXPECT_EQ(on.cell(2)->background(), colour::White);
    EXPECT_EQ(on.cell(2)->textColour(), colour::Red);
    on.app.click(kEvaluate);
    EXPECT_EQ(on.verdict()->text(), QStringLiteral("Così non va bene!!!"));
    EXPECT_EQ(on.verdict()->textColour(), colour::Red);
    EXPECT_EQ(on.app.board.grade(kFamily), 5);
    on.app.type(cellName(2), QStringLiteral("\b"));
    EXPECT_FALSE(on.cell(2)->isMarkedWrong()) << "a key takes the mark away";
    EXPECT_EQ(on.cell(2)->text(), QStringLiteral("1:/"));
}

TEST(DecimalFractionsScreen, OneWrongAnswerIsShownBlueAndGradesSix)
{
    DecimalApp on;
    on.present();
    on.answer({",07", "0,3", "12,5", "0,005"});
    on.app.click(kCheck);
    EXPECT_TRUE(on.cell(0)->isMarkedWrong());
    on.app.click(kEvaluate);
    EXPECT_EQ(on.verdict()->text(), QStringLiteral("Sta' più attento!!!"));
    EXPECT_EQ(on.verdict()->textColour(), colour::Blue);
    EXPECT_EQ(on.app.board.grade(kFamily), 6);

    on.present();
    EXPECT_TRUE(on.verdict()->text().isEmpty());
    EXPECT_FALSE(on.cell(0)->isMarkedWrong());
    EXPECT_TRUE(on.cell(0)->text().isEmpty());
    on.answerRight();
    on.app.click(kCheck);
    on.app.click(kEvaluate);
    EXPECT_EQ(on.app.board.grade(kFamily), 8) << "(6 + 10) / 2";
}

TEST(DecimalFractionsScreen, ASeriesLeftUnevaluatedDoesNotSilenceTheNext)
{
    DecimalApp on;
    on.present();
    on.answerRight();
    on.leaveAndReturn();
    EXPECT_TRUE(on.text(QStringLiteral("Label3")).isEmpty());
    EXPECT_TRUE(on.cell(0)->text().isEmpty());
    EXPECT_FALSE(on.cell(0)->isEnabled());
    EXPECT_TRUE(on.enabled(kOk));

    on.present();
    EXPECT_EQ(on.app.board.presentedCount(kFamily), 2);
    on.answerRight();
    on.app.click(kCheck);
    on.app.click(kEvaluate);
    EXPECT_EQ(on.verdict()->text(), QStringLiteral("Va bene"));
    EXPECT_EQ(on.app.board.grade(kFamily), 10);

    on.present();
    on.answer({"0,7", "0,03", "12,5", "0,005"});
    on.app.click(kCheck);
    on.app.click(kEvaluate);
    EXPECT_EQ(on.verdict()->text(), QStringLiteral("Così non va bene!!!"));
    EXPECT_EQ(on.app.board.grade(kFamily), 7) << "grades 10 then 5";
    EXPECT_EQ(on.screen().tally().evaluations(), 2);
}

TEST(DecimalFractionsScreen, RandomInputKeepsEveryRule)
{
    DecimalApp on;
    std::mt19937 dice(6122026);
    const QString keys = QStringLiteral("0123456789,,,./:a<\b\b");
    int presented = 0;
    for (int step = 0; step < 800; ++step) {
        const int action = static_cast<int>(dice() % 12);
        if (action < 8) {
            const int item = static_cast<int>(dice() % 4);
            on.app.type(cellName(item), QString(keys[static_cast<int>(dice() % keys.size())]));
        } else if (action < 11) {
            const QString button = std::array{kOk, kCheck, kEvaluate}[dice() % 3];
            if (on.enabled(button))
                on.app.click(button);
        } else {
            on.leaveAndReturn();
        }
        const auto& exercise = on.screen().exercise();
        for (int item = 0; item < 4; ++item) {
            const QString text = on.cell(item)->text();
            ASSERT_LE(text.size(), exercise.presented() ? exercise.item(item).expectedLength() : 0)
                << text.toStdString();
            for (QChar c : text)
                ASSERT_TRUE(c.isDigit() || c == u',' || c == u'/' || c == u':') << text.toStdString();
        }
        ASSERT_GE(on.app.board.presentedCount(kFamily), presented);
        presented = on.app.board.presentedCount(kFamily);
        const int grade = on.app.board.grade(kFamily);
        ASSERT_TRUE(grade == 0 || (grade >= 5 && grade <= 10)) << grade;
        ASSERT_EQ(on.app.window.findChildren<Page*>().size(), 1);
    }
    EXPECT_GT(presented, 5);
    EXPECT_GT(on.screen().tally().evaluations(), 2);
}

}  // namespace
}  // namespace quillo::testing
