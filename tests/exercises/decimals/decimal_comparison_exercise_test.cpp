#include "exercises/decimals/decimal_comparison_exercise.h"
#include "decimals_script.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace quillo {
namespace {

using testing::scriptDecimalNumber;

TEST(DecimalComparisonExercise, TextIsTheShortestFormWithTheComma)
{
    const std::pair<DecimalNumber, const char*> rows[] = {
        {{457, 2}, "4,57"}, {{450, 2}, "4,5"},         {{400, 2}, "4"},           {{7, 3}, "0,007"},
        {{1230, 2}, "12,3"}, {{999999, 1}, "99999,9"}, {{100001, 3}, "100,001"}, {{20, 1}, "2"}};
    for (const auto& [number, text] : rows)
        EXPECT_EQ(decimalText(number), text) << number.mantissa << "/" << number.decimals;
}

TEST(DecimalComparisonExercise, RelationsByValueCheckedOnceAndGraded)
{
    ScriptedRandom random;
    for (auto [mantissa, decimals] : {std::pair{123, 1}, {1230, 2}, {9, 1}, {123, 3}, {400, 2}, {457, 2}})
        scriptDecimalNumber(random, mantissa, decimals);
    DecimalComparisonExercise exercise;
    exercise.newExercise(random);
    ASSERT_TRUE(random.exhausted());
    EXPECT_EQ(decimalText(exercise.right(0)), "12,3");
    EXPECT_EQ(exercise.expected(0), "=") << "12,3 against 12,30";
    EXPECT_EQ(exercise.expected(1), ">") << "0,9 against 0,123";
    EXPECT_EQ(exercise.expected(2), "<") << "4 against 4,57";

    // A letter is an answer like any other, and a wrong one.
    EXPECT_EQ(exercise.check({"=", ">", "x"}), (DecimalComparisonExercise::Marking{false, false, true}));
    EXPECT_EQ(exercise.errorCount(), 1);
    EXPECT_EQ(exercise.verdict(), VerdictWord::BeCareful);
    EXPECT_EQ(exercise.grade(), 6);
    // Later checks mark again but keep the first count.
    EXPECT_EQ(exercise.check({"=", ">", "<"}), (DecimalComparisonExercise::Marking{}));
    EXPECT_EQ(exercise.errorCount(), 1);

    exercise.newExercise(random);
    EXPECT_EQ(exercise.checksDone(), 0);
    exercise.check({"", "=", "<"});
    EXPECT_EQ(exercise.errorCount(), 2);
    EXPECT_EQ(exercise.verdict(), VerdictWord::NotGood);
    EXPECT_EQ(exercise.grade(), 5);

    const VerdictWord byErrors[] = {VerdictWord::AllRight, VerdictWord::BeCareful, VerdictWord::NotGood,
                                    VerdictWord::NotGood};
    for (int errors = 0; errors <= 3; ++errors)
        EXPECT_EQ(DecimalComparisonExercise::verdictFor(errors), byErrors[errors]) << errors;
    EXPECT_EQ(usualGrade(VerdictWord::AllRight), 10);
}

// The value of a text in thousandths, read digit by digit; fails the test on
// anything but the shortest comma form.
long long thousandthsOf(const std::string& text)
{
    const auto comma = text.find(',');
    const std::string whole = text.substr(0, comma);
    const std::string fraction = comma == std::string::npos ? "" : text.substr(comma + 1);
    EXPECT_TRUE(whole == "0" || (!whole.empty() && whole.front() != '0')) << text;
    EXPECT_TRUE(comma == std::string::npos || (!fraction.empty() && fraction.back() != '0')) << text;
    EXPECT_LE(fraction.size(), 3u) << text;
    long long value = 0;
    for (char c : whole + fraction + std::string(3 - std::min<std::size_t>(3, fraction.size()), '0')) {
        EXPECT_TRUE(c >= '0' && c <= '9') << text;
        value = value * 10 + (c - '0');
    }
    return value;
}

TEST(DecimalComparisonExercise, ManyDrawsReadBackExactlyAndCompareByValue)
{
    ClockRandom random;
    random.seed(20261206);
    DecimalComparisonExercise exercise;
    std::set<std::pair<std::size_t, int>> shapes;
    for (int round = 0; round < 3000; ++round) {
        exercise.newExercise(random);
        for (int pair = 0; pair < DecimalComparisonExercise::kPairs; ++pair) {
            long long values[2] = {};
            for (int side = 0; side < 2; ++side) {
                const DecimalNumber number = side == 0 ? exercise.left(pair) : exercise.right(pair);
                const std::string digits = std::to_string(number.mantissa);
                shapes.insert({digits.size(), number.decimals});
                ASSERT_TRUE(number.mantissa > 0 && number.decimals >= 1 && number.decimals <= 3);
                ASSERT_TRUE(digits.size() == 1 || digits != "1" + std::string(digits.size() - 1, '0'))
                    << "a power of ten is never drawn: " << digits;
                const std::string text = decimalText(number);
                ASSERT_LE(text.size(), static_cast<std::size_t>(DecimalComparisonExercise::kLongestText));
                long long scaled = number.mantissa;
                for (int d = number.decimals; d < 3; ++d)
                    scaled *= 10;
                values[side] = thousandthsOf(text);
                ASSERT_EQ(values[side], scaled) << text;
            }
            const char* relation = values[0] < values[1] ? "<" : (values[0] > values[1] ? ">" : "=");
            ASSERT_EQ(exercise.expected(pair), relation);
        }
    }
    EXPECT_EQ(shapes.size(), 18u) << "every count of digits comes with every count of decimals";
}

}  // namespace
}  // namespace quillo
