#include "core/exercises/fractions/decimal_fractions/decimal_fractions_exercise.h"

#include "support/fraction_scripts.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace quillo::testing {
namespace {

using Exercise = DecimalFractionsExercise;

TEST(DecimalFractionsExercise, DecimalTextComesFromTheIntegers)
{
    const std::tuple<int, int, const char*> rows[] = {{7, 100, "0,07"},  {30, 100, "0,3"},   {125, 10, "12,5"},
                                                      {5, 1000, "0,005"}, {999, 1000, "0,999"}, {101, 100, "1,01"}};
    for (const auto& [numerator, denominator, text] : rows)
        EXPECT_EQ(Exercise::decimalText(numerator, denominator), text) << numerator << "/" << denominator;
}

TEST(DecimalFractionsExercise, ASeriesWithAWholeQuotientIsDrawnAgainWhole)
{
    ScriptedRandom random;
    scriptDecimalSeries(random, {7, 20, 3, 4}, {100, 10, 10, 10});
    scriptDecimalSeries(random, {300, 8, 9, 11}, {100, 1000, 1000, 1000});
    scriptDecimalSeries(random, {7, 30, 125, 5}, {100, 100, 10, 1000});
    Exercise series;
    series.newExercise(random);
    EXPECT_TRUE(random.exhausted());
    EXPECT_EQ(series.item(0).denominator, 100) << "the third draw of the power is kept";
    EXPECT_EQ(series.item(2).expectedText, "12,5");
    EXPECT_EQ(series.item(3).expectedLength(), 5);
    EXPECT_EQ(series.numeratorColumns(2), (std::array<std::string, 3>{"1", "2", "5"}));
    EXPECT_EQ(series.denominatorColumns(1), (std::array<std::string, 4>{"", "1", "0", "0"}));
    // Bars start by digit counts: over 100 from the hundreds, three digits
    // over 10 likewise, over 1000 from the thousands, one digit over 10 alone.
    EXPECT_EQ((std::array{series.barColumns(0), series.barColumns(1), series.barColumns(2), series.barColumns(3)}),
              (std::array{3, 3, 3, 4}));
    scriptDecimalSeries(random, {3, 47, 1, 9}, {10, 10, 100, 1000});
    series.newExercise(random);
    EXPECT_EQ(series.barColumns(0), 2);
    EXPECT_EQ(series.barColumns(1), 3);
}

// Every answer is read back against its fraction on every sheet's key, where
// a whole quotient would have no comma; here every power of ten comes up and
// every answer fits its cells.
TEST(DecimalFractionsExercise, ManyDrawsUseEveryPowerAndFitTheirCells)
{
    ClockRandom random;
    Exercise exercise;
    std::set<int> denominators;
    for (int run = 0; run < 3000; ++run) {
        exercise.newExercise(random);
        for (int index = 0; index < 4; ++index) {
            const DecimalFraction& item = exercise.item(index);
            denominators.insert(item.denominator);
            ASSERT_TRUE(item.expectedLength() >= 3 && item.expectedLength() <= 5) << item.expectedText;
        }
    }
    EXPECT_EQ(denominators, (std::set<int>{10, 100, 1000}));
}

}  // namespace
}  // namespace quillo::testing
