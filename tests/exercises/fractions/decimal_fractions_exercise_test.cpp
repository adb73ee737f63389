#include "exercises/fractions/decimal_fractions_exercise.h"

#include "app/evaluation_tally.h"
#include "app/score_board.h"
#include "fraction_scripts.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace quillo::testing {
namespace {

using Exercise = DecimalFractionsExercise;

Exercise forced(const std::array<int, 4>& numerators, const std::array<int, 4>& denominators)
{
    ScriptedRandom random;
    scriptDecimalSeries(random, numerators, denominators);
    Exercise exercise;
    exercise.newExercise(random);
    EXPECT_TRUE(random.exhausted());
    EXPECT_EQ(random.seeds(), 1);
    return exercise;
}

TEST(DecimalFractionsExercise, DecimalTextComesFromTheIntegers)
{
    struct Row {
        int numerator;
        int denominator;
        const char* text;
    };
    const Row rows[] = {
        {7, 100, "0,07"}, {30, 100, "0,3"},   {125, 10, "12,5"},  {5, 1000, "0,005"},
        {999, 1000, "0,999"}, {1, 10, "0,1"}, {999, 10, "99,9"}, {100, 1000, "0,1"},
        {101, 100, "1,01"}, {250, 1000, "0,25"}, {20, 10, "2"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Exercise::decimalText(row.numerator, row.denominator), row.text)
            << row.numerator << "/" << row.denominator;
}

TEST(DecimalFractionsExercise, ASeriesShowsItsDigitsAndBars)
{
    const Exercise series = forced({7, 30, 125, 5}, {100, 100, 10, 1000});
    EXPECT_EQ(series.item(0).denominator, 100) << "the third draw of the power is kept";
    EXPECT_EQ(series.item(2).denominator, 10);
    EXPECT_EQ(series.item(3).denominator, 1000);
    EXPECT_EQ(series.item(0).expectedText, "0,07");
    EXPECT_EQ(series.item(1).expectedText, "0,3");
    EXPECT_EQ(series.item(1).expectedLength(), 3);
    EXPECT_EQ(series.item(2).expectedText, "12,5");
    EXPECT_EQ(series.item(3).expectedLength(), 5);

    using Three = std::array<std::string, 3>;
    using Four = std::array<std::string, 4>;
    EXPECT_EQ(series.numeratorColumns(0), (Three{"", "", "7"}));
    EXPECT_EQ(series.numeratorColumns(2), (Three{"1", "2", "5"}));
    EXPECT_EQ(series.denominatorColumns(1), (Four{"", "1", "0", "0"}));
    EXPECT_EQ(series.denominatorColumns(3), (Four{"1", "0", "0", "0"}));

    EXPECT_EQ(series.barLeft(0), 840);
    EXPECT_EQ(series.barLeft(1), 5040);
    EXPECT_EQ(series.barLeft(2), 840) << "three numerator digits over 10";
    EXPECT_EQ(series.barLeft(3), 4440);
    EXPECT_EQ(Exercise::barRight(2), 2640);
    EXPECT_EQ(Exercise::barRight(3), 6840);

    const Exercise tens = forced({3, 47, 1, 9}, {10, 10, 100, 1000});
    EXPECT_EQ(tens.barLeft(0), 1440) << "one digit over 10";
    EXPECT_EQ(tens.barLeft(1), 5040) << "two digits over 10";
}

TEST(DecimalFractionsExercise, ASeriesWithAWholeQuotientIsDrawnAgainWhole)
{
    ScriptedRandom random;
    scriptDecimalSeries(random, {7, 20, 3, 4}, {100, 10, 10, 10});
    scriptDecimalSeries(random, {300, 8, 9, 11}, {100, 1000, 1000, 1000});
    scriptDecimalSeries(random, {21, 22, 23, 24}, {10, 100, 1000, 10});
    Exercise exercise;
    exercise.newExercise(random);
    EXPECT_TRUE(random.exhausted());
    EXPECT_EQ(random.seeds(), 1) << "redrawing does not seed again";
    EXPECT_EQ(exercise.item(0).numerator, 21);
    EXPECT_EQ(exercise.item(3).expectedText, "2,4");
}

TEST(DecimalFractionsExercise, LongAnswersAndTheCheck)
{
    Exercise series = forced({7, 30, 125, 5}, {100, 100, 10, 1000});
    EXPECT_FALSE(series.tooLong(1, "0,3"));
    EXPECT_TRUE(series.tooLong(1, "0,30"));
    EXPECT_FALSE(series.tooLong(3, "0,005"));
    EXPECT_TRUE(series.tooLong(0, "0,070"));

    EXPECT_EQ(series.check({"0,07", "0,3", "12,5", "0,005"}), (Exercise::Marks{}));
    EXPECT_EQ(series.checking().verdict(), VerdictWord::AllRight);
    EXPECT_EQ(series.checking().grade(), 10);
    EXPECT_FALSE(series.verdictNegative());

    series = forced({7, 30, 125, 5}, {100, 100, 10, 1000});
    EXPECT_EQ(series.check({",07", "0,3", "12,5", "0,005"}), (Exercise::Marks{true, false, false, false}));
    EXPECT_EQ(series.checking().verdict(), VerdictWord::BeCareful);
    EXPECT_EQ(series.checking().grade(), 6);
    EXPECT_FALSE(series.verdictNegative()) << "one error still shows blue here";

    series = forced({7, 30, 125, 5}, {100, 100, 10, 1000});
    const auto marks = series.check({"0,07", "0/3", "", "0,005"});
    EXPECT_EQ(marks, (Exercise::Marks{false, true, true, false}));
    EXPECT_EQ(series.checking().verdict(), VerdictWord::NotGood);
    EXPECT_EQ(series.checking().grade(), 5);
    EXPECT_TRUE(series.verdictNegative());
    series.check({"0,07", "0,3", "12,5", "0,005"});
    EXPECT_EQ(series.checking().errors(), 2) << "a later check counts nothing";
    EXPECT_EQ(series.checking().grade(), 5);
}

TEST(DecimalFractionsExercise, GradesTenThenFiveMakeSeven)
{
    ScoreBoard board;
    EvaluationTally tally;
    Exercise exercise;
    for (const char* answer : {"0,3", "3"}) {
        ScriptedRandom random;
        scriptDecimalSeries(random, {3, 3, 3, 3}, {10, 10, 10, 10});
        recordPresented(board, ExerciseFamily::DecimalFractions, tally);
        exercise.newExercise(random);
        exercise.check({answer, answer, "0,3", "0,3"});
        recordEvaluation(board, ExerciseFamily::DecimalFractions, tally, exercise.checking().grade());
        if (std::string(answer) == "0,3") {
            EXPECT_EQ(board.grade(ExerciseFamily::DecimalFractions), 10);
        }
    }
    EXPECT_EQ(board.grade(ExerciseFamily::DecimalFractions), 7);
}

// Reads a decimal text back and tells whether it equals n / d exactly.
bool readsBackAs(const std::string& text, int numerator, int denominator)
{
    const auto comma = text.find(',');
    if (comma == std::string::npos || comma == 0 || comma + 1 == text.size())
        return false;
    long long whole = 0;
    for (std::size_t i = 0; i < comma; ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        whole = whole * 10 + (text[i] - '0');
    }
    long long decimals = 0;
    long long scale = 1;
    for (std::size_t i = comma + 1; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9')
            return false;
        decimals = decimals * 10 + (text[i] - '0');
        scale *= 10;
    }
    if (text.back() == '0' || (comma > 1 && text.front() == '0'))
        return false;
    // whole + decimals / scale == numerator / denominator
    return (whole * scale + decimals) * denominator == 1LL * numerator * scale;
}

TEST(DecimalFractionsExercise, ManyDrawsReadBackExactly)
{
    ClockRandom random;
    Exercise exercise;
    std::set<int> denominators;
    for (int run = 0; run < 3000; ++run) {
        random.seed(static_cast<std::uint64_t>(run) * 104729u + 3u);
        exercise.newExercise(random);
        for (int index = 0; index < 4; ++index) {
            const DecimalFraction& item = exercise.item(index);
            denominators.insert(item.denominator);
            ASSERT_GE(item.numerator, 1);
            ASSERT_LE(item.numerator, 999);
            ASSERT_NE(item.numerator % item.denominator, 0) << "no whole quotient is ever shown";
            ASSERT_TRUE(readsBackAs(item.expectedText, item.numerator, item.denominator))
                << item.numerator << "/" << item.denominator << " -> " << item.expectedText;
            ASSERT_GE(item.expectedLength(), 3);
            ASSERT_LE(item.expectedLength(), 5);
            // The bar reaches over every digit of both numbers.
            const int leftmost = 600 * static_cast<int>(std::max(std::to_string(item.numerator).size(),
                                                                 std::to_string(item.denominator).size()));
            ASSERT_LE(exercise.barLeft(index), Exercise::barRight(index) - leftmost);
        }
    }
    EXPECT_EQ(denominators, (std::set<int>{10, 100, 1000}));
}

}  // namespace
}  // namespace quillo::testing
