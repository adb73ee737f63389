#include "decimals_script.h"
#include "exercises/decimals/decimal_comparison_exercise.h"
#include "exercises/decimals/place_value_exercise.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

namespace quillo {
namespace {

using PV = PlaceValueExercise;
using DC = DecimalComparisonExercise;
using testing::scriptDecimalNumber;
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
    // Later checks mark what is wrong now; the count stays.
    marks[0][1] = "d";
    marks[1][5] = "da";
    EXPECT_TRUE(exercise.check(marks)[1][5]);
    EXPECT_EQ(exercise.errorCount(), 2);
}

TEST(DecimalsVerdicts, ByErrors)
{
    using V = VerdictWord;
    // Errors: place value, decimal comparison.
    const std::pair<V, V> rows[] = {
        {V::AllRight, V::AllRight}, {V::BeCareful, V::BeCareful}, {V::BeCareful, V::NotGood}, {V::NotGood, V::NotGood}};
    for (int errors = 0; errors <= 3; ++errors) {
        EXPECT_EQ(PV::verdictFor(errors), rows[errors].first) << errors;
        EXPECT_EQ(DC::verdictFor(errors), rows[errors].second) << errors;
    }
}

TEST(PlaceValueExercise, ManyDrawsAgainstCountedDigits)
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
        int allPairs = 0;
        for (int number = 0; number < PV::kNumbers; ++number) {
            int inPart[2][10] = {};  // how often each digit occurs, decimals then wholes
            for (int place = 1; place <= PV::kPlaces; ++place) {
                const int digit = exercise.digit(number, place);
                const bool decimal = PV::isDecimalPlace(place);
                ASSERT_EQ(digit != 0, decimal ? place <= a : place < PV::kUnits + b) << "no 0 digit";
                ++inPart[decimal ? 0 : 1][digit];
            }
            int pairs = 0;
            for (int value = 1; value <= 9; ++value)
                pairs += inPart[0][value] * inPart[1][value];
            ASSERT_GE(pairs, 1) << exercise.text(number);
            allPairs += pairs;
            for (int place = 1; place <= PV::kPlaces; ++place) {
                const int digit = exercise.digit(number, place);
                ASSERT_EQ(exercise.indicated(number, place),
                          digit != 0 && inPart[PV::isDecimalPlace(place) ? 1 : 0][digit] > 0);
            }
        }
        PV right = exercise;
        ASSERT_EQ(right.check(rightMarks(exercise)), PV::Marking{});
        exercise.check({});
        ASSERT_EQ(exercise.errorCount(), 2 * allPairs) << "every empty box, once per pair";
    }
    EXPECT_EQ(sizes.size(), 18u) << "every pair of sizes comes up";
}

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

// The text read back in thousandths, or -1 unless it is the shortest form
// with the decimal comma.
long long thousandthsOf(const std::string& text)
{
    static const std::regex shortest("(0|[1-9][0-9]*)(,[0-9]{0,2}[1-9])?");
    if (!std::regex_match(text, shortest))
        return -1;
    const auto comma = text.find(',');
    std::string fraction = comma == std::string::npos ? "" : text.substr(comma + 1);
    fraction.resize(3, '0');
    return std::stoll(text.substr(0, comma)) * 1000 + std::stoll(fraction);
}

TEST(DecimalComparisonExercise, ManyDrawsReadBackExactlyAndCompareByValue)
{
    ClockRandom random;
    random.seed(20261206);
    DC exercise;
    std::set<std::pair<std::size_t, int>> shapes;
    for (int round = 0; round < 3000; ++round) {
        exercise.newExercise(random);
        for (int pair = 0; pair < DC::kPairs; ++pair) {
            long long values[2] = {};
            for (int side : {0, 1}) {
                const DecimalNumber number = side == 0 ? exercise.left(pair) : exercise.right(pair);
                const std::string digits = std::to_string(number.mantissa);
                shapes.insert({digits.size(), number.decimals});
                ASSERT_TRUE(digits.size() == 1 || digits != "1" + std::string(digits.size() - 1, '0'))
                    << "a power of ten is never drawn: " << digits;
                const std::string text = decimalText(number);
                ASSERT_LE(text.size(), 7u) << text;
                values[side] = thousandthsOf(text);
                ASSERT_EQ(values[side], number.mantissa * (number.decimals == 1 ? 100 : number.decimals == 2 ? 10 : 1))
                    << text;
            }
            ASSERT_EQ(exercise.expected(pair), values[0] < values[1] ? "<" : values[0] > values[1] ? ">" : "=");
        }
    }
    EXPECT_EQ(shapes.size(), 18u) << "every count of digits comes with every count of decimals";
}

}  // namespace
}  // namespace quillo
