#include "support/decimals_script.h"
#include "core/exercises/decimals/decimal_comparison/decimal_comparison_exercise.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace quillo {
namespace {

using DC = DecimalComparisonExercise;
using testing::scriptDecimalNumber;

TEST(DecimalComparisonExercise, ShortestTextsRelationsAndGrades)
{
    const std::pair<DecimalNumber, const char*> texts[] = {
        {{457, 2}, "4,57"}, {{450, 2}, "4,5"}, {{400, 2}, "4"}, {{7, 3}, "0,007"}, {{100001, 3}, "100,001"}};
    for (const auto& [number, text] : texts)
        EXPECT_EQ(decimalText(number), text) << number.mantissa << "/" << number.decimals;

    ScriptedRandom random;
    for (auto [mantissa, decimals] : {std::pair{123, 1}, {1230, 2}, {9, 1}, {123, 3}, {400, 2}, {457, 2}})
        scriptDecimalNumber(random, mantissa, decimals);
    DC exercise;
    exercise.newExercise(random);
    ASSERT_TRUE(random.exhausted());
    EXPECT_EQ(exercise.expected(0), "=") << "12,3 against 12,30";
    EXPECT_EQ(exercise.expected(1), ">") << "0,9 against 0,123";
    EXPECT_EQ(exercise.expected(2), "<") << "4 against 4,57";
    // A letter is an answer like any other, and a wrong one; only the first
    // check counts.
    EXPECT_EQ(exercise.check({"=", ">", "x"}), (DC::Marking{false, false, true}));
    EXPECT_EQ(exercise.check({"=", ">", "<"}), DC::Marking{});
    EXPECT_EQ(exercise.errorCount(), 1);
    EXPECT_EQ(exercise.grade(), 6);
}

// Every pair's sign is worked again from the printed texts on every sheet's
// key; here the draws' shapes, and no power of ten.
TEST(DecimalComparisonExercise, ManyDrawsTakeEveryShapeButNoPowerOfTen)
{
    ClockRandom random;
    random.seed(20261206);
    DC exercise;
    std::set<std::pair<std::size_t, int>> shapes;
    for (int round = 0; round < 3000; ++round) {
        exercise.newExercise(random);
        for (int pair = 0; pair < DC::kPairs; ++pair) {
            for (const DecimalNumber& number : {exercise.left(pair), exercise.right(pair)}) {
                const std::string digits = std::to_string(number.mantissa);
                shapes.insert({digits.size(), number.decimals});
                ASSERT_TRUE(digits.size() == 1 || digits != "1" + std::string(digits.size() - 1, '0'))
                    << "a power of ten is never drawn: " << digits;
                ASSERT_LE(decimalText(number).size(), 7u) << decimalText(number);
            }
        }
    }
    EXPECT_EQ(shapes.size(), 18u) << "every count of digits comes with every count of decimals";
}

}  // namespace
}  // namespace quillo
