#include "ui/screens/fractions/fraction_kinds_screen.h"
#include "fraction_screens.h"

namespace quillo::testing {
namespace {

QString answerCell(int index) { return QStringLiteral("fraction%1Kind").arg(index + 1); }

constexpr auto F = ExerciseFamily::FractionKinds;

struct KindsApp : FractionScreenApp<FractionKindsScreen> {
    KindsApp() : FractionScreenApp("fractionKindsButton", screenOf(ExerciseFamily::FractionKinds), answerCell) {}
    // 12/4, 7/7, 5/1, 3/8, 9/4, 7/12, 99/1, 1/99, 98/49, 50/49: "aaapipapai".
    void present()
    {
        for (int n : {12, 7, 5, 3, 9, 7, 99, 1, 98, 50})
            random.push(drawing(n, 1, 99));
        for (int d : {4, 7, 1, 8, 4, 12, 1, 99, 49, 49})
            random.push(drawing(d, 1, 99));
        click(kOk);
    }
};

TEST(FractionKindsScreen, TenLettersTypedCheckedAndEvaluated)
{
    KindsApp on;
    EXPECT_FALSE(on.cell(0)->isEnabled() || on.enabled(kCheck));
    EXPECT_EQ(on.cell(3)->accessibleName(), QStringLiteral("Tipo della frazione 4"));
    on.present();
    EXPECT_FALSE(on.enabled(kOk) || on.enabled(kCheck));
    // 12/4 in the first column; no tens over the 7 of 7/12.
    EXPECT_EQ(on.label(QStringLiteral("fraction1NumeratorTens")), QStringLiteral("1"));
    EXPECT_EQ(on.label(QStringLiteral("fraction1NumeratorUnits")), QStringLiteral("2"));
    EXPECT_EQ(on.label(QStringLiteral("fraction6NumeratorTens")), QString());
    EXPECT_EQ(on.label(QStringLiteral("fraction6NumeratorUnits")), QStringLiteral("7"));
    const LineShape* bar = on.screen().bar(3);
    EXPECT_EQ(bar->from().x - bar->reach(), 240 + 3 * 1800 + 600) << "3/8: units column only";
    EXPECT_EQ(bar->from().y, 1680);

    on.type(0, "P");
    EXPECT_EQ(on.cell(0)->text(), QString()) << "capital letters are refused";
    // The right letters, the first three of them an "x": 7 right.
    for (int i = 0; i < 10; ++i)
        on.type(answerCell(i), QString(QLatin1Char(i < 3 ? 'x' : "aaapipapai"[i])));
    EXPECT_EQ(on.cell(0)->text(), QString()) << "x is refused too";
    EXPECT_EQ(on.cell(3)->text(), QStringLiteral("p"));
    on.click(kCheck);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(on.cell(i)->isMarkedWrong(), i < 3) << i;
    EXPECT_FALSE(on.enabled(kCheck) || on.cell(3)->isEnabled() || on.enabled(kOk));
    on.click(kEvaluate);
    EXPECT_EQ(on.verdict()->text(), QStringLiteral("Buono"));
    EXPECT_EQ(on.board.grade(F), 7);
    EXPECT_TRUE(on.enabled(kOk) && on.enabled(kCheck));

    on.type(0, "a");
    on.click(kCheck);
    EXPECT_FALSE(on.cell(0)->isMarkedWrong());
    EXPECT_TRUE(on.cell(1)->isMarkedWrong()) << "a later check marks again...";
    EXPECT_FALSE(on.enabled(kEvaluate)) << "...but grades nothing";

    on.present();
    EXPECT_FALSE(on.cell(1)->isMarkedWrong()) << "no mark survives into a new group";
}

}  // namespace
}  // namespace quillo::testing
