#include "exercises/fractions/fraction_comparison_exercise.h"

#include "app/evaluation_tally.h"
#include "app/score_board.h"
#include "fraction_scripts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace quillo::testing {
namespace {

using Exercise = FractionComparisonExercise;
using Columns = Exercise::Columns;

Exercise forced(int length, const std::array<int, 8>& numbers, int range, int common, int mode)
{
    ScriptedRandom random;
    scriptComparison(random, length, numbers, range, common, mode);
    Exercise exercise;
    exercise.newExercise(random);
    EXPECT_TRUE(random.exhausted()) << "every scripted draw is used";
    EXPECT_EQ(random.seeds(), 1) << "each exercise seeds from the clock once";
    return exercise;
}

std::array<std::string, 4> relations(const Exercise& exercise)
{
    std::array<std::string, 4> all;
    for (int pair = 0; pair < 4; ++pair)
        all[static_cast<std::size_t>(pair)] = exercise.expected(pair);
    return all;
}

TEST(FractionComparisonExercise, CommonDenominatorComparesTheNumerators)
{
    const Exercise exercise = forced(1, {3, 5, 2, 2, 9, 1, 4, 8}, 1, 7, 1);
    EXPECT_EQ(exercise.mode(), Exercise::Mode::CommonDenominator);
    EXPECT_EQ(exercise.fraction(0).numerator, 3);
    EXPECT_EQ(exercise.fraction(0).denominator, 7);
    EXPECT_EQ(exercise.fraction(1).numerator, 5);
    EXPECT_EQ(relations(exercise), (std::array<std::string, 4>{"<", "=", ">", "<"}));
}

TEST(FractionComparisonExercise, CommonNumeratorComparesTheDenominatorsTheOtherWay)
{
    const Exercise exercise = forced(1, {9, 5, 3, 3, 2, 8, 7, 6}, 1, 4, 2);
    EXPECT_EQ(exercise.mode(), Exercise::Mode::CommonNumerator);
    EXPECT_EQ(exercise.fraction(0).numerator, 4);
    EXPECT_EQ(exercise.fraction(0).denominator, 9);
    EXPECT_EQ(exercise.fraction(1).denominator, 5);
    // 4/9 < 4/5: the larger denominator makes the smaller fraction.
    EXPECT_EQ(relations(exercise), (std::array<std::string, 4>{"<", "=", ">", "<"}));
}

TEST(FractionComparisonExercise, ALoneDigitStandsInTheMiddleColumn)
{
    // 5/437: the numerator digit moves to the tens column, the bar spans
    // the three columns of the denominator.
    const Exercise over = forced(1, {5, 6, 1, 2, 3, 4, 7, 8}, 3, 437, 1);
    EXPECT_EQ(over.numeratorColumns(0), (Columns{"", "", "5"}));
    EXPECT_EQ(over.numeratorUnitsLeft(0), 840);
    EXPECT_EQ(over.numeratorUnitsLeft(3), 7440 + 600);
    EXPECT_EQ(over.denominatorColumns(0), (Columns{"4", "3", "7"}));
    EXPECT_EQ(over.denominatorUnitsLeft(0), 1440);
    EXPECT_EQ(over.barLeft(0), 240);
    EXPECT_EQ(over.barLeft(5), 2640);
    EXPECT_EQ(over.barRight(5), 4440);
    EXPECT_EQ(over.cellLeft(0), 2040);
    EXPECT_EQ(over.cellLeft(1), 6840);
    EXPECT_EQ(over.cellLeft(2), 2040);
    EXPECT_EQ(over.cellLeft(3), 6840);

    // 437/5: the lone denominator digit moves instead.
    const Exercise under = forced(3, {437, 500, 101, 999, 250, 251, 300, 120}, 1, 5, 1);
    EXPECT_EQ(under.numeratorUnitsLeft(1), 2640 + 1200);
    EXPECT_EQ(under.denominatorUnitsLeft(1), 2640 + 600);

    // Two digits over one: nothing moves.
    const Exercise tens = forced(2, {12, 34, 56, 78, 90, 11, 22, 33}, 1, 9, 1);
    EXPECT_EQ(tens.numeratorUnitsLeft(0), 1440);
    EXPECT_EQ(tens.denominatorUnitsLeft(0), 1440);
}

TEST(FractionComparisonExercise, BarsAndCellsFollowTheLongerNumber)
{
    const Exercise ones = forced(1, {1, 2, 3, 4, 5, 6, 7, 8}, 1, 9, 2);
    for (int index = 0; index < 8; ++index) {
        EXPECT_EQ(ones.barLeft(index), Exercise::baseLeft(index) + 1200) << index;
        EXPECT_EQ(ones.numeratorUnitsLeft(index), Exercise::baseLeft(index) + 1200);
    }
    EXPECT_EQ(ones.cellLeft(0), 2640);
    EXPECT_EQ(ones.cellLeft(1), 7440);

    const Exercise twos = forced(2, {10, 99, 45, 45, 60, 61, 70, 17}, 1, 3, 2);
    EXPECT_EQ(twos.barLeft(2), 5040 + 600);
    EXPECT_EQ(twos.cellLeft(0), 2340);
    EXPECT_EQ(twos.cellLeft(3), 7140);
    EXPECT_EQ(relations(twos), (std::array<std::string, 4>{">", "=", ">", "<"}));
}

TEST(FractionComparisonExercise, NumbersPastTheirLengthAreDrawnAgainWhole)
{
    ScriptedRandom random;
    // Int(10 + Rnd·99) reaches 108; a series holding one is drawn again.
    random.push(drawing(2, 1, 3));
    for (int number : {10, 20, 30, 40, 50, 60, 70, 105})
        random.push(drawing(number, 10, 108));
    for (int number : {11, 21, 31, 41, 51, 61, 71, 81})
        random.push(drawing(number, 10, 108));
    // Int(2 + Rnd·9) reaches 10, which has two digits: c is drawn again.
    random.push(drawing(1, 1, 3));
    random.push(drawing(10, 2, 10));
    random.push(drawing(6, 2, 10));
    random.push(drawing(1, 1, 2));
    Exercise exercise;
    exercise.newExercise(random);
    EXPECT_TRUE(random.exhausted());
    EXPECT_EQ(exercise.fraction(0).numerator, 11);
    EXPECT_EQ(exercise.fraction(7).numerator, 81);
    EXPECT_EQ(exercise.common(), 6);
}

TEST(FractionComparisonExercise, ErrorsCountAtTheFirstCheckOnly)
{
    Exercise exercise = forced(1, {3, 5, 2, 2, 9, 1, 4, 8}, 1, 7, 1);
    const auto firstMarks = exercise.check({"<", "=", "<", ""});
    EXPECT_EQ(firstMarks, (Exercise::Marks{false, false, true, true})) << "an empty cell is wrong";
    EXPECT_EQ(exercise.checking().errors(), 2);
    EXPECT_EQ(exercise.checking().verdict(), VerdictWord::NotGood);
    EXPECT_EQ(exercise.checking().grade(), 5);
    EXPECT_TRUE(exercise.verdictNegative());
    EXPECT_TRUE(exercise.checking().checkedOnce());

    // Mended answers are marked right but the verdict stays.
    EXPECT_EQ(exercise.check({"<", "=", ">", "<"}), (Exercise::Marks{}));
    EXPECT_EQ(exercise.checking().checks(), 2);
    EXPECT_EQ(exercise.checking().errors(), 2);
    EXPECT_FALSE(exercise.checking().checkedOnce());

    exercise = forced(1, {3, 5, 2, 2, 9, 1, 4, 8}, 1, 7, 1);
    EXPECT_EQ(exercise.checking().checks(), 0) << "a new exercise starts unchecked";
    exercise.check({"<", "=", ">", ">"});
    EXPECT_EQ(exercise.checking().verdict(), VerdictWord::BeCareful);
    EXPECT_EQ(exercise.checking().grade(), 6);
    EXPECT_TRUE(exercise.verdictNegative()) << "one wrong sign already shows red";

    exercise = forced(1, {3, 5, 2, 2, 9, 1, 4, 8}, 1, 7, 1);
    exercise.check({"<", "=", ">", "<"});
    EXPECT_EQ(exercise.checking().verdict(), VerdictWord::AllRight);
    EXPECT_EQ(exercise.checking().grade(), 10);
    EXPECT_FALSE(exercise.verdictNegative());
}

TEST(FractionComparisonExercise, GradesTenThenFiveMakeSeven)
{
    ScoreBoard board;
    EvaluationTally tally;
    Exercise exercise;
    for (const char* fourth : {"<", ">"}) {
        ScriptedRandom random;
        scriptComparison(random, 1, {3, 5, 2, 2, 9, 1, 4, 8}, 1, 7, 1);
        recordPresented(board, ExerciseFamily::FractionComparison, tally);
        exercise.newExercise(random);
        exercise.check({"<", "=", std::string(fourth) == "<" ? ">" : "<", fourth});
        ASSERT_TRUE(exercise.checking().checkedOnce());
        recordEvaluation(board, ExerciseFamily::FractionComparison, tally, exercise.checking().grade());
    }
    EXPECT_EQ(tally.gradeTotal(), 15);
    EXPECT_EQ(board.grade(ExerciseFamily::FractionComparison), 7);
}

// Exact comparison of two fractions by cross multiplication.
std::string oracle(const Fraction& left, const Fraction& right)
{
    const long long l = 1LL * left.numerator * right.denominator;
    const long long r = 1LL * right.numerator * left.denominator;
    return l < r ? "<" : l > r ? ">" : "=";
}

std::string joined(const Columns& columns)
{
    return columns[0] + columns[1] + columns[2];
}

TEST(FractionComparisonExercise, ManyDrawsAgreeWithExactComparison)
{
    ClockRandom random;
    Exercise exercise;
    std::set<int> lengths;
    std::set<int> ranges;
    std::set<Exercise::Mode> modes;
    std::set<std::string> seen;
    for (int run = 0; run < 3000; ++run) {
        random.seed(static_cast<std::uint64_t>(run) * 7919u + 1u);
        exercise.newExercise(random);
        lengths.insert(exercise.length());
        ranges.insert(exercise.range());
        modes.insert(exercise.mode());
        const int largest = exercise.range() == 1 ? 9 : exercise.range() == 2 ? 99 : 999;
        ASSERT_GE(exercise.common(), 2);
        ASSERT_LE(exercise.common(), largest);
        for (int pair = 0; pair < 4; ++pair) {
            const Fraction& left = exercise.fraction(2 * pair);
            const Fraction& right = exercise.fraction(2 * pair + 1);
            ASSERT_EQ(exercise.expected(pair), oracle(left, right))
                << left.numerator << "/" << left.denominator << " vs " << right.numerator << "/"
                << right.denominator;
            seen.insert(exercise.expected(pair));
        }
        const int wider = std::max(exercise.numeratorDigits(), exercise.denominatorDigits());
        for (int index = 0; index < 8; ++index) {
            const Fraction& fraction = exercise.fraction(index);
            const int drawn = exercise.mode() == Exercise::Mode::CommonDenominator ? fraction.numerator
                                                                                   : fraction.denominator;
            ASSERT_EQ(std::to_string(drawn).size(), static_cast<std::size_t>(exercise.length()));
            ASSERT_EQ(joined(exercise.numeratorColumns(index)), std::to_string(fraction.numerator));
            ASSERT_EQ(joined(exercise.denominatorColumns(index)), std::to_string(fraction.denominator));
            ASSERT_EQ(exercise.barLeft(index), Exercise::baseLeft(index) + 600 * (3 - wider));
            // Every digit stands over the bar.
            ASSERT_GE(exercise.numeratorUnitsLeft(index), exercise.barLeft(index));
            ASSERT_GE(exercise.denominatorUnitsLeft(index), exercise.barLeft(index));
        }
        for (int pair = 0; pair < 4; ++pair) {
            // The cell sits between the two fractions, touching neither bar.
            ASSERT_GE(exercise.cellLeft(pair), Exercise::barRight(2 * pair));
            ASSERT_LE(exercise.cellLeft(pair) + 600, exercise.barLeft(2 * pair + 1));
        }
    }
    EXPECT_EQ(lengths, (std::set<int>{1, 2, 3}));
    EXPECT_EQ(ranges, (std::set<int>{1, 2, 3}));
    EXPECT_EQ(modes.size(), 2u);
    EXPECT_EQ(seen, (std::set<std::string>{"<", "=", ">"}));
}

}  // namespace
}  // namespace quillo::testing
