#include "exercises/decimals/decimal_comparison_exercise.h"
#include "kit/random_source.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace quillo {
namespace {

// Scripts one number the way the exercise draws it: digits, decimals, mantissa.
void script(ScriptedRandom& random, int digits, int decimals, int mantissa)
{
    random.push(drawing(digits, 1, 6));
    random.push(drawing(decimals, 1, 3));
    int power = 1;
    for (int d = 1; d < digits; ++d)
        power *= 10;
    const int top = power * 10 - 1;
    const int bottom = digits == 1 ? 1 : power + 1;
    random.push(drawing(mantissa, bottom, top));
}

TEST(DecimalComparisonExercise, TextIsTheShortestFormWithTheComma)
{
    struct Row {
        long long mantissa;
        int decimals;
        const char* text;
    };
    for (const Row& row : {Row{457, 2, "4,57"}, Row{450, 2, "4,5"}, Row{400, 2, "4"}, Row{7, 3, "0,007"},
                           Row{123, 1, "12,3"}, Row{1230, 2, "12,3"}, Row{9, 1, "0,9"}, Row{999999, 1, "99999,9"},
                           Row{999999, 3, "999,999"}, Row{100001, 3, "100,001"}, Row{20, 1, "2"}}) {
        EXPECT_EQ(decimalText({row.mantissa, row.decimals}), row.text) << row.mantissa << "/" << row.decimals;
    }
}

TEST(DecimalComparisonExercise, ForcedPairsExpectTheRelationOfTheirValues)
{
    ScriptedRandom random;
    script(random, 3, 1, 123);   // 12,3
    script(random, 4, 2, 1230);  // 12,30 shown as 12,3
    script(random, 1, 1, 9);     // 0,9
    script(random, 3, 3, 123);   // 0,123: longer text, smaller value
    script(random, 3, 2, 400);   // 4
    script(random, 3, 2, 457);   // 4,57
    DecimalComparisonExercise exercise;
    exercise.newExercise(random);
    EXPECT_TRUE(random.exhausted());

    EXPECT_EQ(decimalText(exercise.left(0)), "12,3");
    EXPECT_EQ(decimalText(exercise.right(0)), "12,3");
    EXPECT_EQ(exercise.expected(0), "=");
    EXPECT_EQ(decimalText(exercise.left(1)), "0,9");
    EXPECT_EQ(decimalText(exercise.right(1)), "0,123");
    EXPECT_EQ(exercise.expected(1), ">");
    EXPECT_EQ(decimalText(exercise.left(2)), "4");
    EXPECT_EQ(decimalText(exercise.right(2)), "4,57");
    EXPECT_EQ(exercise.expected(2), "<");

    // A letter is an answer like any other, and a wrong one.
    auto marking = exercise.check({"=", ">", "x"});
    EXPECT_EQ(marking, (DecimalComparisonExercise::Marking{false, false, true}));
    EXPECT_EQ(exercise.errorCount(), 1);
    EXPECT_EQ(exercise.verdict(), VerdictWord::BeCareful);
    EXPECT_EQ(exercise.grade(), 6);

    // Later checks mark again but keep the first count.
    marking = exercise.check({"=", ">", "<"});
    EXPECT_EQ(marking, (DecimalComparisonExercise::Marking{false, false, false}));
    EXPECT_EQ(exercise.checksDone(), 2);
    EXPECT_EQ(exercise.errorCount(), 1);

    // A new exercise starts counting afresh; empty answers are wrong.
    exercise.newExercise(random);
    EXPECT_EQ(exercise.checksDone(), 0);
    exercise.check({"", "", ""});
    EXPECT_EQ(exercise.errorCount(), 3);
    EXPECT_EQ(exercise.verdict(), VerdictWord::NotGood);
    EXPECT_EQ(exercise.grade(), 5);
}

TEST(DecimalComparisonExercise, VerdictsByErrors)
{
    EXPECT_EQ(DecimalComparisonExercise::verdictFor(0), VerdictWord::AllRight);
    EXPECT_EQ(DecimalComparisonExercise::verdictFor(1), VerdictWord::BeCareful);
    EXPECT_EQ(DecimalComparisonExercise::verdictFor(2), VerdictWord::NotGood);
    EXPECT_EQ(DecimalComparisonExercise::verdictFor(3), VerdictWord::NotGood);
    EXPECT_EQ(usualGrade(DecimalComparisonExercise::verdictFor(0)), 10);
}

// The value of a text in thousandths, read digit by digit; fails the test on
// anything but the shortest comma form.
long long thousandthsOf(const std::string& text)
{
    const auto comma = text.find(',');
    const std::string whole = text.substr(0, comma);
    const std::string fraction = comma == std::string::npos ? "" : text.substr(comma + 1);
    EXPECT_FALSE(whole.empty()) << text;
    EXPECT_TRUE(whole == "0" || whole.front() != '0') << text;
    EXPECT_LE(fraction.size(), 3u) << text;
    if (comma != std::string::npos) {
        EXPECT_TRUE(!fraction.empty() && fraction.back() != '0') << text;
    }
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
    std::set<int> lengths;
    std::set<int> decimals;
    for (int round = 0; round < 3000; ++round) {
        exercise.newExercise(random);
        for (int pair = 0; pair < DecimalComparisonExercise::kPairs; ++pair) {
            long long values[2] = {};
            int side = 0;
            for (DecimalNumber number : {exercise.left(pair), exercise.right(pair)}) {
                const std::string digits = std::to_string(number.mantissa);
                lengths.insert(static_cast<int>(digits.size()));
                decimals.insert(number.decimals);
                ASSERT_TRUE(number.decimals >= 1 && number.decimals <= 3);
                ASSERT_GT(number.mantissa, 0);
                ASSERT_TRUE(digits.size() == 1 || digits != "1" + std::string(digits.size() - 1, '0'))
                    << "a power of ten is never drawn: " << digits;
                const std::string text = decimalText(number);
                ASSERT_LE(text.size(), static_cast<std::size_t>(DecimalComparisonExercise::kLongestText));
                long long scaled = number.mantissa;
                for (int d = number.decimals; d < 3; ++d)
                    scaled *= 10;
                values[side] = thousandthsOf(text);
                ASSERT_EQ(values[side], scaled) << text;
                ++side;
            }
            const char* relation = values[0] < values[1] ? "<" : (values[0] > values[1] ? ">" : "=");
            ASSERT_EQ(exercise.expected(pair), relation);
        }
    }
    EXPECT_EQ(lengths, (std::set<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(decimals, (std::set<int>{1, 2, 3}));
}

}  // namespace
}  // namespace quillo
