#include "decimals_app.h"
#include "support/decimals_script.h"

#include <gtest/gtest.h>

namespace quillo::testing {
namespace {

TEST(DecimalComparisonScreen, ThreeRelationsTypedCheckedAndGraded)
{
    DecimalsApp on("decimalComparisonButton");
    for (auto [mantissa, decimals] : {std::pair{123, 1}, {1230, 2}, {9, 1}, {123, 3}, {400, 2}, {457, 2}})
        scriptDecimalNumber(on.random, mantissa, decimals);
    on.click(kOk);
    EXPECT_EQ(on.random.seeds(), 1) << "every new exercise reseeds from the clock";
    EXPECT_EQ(on.cell(QStringLiteral("pair%1Sign").arg(2))->accessibleName(), QStringLiteral("Segno della coppia 2"));
    EXPECT_EQ(on.row(1), QStringLiteral("   12,3|12,3   "));
    EXPECT_EQ(on.row(2), QStringLiteral("    0,9|0,123  "));
    EXPECT_EQ(on.row(3), QStringLiteral("      4|4,57   "));

    on.type(QStringLiteral("pair1Sign"), "<x=");
    EXPECT_EQ(on.cell(QStringLiteral("pair%1Sign").arg(1))->text(), QStringLiteral("=")) << "each key replaces the box's content, whatever the key";
    on.type(QStringLiteral("pair2Sign"), ">");
    EXPECT_EQ(on.buttons(), QStringLiteral("---"));
    on.type(QStringLiteral("pair3Sign"), "x");
    EXPECT_EQ(on.buttons(), QStringLiteral("-C-"));
    on.click(kCheck);
    for (int pair = 1; pair <= 3; ++pair)
        EXPECT_EQ(on.cell(QStringLiteral("pair%1Sign").arg(pair))->isMarkedWrong(), pair == 3) << "a letter is an error";
    on.click(kEvaluate);
    EXPECT_EQ(on.verdict()->text(), QStringLiteral("Sta' più attento!!!"));
    EXPECT_EQ(on.board.grade(ExerciseFamily::DecimalComparison), 6);
    EXPECT_EQ(on.buttons(), QStringLiteral("OC-"));
}

}  // namespace
}  // namespace quillo::testing
