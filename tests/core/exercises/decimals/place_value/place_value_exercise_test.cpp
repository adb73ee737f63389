#include "support/decimals_script.h"
#include "core/exercises/decimals/place_value/place_value_exercise.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>

namespace quillo {
namespace {

using PV = PlaceValueExercise;
using testing::scriptPlaceValue;

// Every indicated box holding its own mark.
PV::Marks rightMarks(const PV& exercise)
{
    PV::Marks marks;
    for (int number = 0; number < PV::kNumbers; ++number)
        for (int place = 1; place <= PV::kPlaces; ++place)
            if (exercise.indicated(number, place))
                marks[number][place] = std::string(PV::expectedMark(place));
    return marks;
}

TEST(PlaceValueExercise, WorkedExamplesAndVerdicts)
{
    ScriptedRandom random;
    scriptPlaceValue(random, 1, 1, {{7, 7}, {3, 3}});
    PV exercise;
    exercise.newExercise(random);
    EXPECT_EQ(exercise.text(0), "7,7");
    PV::Marks marks = rightMarks(exercise);
    EXPECT_EQ(marks[0][4] + "/" + marks[0][1], "us/d");
    EXPECT_EQ(exercise.check(marks), PV::Marking{});
    EXPECT_EQ(exercise.grade(), 10);

    // Pairless numbers are drawn again: the first alone, then both.
    scriptPlaceValue(random, 1, 2, {{3, 4, 5}, {5, 5, 5}, {1, 2, 9}, {5, 5, 5}, {1, 2, 1}});
    exercise.newExercise(random);
    ASSERT_TRUE(random.exhausted());
    EXPECT_EQ(exercise.text(0) + " " + exercise.text(1), "55,5 12,1");
    marks = rightMarks(exercise);
    marks[0][1] = "D";  // a capital is not the mark
    const PV::Marking marking = exercise.check(marks);
    EXPECT_TRUE(marking[0][1]);
    EXPECT_FALSE(marking[0][4]);
    EXPECT_EQ(exercise.errorCount(), 2) << "the tenths of 55,5 stand in two pairs";
    EXPECT_EQ(exercise.verdict(), VerdictWord::BeCareful);
    using V = VerdictWord;
    EXPECT_EQ((std::array{PV::verdictFor(0), PV::verdictFor(1), PV::verdictFor(3)}),
              (std::array{V::AllRight, V::BeCareful, V::NotGood}));
    // Later checks mark what is wrong now; the count stays.
    marks[0][1] = "d";
    marks[1][5] = "da";
    EXPECT_TRUE(exercise.check(marks)[1][5]);
    EXPECT_EQ(exercise.errorCount(), 2);

    // A whole box lowers what it holds, accented capitals included, and its
    // room is counted in letters, not in the bytes of their UTF-8 text.
    EXPECT_EQ(PV::wholeMarkBeforeKey("DaS\xC3\x99\xC3\x97"), "das\xC3\xB9\xC3\x97");
    EXPECT_FALSE(PV::overflows(4, "\xC3\xB9s"));
    EXPECT_TRUE(PV::overflows(4, "us\xC3\xB9"));
}

// The indicated digits and their marks are worked again from the printed
// numbers on every sheet's key; here the numbers' sizes, without a 0 digit.
TEST(PlaceValueExercise, ManyDrawsTakeEverySizeWithoutAZeroDigit)
{
    ClockRandom random;
    random.seed(77);
    PV exercise;
    std::set<std::pair<int, int>> sizes;
    for (int round = 0; round < 2000; ++round) {
        exercise.newExercise(random);
        const int a = exercise.decimalDigits();
        const int b = exercise.wholeDigits();
        sizes.insert({a, b});
        for (int number = 0; number < PV::kNumbers; ++number) {
            for (int place = 1; place <= PV::kPlaces; ++place) {
                const bool used = PV::isDecimalPlace(place) ? place <= a : place < PV::kUnits + b;
                ASSERT_EQ(exercise.digit(number, place) != 0, used) << exercise.text(number) << " place " << place;
            }
        }
    }
    EXPECT_EQ(sizes.size(), 18u) << "every pair of sizes comes up";
}

}  // namespace
}  // namespace quillo
