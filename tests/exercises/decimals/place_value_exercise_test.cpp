#include "exercises/decimals/place_value_exercise.h"
#include "kit/random_source.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace quillo {
namespace {

using Exercise = PlaceValueExercise;
using Part = PlaceValueExercise::Part;

// Scripts the digits of one number: decimal digits from the tenths on, then
// whole digits from the units on.
void scriptNumber(ScriptedRandom& random, std::initializer_list<int> decimals, std::initializer_list<int> wholes)
{
    for (int digit : decimals)
        random.push(drawing(digit, 1, 9));
    for (int digit : wholes)
        random.push(drawing(digit, 1, 9));
}

ScriptedRandom sizes(int decimalDigits, int wholeDigits)
{
    ScriptedRandom random;
    random.push(drawing(decimalDigits, 1, 3));
    random.push(drawing(wholeDigits, 1, 6));
    return random;
}

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
    ScriptedRandom random = sizes(1, 1);
    scriptNumber(random, {7}, {7});
    scriptNumber(random, {3}, {3});
    Exercise exercise;
    exercise.newExercise(random);
    ASSERT_TRUE(random.exhausted());
    EXPECT_EQ(exercise.text(0), "7,7");
    EXPECT_EQ(exercise.text(1), "3,3");
    for (int place = 1; place <= Exercise::kPlaces; ++place)
        EXPECT_EQ(exercise.indicated(0, place), place == 1 || place == 4) << place;
    EXPECT_EQ(exercise.lastIndicatedDecimal(1), 1);

    Exercise::Marks marks = rightMarks(exercise);
    EXPECT_EQ(marks[0][4], "us");
    EXPECT_EQ(marks[0][1], "d");
    marks[0][7] = "junk";  // a box that is not shown never counts
    const auto marking = exercise.check(marks);
    EXPECT_EQ(marking, Exercise::Marking{});
    EXPECT_EQ(exercise.errorCount(), 0);
    EXPECT_EQ(exercise.verdict(), VerdictWord::AllRight);
    EXPECT_EQ(exercise.grade(), 10);
}

TEST(PlaceValueExercise, ABoxInTwoPairsCountsOncePerPair)
{
    ScriptedRandom random = sizes(1, 2);
    scriptNumber(random, {5}, {5, 5});  // 55,5
    scriptNumber(random, {1}, {2, 1});  // 12,1: tenths with tens
    Exercise exercise;
    exercise.newExercise(random);
    EXPECT_EQ(exercise.text(0), "55,5");
    EXPECT_EQ(exercise.pairs(0), (std::vector<Exercise::Pair>{{1, 4}, {1, 5}}));
    EXPECT_EQ(exercise.text(1), "12,1");
    EXPECT_EQ(exercise.pairs(1), (std::vector<Exercise::Pair>{{1, 5}}));
    EXPECT_FALSE(exercise.indicated(1, 4));

    Exercise::Marks marks = rightMarks(exercise);
    marks[0][1] = "D";  // upper case is not the mark
    const auto marking = exercise.check(marks);
    EXPECT_TRUE(marking[0][1]);
    EXPECT_FALSE(marking[0][4]);
    EXPECT_EQ(exercise.errors(0, Part::Decimal), 2);
    EXPECT_EQ(exercise.errors(0, Part::Whole), 0);
    EXPECT_EQ(exercise.errorCount(), 2);
    EXPECT_EQ(exercise.verdict(), VerdictWord::BeCareful);

    // The next check marks what is wrong now, and the count stays.
    marks = rightMarks(exercise);
    marks[1][5] = "das ";
    const auto again = exercise.check(marks);
    EXPECT_FALSE(again[0][1]);
    EXPECT_TRUE(again[1][5]);
    EXPECT_EQ(exercise.errorCount(), 2);
    EXPECT_EQ(exercise.errors(1, Part::Whole), 0);
}

TEST(PlaceValueExercise, ErrorsSpreadOverNumbersAndParts)
{
    ScriptedRandom random = sizes(1, 2);
    scriptNumber(random, {5}, {5, 5});
    scriptNumber(random, {1}, {2, 1});
    Exercise exercise;
    exercise.newExercise(random);
    Exercise::Marks marks = rightMarks(exercise);
    marks[0][4] = "uS";
    marks[1][1] = "";
    marks[1][5] = "us";
    exercise.check(marks);
    EXPECT_EQ(exercise.errors(0, Part::Whole), 1);
    EXPECT_EQ(exercise.errors(0, Part::Decimal), 0);
    EXPECT_EQ(exercise.errors(1, Part::Decimal), 1);
    EXPECT_EQ(exercise.errors(1, Part::Whole), 1);
    EXPECT_EQ(exercise.errorCount(), 3);
    EXPECT_EQ(exercise.verdict(), VerdictWord::NotGood);
    EXPECT_EQ(exercise.grade(), 5);

    const VerdictWord expected[] = {VerdictWord::AllRight, VerdictWord::BeCareful, VerdictWord::BeCareful,
                                    VerdictWord::NotGood, VerdictWord::NotGood};
    for (int errors = 0; errors < 5; ++errors)
        EXPECT_EQ(Exercise::verdictFor(errors), expected[errors]) << errors;
    EXPECT_EQ(usualGrade(VerdictWord::BeCareful), 6);

    // A new exercise starts with nothing counted.
    random = sizes(1, 1);
    scriptNumber(random, {2}, {2});
    scriptNumber(random, {4}, {4});
    exercise.newExercise(random);
    EXPECT_EQ(exercise.checksDone(), 0);
    EXPECT_EQ(exercise.errorCount(), 0);
}

