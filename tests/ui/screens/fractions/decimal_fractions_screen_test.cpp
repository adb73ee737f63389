#include "ui/screens/fractions/decimal_fractions_screen.h"
#include "fraction_screens.h"
#include "support/fraction_scripts.h"

namespace quillo::testing {
namespace {

QString answerCell(int index) { return QStringLiteral("decimalNumber%1").arg(index + 1); }

constexpr auto kFamily = ExerciseFamily::DecimalFractions;

struct DecimalApp : FractionScreenApp<DecimalFractionsScreen> {
    DecimalApp() : FractionScreenApp("decimalFractionsButton", screenOf(ExerciseFamily::DecimalFractions), answerCell) {}
    // 7/100, 30/100, 125/10, 5/1000: "0,07", "0,3", "12,5", "0,005".
    void present()
    {
        scriptDecimalSeries(random, {7, 30, 125, 5}, {100, 100, 10, 1000});
        click(kOk);
    }
};

TEST(DecimalFractionsScreen, FromOkToTheGradeEditingTheAnswers)
{
    DecimalApp on;
    EXPECT_EQ(on.find<Button>(kCheck)->text(), QStringLiteral("controllo"));
    EXPECT_EQ(on.cell(1)->accessibleName(), QStringLiteral("Numero decimale 2"));

    on.present();
    EXPECT_EQ(on.label(QStringLiteral("fraction3NumeratorDigit1")), QStringLiteral("1")) << "125, hundreds";
    EXPECT_EQ(on.label(QStringLiteral("fraction4DenominatorDigit1")), QStringLiteral("1")) << "1000, thousands";
    const LineShape* bar = on.screen().bar(3);
    EXPECT_EQ(bar->from().x - bar->reach(), 4440) << "over the four digits of 1000";
    EXPECT_EQ(bar->from().y, 4080);

    on.type(1, "0,30");
    EXPECT_EQ(on.cell(1)->text(), QString()) << "0,30 is emptied as its fourth character is released";
    on.type(0, "0.08\b7");
    EXPECT_EQ(on.cell(0)->text(), QStringLiteral("007")) << "the full stop is refused, Backspace deletes";
    on.key(answerCell(0), Qt::Key_Left);
    on.key(answerCell(0), Qt::Key_Left);
    on.type(0, ",");
    EXPECT_EQ(on.cell(0)->text(), QStringLiteral("0,07")) << "the answer is edited where the cursor is";
    on.type(2, "1:/5");
    EXPECT_EQ(on.cell(2)->text(), QStringLiteral("1:/5"));
    EXPECT_FALSE(on.enabled(kCheck));
    on.answer({"0,3"}, 1);
    on.answer({"0,005"}, 3);
    EXPECT_TRUE(on.enabled(kCheck)) << "a key in the last cell";
    on.click(kCheck);
    EXPECT_TRUE(on.cell(2)->isMarkedWrong()) << "\"/\" and \":\" pass the filter but make it wrong";
    EXPECT_FALSE(on.cell(0)->isMarkedWrong());
    on.click(kEvaluate);
    EXPECT_EQ(on.verdict()->text(), QStringLiteral("Sta' più attento!!!"));
    EXPECT_EQ(on.verdict()->textColour(), colour::Blue) << "grade 6 is not shown red here";
    EXPECT_EQ(on.board.grade(kFamily), 6);

    // Two wrong answers show red: (6 + 5) / 2.
    on.present();
    on.answer({"0,7", "0,03", "12,5", "0,005"});
    on.checkAndEvaluate();
    EXPECT_EQ(on.verdict()->text(), QStringLiteral("Così non va bene!!!"));
    EXPECT_EQ(on.verdict()->textColour(), colour::Red);
    EXPECT_EQ(on.board.grade(kFamily), 5);
}

}  // namespace
}  // namespace quillo::testing
