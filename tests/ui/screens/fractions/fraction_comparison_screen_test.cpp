#include "ui/screens/fractions/fraction_comparison_screen.h"
#include "ui/screens/fractions/fraction_comparison_layout.h"
#include "ui/toolkit/ruling.h"
#include "fraction_screens.h"
#include "support/fraction_scripts.h"

#include <QImage>

namespace quillo::testing {
namespace {

QString answerCell(int index) { return QStringLiteral("pair%1Sign").arg(index + 1); }

constexpr auto kFamily = ExerciseFamily::FractionComparison;

struct ComparisonApp : FractionScreenApp<FractionComparisonScreen> {
    ComparisonApp() : FractionScreenApp("fractionComparisonButton", screenOf(ExerciseFamily::FractionComparison), answerCell) {}
    // 3/7 5/7, 2/7 2/7, 9/7 1/7, 4/7 8/7: "<", "=", ">", "<".
    void presentSevenths()
    {
        scriptComparison(random, 1, {3, 5, 2, 2, 9, 1, 4, 8}, 1, 7, 1);
        click(kOk);
    }
    void signs(const char* signs) const
    {
        for (int pair = 0; signs[pair]; ++pair)
            type(pair, QByteArray(1, signs[pair]).constData());
    }
    int labelX(const char* name) const { return page().placement(find(QString::fromLatin1(name))).x; }
};

TEST(FractionComparisonScreen, FourSignsTypedCheckedAndEvaluated)
{
    ComparisonApp on;
    for (const auto* button : on.page().findChildren<Button*>())
        EXPECT_TRUE(button->toolTip().isEmpty()) << button->text().toStdString();
    EXPECT_FALSE(on.screen().bar(0)->isVisible()) << "no bar without numbers";
    EXPECT_EQ(on.cell(1)->accessibleName(), QStringLiteral("Segno della coppia 2"));

    // 5/437: the digit moves to the tens column, the cells to the wide gap.
    scriptComparison(on.random, 1, {5, 6, 1, 1, 3, 4, 8, 7}, 3, 437, 1);
    on.click(kOk);
    EXPECT_EQ(on.label(QStringLiteral("fraction1NumeratorDigit3")), QStringLiteral("5"));
    EXPECT_EQ(on.labelX("fraction1NumeratorDigit3"), 840);
    const LineShape* bar = on.screen().bar(0);
    EXPECT_EQ(bar->from().x - bar->reach(), 240) << "over all three columns";
    EXPECT_EQ(bar->from().y, 2280);
    EXPECT_EQ(on.page().placement(on.cell(1)), cellAt(6840, 1920));

    on.type(0, "<a");
    EXPECT_EQ(on.cell(0)->text(), QString()) << "only the three signs pass, each key replaces";
    on.signs("<=<");
    EXPECT_FALSE(on.enabled(kCheck));
    on.type(3, "x");
    EXPECT_TRUE(on.enabled(kCheck)) << "even a refused key in the last cell ends the series";
    on.signs("<=<<");
    on.click(kCheck);
    EXPECT_FALSE(on.cell(2)->isMarkedWrong());
    EXPECT_TRUE(on.cell(3)->isMarkedWrong());
    on.click(kEvaluate);
    EXPECT_EQ(on.verdict()->text(), QStringLiteral("Sta' più attento!!!"));
    EXPECT_EQ(on.verdict()->textColour(), colour::Red);
    EXPECT_EQ(on.board.grade(kFamily), 6);

    // One-digit numbers: the digit back in its column, no mark left over.
    on.presentSevenths();
    EXPECT_EQ(on.labelX("fraction1NumeratorDigit3"), 1440);
    EXPECT_FALSE(on.cell(3)->isMarkedWrong());
    on.signs("<=><");
    on.checkAndEvaluate();
    EXPECT_EQ(on.verdict()->text(), QStringLiteral("Va bene"));
    EXPECT_EQ(on.verdict()->textColour(), colour::Blue);
    EXPECT_EQ(on.board.grade(kFamily), 8) << "(6 + 10) / 2";
}

TEST(FractionComparisonScreen, BarsAndCellsFollowTheWiderNumber)
{
    using namespace fraction_comparison_layout;
    struct Row {
        int digits, barLeft, leftCell, rightCell;
    };
    for (const Row& row : {Row{1, 1440, 2640, 7440}, Row{2, 840, 2340, 7140}, Row{3, 240, 2040, 6840}}) {
        EXPECT_EQ(barLeft(0, row.digits), row.barLeft) << row.digits;
        EXPECT_EQ(barLeft(7, row.digits), row.barLeft + 7200) << row.digits;
        EXPECT_EQ(cellLeft(2, row.digits), row.leftCell) << row.digits;
        EXPECT_EQ(cellLeft(3, row.digits), row.rightCell) << row.digits;
    }
}

TEST(FractionComparisonScreen, AWrongSignKeepsTheRulingOfTheSquaresItStandsAcross)
{
    ComparisonApp on;
    // 12/45 against 12/18...: with two-digit numbers the first cell stands
    // across a column's line as well as a row's.
    scriptComparison(on.random, 2, {45, 18, 60, 60, 33, 71, 99, 10}, 2, 12, 2);
    on.click(kOk);
    on.signs(">=><");
    on.click(kCheck);
    ASSERT_TRUE(on.cell(0)->isMarkedWrong());
    Page& page = on.page();
    const QImage image = page.grab().toImage();
    // The pixel of the ruling's line nearest a point of it, counted along
    // `step`; -1 where no line shows.
    const auto ruled = [&](TwipPoint at, QPoint step) {
        const QPoint centre = page.toPixels(at).toPoint();
        for (int d : {0, -1, 1}) {
            const QPoint pixel = centre + d * step;
            if (image.pixelColor(pixel) == Ruling::colour())
                return QPoint::dotProduct(pixel, step);
        }
        return -1;
    };
    const TwipRect cell = page.placement(on.cell(0));
    ASSERT_EQ(cell, cellAt(2340, 1920));
    const int row = ruled({cell.x - 120, 2280}, {0, 1});
    const int column = ruled({2640, cell.y - 120}, {1, 0});
    ASSERT_TRUE(row >= 0 && column >= 0);
    // Either side of the sign, both lines run on through the white.
    for (int x : {cell.x + 90, cell.x + cell.width - 90})
        EXPECT_EQ(ruled({x, 2280}, {0, 1}), row) << x;
    for (int y : {cell.y + 90, cell.y + cell.height - 90})
        EXPECT_EQ(ruled({2640, y}, {1, 0}), column) << y;
    EXPECT_EQ(image.pixelColor(page.toPixels({cell.x + 90, cell.y + 90}).toPoint()), QColor(Qt::white));
}

}  // namespace
}  // namespace quillo::testing
