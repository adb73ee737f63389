#include "decimals_script.h"
#include "exercises/decimals/place_value_exercise.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace quillo {
namespace {

using Exercise = PlaceValueExercise;
using Part = PlaceValueExercise::Part;
using testing::scriptPlaceValue;

// Every indicated box holding its own mark.
Exercise::Marks rightMarks(const Exercise& exercise)
{
    Exercise::Marks marks;
    for (int number = 0; number < Exercise::kNumbers; ++number)
        for (int place = 1; place <= Exercise::kPlaces; ++place)
            if (exercise.indicated(number, place))
                marks[number][place] = std::string(Exercise::expectedMark(place));
    return marks;
}

TEST(PlaceValueExercise, OneDigitEachSideMarksUnitsAndTenths)
{
    ScriptedRandom random;
    scriptPlaceValue(random, 1, 1, {{7, 7}, {3, 3}});
    Exercise exercise;
    exercise.newExercise(random);
    ASSERT_TRUE(random.exhausted());
    EXPECT_EQ(exercise.text(0), "7,7");
    for (int place = 1; place <= Exercise::kPlaces; ++place)
        EXPECT_EQ(exercise.indicated(0, place), place == 1 || place == 4) << place;

    Exercise::Marks marks = rightMarks(exercise);
    EXPECT_EQ(marks[0][4], "us");
    EXPECT_EQ(marks[0][1], "d");
    marks[0][7] = "junk";  // a box that is not shown never counts
    EXPECT_EQ(exercise.check(marks), Exercise::Marking{});
    EXPECT_EQ(exercise.verdict(), VerdictWord::AllRight);
    EXPECT_EQ(exercise.grade(), 10);
}

TEST(PlaceValueExercise, ErrorsCountOncePerPairAtTheFirstCheck)
{
    ScriptedRandom random;
    scriptPlaceValue(random, 1, 2, {{5, 5, 5}, {1, 2, 1}});  // 55,5 and 12,1
    Exercise exercise;
    exercise.newExercise(random);
    EXPECT_EQ(exercise.text(0), "55,5");
    EXPECT_EQ(exercise.pairs(0), (std::vector<Exercise::Pair>{{1, 4}, {1, 5}}));
    EXPECT_EQ(exercise.pairs(1), (std::vector<Exercise::Pair>{{1, 5}}));

    Exercise::Marks marks = rightMarks(exercise);
    marks[0][1] = "D";  // a capital is not the mark
    const auto marking = exercise.check(marks);
    EXPECT_TRUE(marking[0][1]);
    EXPECT_FALSE(marking[0][4]);
    EXPECT_EQ(exercise.errors(0, Part::Decimal), 2) << "the tenths stand in two pairs";
    EXPECT_EQ(exercise.errorCount(), 2);
    EXPECT_EQ(exercise.verdict(), VerdictWord::BeCareful);

    // Later checks mark what is wrong now; the count stays.
    marks = rightMarks(exercise);
    marks[1][5] = "das ";
    const auto again = exercise.check(marks);
    EXPECT_FALSE(again[0][1]);
    EXPECT_TRUE(again[1][5]);
    EXPECT_EQ(exercise.errorCount(), 2);

    // Errors by number and part, from a fresh exercise.
    scriptPlaceValue(random, 1, 2, {{5, 5, 5}, {1, 2, 1}});
    exercise.newExercise(random);
    EXPECT_EQ(exercise.errorCount(), 0);
    marks = rightMarks(exercise);
    marks[0][4] = "uS";
    marks[1][1] = "";
    marks[1][5] = "us";
    exercise.check(marks);
    EXPECT_EQ(exercise.errors(0, Part::Whole), 1);
    EXPECT_EQ(exercise.errors(0, Part::Decimal), 0);
    EXPECT_EQ(exercise.errors(1, Part::Decimal), 1);
    EXPECT_EQ(exercise.errors(1, Part::Whole), 1);
    EXPECT_EQ(exercise.verdict(), VerdictWord::NotGood);
    EXPECT_EQ(exercise.grade(), 5);

    const VerdictWord byErrors[] = {VerdictWord::AllRight, VerdictWord::BeCareful, VerdictWord::BeCareful,
                                    VerdictWord::NotGood};
    for (int errors = 0; errors <= 3; ++errors)
        EXPECT_EQ(Exercise::verdictFor(errors), byErrors[errors]) << errors;
}

TEST(PlaceValueExercise, NumbersWithoutAPairAreDrawnAgain)
{
    ScriptedRandom random;
    scriptPlaceValue(random, 2, 1,
                     {{3, 4, 5},    // no pair: the first number again
                      {6, 8, 6},    // 6,68
                      {1, 2, 9},    // no pair: both numbers again
                      {2, 3, 3},    // 3,23
                      {4, 9, 9}});  // 9,49
    Exercise exercise;
    exercise.newExercise(random);
    EXPECT_TRUE(random.exhausted());
    EXPECT_EQ(exercise.text(0), "3,23");
    EXPECT_EQ(exercise.text(1), "9,49");
    EXPECT_EQ(exercise.lastIndicatedDecimal(1), 2);
}

TEST(PlaceValueExercise, ManyDrawsAgainstCountedDigits)
{
    ClockRandom random;
    random.seed(77);
    Exercise exercise;
    std::set<std::pair<int, int>> sizes;
    for (int round = 0; round < 2000; ++round) {
        exercise.newExercise(random);
        const int a = exercise.decimalDigits();
        const int b = exercise.wholeDigits();
        ASSERT_TRUE(a >= 1 && a <= 3 && b >= 1 && b <= 6);
        sizes.insert({a, b});
        int allPairs = 0;
        for (int number = 0; number < Exercise::kNumbers; ++number) {
            // How often each digit occurs in each part.
            int inDecimals[10] = {};
            int inWholes[10] = {};
            for (int place = 1; place <= Exercise::kPlaces; ++place) {
                const int digit = exercise.digit(number, place);
                const bool used = Exercise::isDecimalPlace(place) ? place <= a : place < Exercise::kUnits + b;
                ASSERT_EQ(digit != 0, used) << "no 0 digit, none outside the number";
                ASSERT_LE(digit, 9);
                ++(Exercise::isDecimalPlace(place) ? inDecimals : inWholes)[digit];
            }
            int pairs = 0;
            for (int value = 1; value <= 9; ++value)
                pairs += inDecimals[value] * inWholes[value];
            ASSERT_GE(pairs, 1) << exercise.text(number);
            ASSERT_EQ(static_cast<int>(exercise.pairs(number).size()), pairs);
            allPairs += pairs;
            int last = 0;
            for (int place = 1; place <= Exercise::kPlaces; ++place) {
                const int digit = exercise.digit(number, place);
                const int* other = Exercise::isDecimalPlace(place) ? inWholes : inDecimals;
                ASSERT_EQ(exercise.indicated(number, place), digit != 0 && other[digit] > 0);
                if (Exercise::isDecimalPlace(place) && digit != 0 && other[digit] > 0)
                    last = place;
            }
            ASSERT_EQ(exercise.lastIndicatedDecimal(number), last);
        }
        Exercise right = exercise;
        ASSERT_EQ(right.check(rightMarks(exercise)), Exercise::Marking{});
        exercise.check({});
        ASSERT_EQ(exercise.errorCount(), 2 * allPairs) << "every empty box, once per pair";
    }
    EXPECT_EQ(sizes.size(), 18u) << "every pair of sizes comes up";
}

}  // namespace
}  // namespace quillo