TEST(PlaceValueExercise, NumbersWithoutAPairAreDrawnAgain)
{
    ScriptedRandom random = sizes(2, 1);
    scriptNumber(random, {3, 4}, {5});  // no pair: first number again
    scriptNumber(random, {6, 8}, {6});  // 6,68
    scriptNumber(random, {1, 2}, {9});  // no pair: both numbers again
    scriptNumber(random, {2, 3}, {3});  // 3,23
    scriptNumber(random, {4, 9}, {9});  // 9,49
    Exercise exercise;
    exercise.newExercise(random);
    EXPECT_TRUE(random.exhausted());
    EXPECT_EQ(exercise.decimalDigits(), 2);
    EXPECT_EQ(exercise.wholeDigits(), 1);
    EXPECT_EQ(exercise.text(0), "3,23");
    EXPECT_EQ(exercise.text(1), "9,49");
    EXPECT_EQ(exercise.lastIndicatedDecimal(1), 2);
    EXPECT_EQ(exercise.lastIndicatedDecimal(0), 2);
    EXPECT_EQ(exercise.digit(0, 3), 0) << "no thousandths with two decimal digits";
}

TEST(PlaceValueExercise, ManyDrawsAgainstCountedDigits)
{
    ClockRandom random;
    random.seed(77);
    Exercise exercise;
    std::set<std::pair<int, int>> sizesSeen;
    for (int round = 0; round < 2000; ++round) {
        exercise.newExercise(random);
        const int a = exercise.decimalDigits();
        const int b = exercise.wholeDigits();
        ASSERT_TRUE(a >= 1 && a <= 3 && b >= 1 && b <= 6);
        sizesSeen.insert({a, b});
        Exercise::Marks empty;
        int expectedErrors = 0;
        for (int number = 0; number < Exercise::kNumbers; ++number) {
            // How often each digit value occurs in each part.
            int inDecimals[10] = {};
            int inWholes[10] = {};
            for (int place = 1; place <= Exercise::kPlaces; ++place) {
                const int digit = exercise.digit(number, place);
                const bool used = Exercise::isDecimalPlace(place) ? place <= a : place < Exercise::kUnits + b;
                ASSERT_EQ(digit != 0, used) << "number " << number << " place " << place;
                ASSERT_LE(digit, 9);
                if (used)
                    ++(Exercise::isDecimalPlace(place) ? inDecimals : inWholes)[digit];
            }
            int pairs = 0;
            for (int value = 1; value <= 9; ++value)
                pairs += inDecimals[value] * inWholes[value];
            ASSERT_GE(pairs, 1) << exercise.text(number);
            ASSERT_EQ(static_cast<int>(exercise.pairs(number).size()), pairs);
            expectedErrors += 2 * pairs;
            for (int place = 1; place <= Exercise::kPlaces; ++place) {
                const int digit = exercise.digit(number, place);
                const int* other = Exercise::isDecimalPlace(place) ? inWholes : inDecimals;
                ASSERT_EQ(exercise.indicated(number, place), digit != 0 && other[digit] > 0);
            }
            const int last = exercise.lastIndicatedDecimal(number);
            ASSERT_TRUE(last >= 1 && last <= a && inWholes[exercise.digit(number, last)] > 0);
            for (int place = last + 1; place <= a; ++place)
                ASSERT_EQ(inWholes[exercise.digit(number, place)], 0);
        }
        Exercise right = exercise;
        EXPECT_EQ(right.check(rightMarks(exercise)), Exercise::Marking{});
        EXPECT_EQ(right.errorCount(), 0);
        exercise.check(empty);
        ASSERT_EQ(exercise.errorCount(), expectedErrors) << exercise.text(0) << " " << exercise.text(1);
    }
    EXPECT_EQ(sizesSeen.size(), 18u) << "every pair of sizes comes up";
}

}  // namespace
}  // namespace quillo
