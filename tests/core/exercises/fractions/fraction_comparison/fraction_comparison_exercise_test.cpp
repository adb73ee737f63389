#include "core/exercises/fractions/fraction_comparison/fraction_comparison_exercise.h"

#include "support/fraction_scripts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

namespace quillo::testing {
namespace {

using Exercise = FractionComparisonExercise;

Exercise forced(int length, const std::array<int, 8>& numbers, int range, int common, int mode)
{
    ScriptedRandom random;
    scriptComparison(random, length, numbers, range, common, mode);
    Exercise exercise;
    exercise.newExercise(random);
    EXPECT_TRUE(random.exhausted());
    EXPECT_EQ(random.seeds(), 1);
    return exercise;
}

TEST(FractionComparisonExercise, RelationsDigitsAndBars)
{
    struct Row {
        const char* name;
        Exercise exercise;
        std::string relations;
        int numeratorUnits, denominatorUnits, barDigits;  // columns 0 hundreds to 2 units
    };
    const Row rows[] = {
        // 3/7 < 5/7; all one digit: bars over the units only.
        {"3/7 5/7", forced(1, {3, 5, 2, 2, 9, 1, 4, 8}, 1, 7, 1), "<=><", 2, 2, 1},
        // 4/9 < 4/5: the larger denominator is the smaller fraction.
        {"4/9 4/5", forced(1, {9, 5, 3, 3, 2, 8, 7, 6}, 1, 4, 2), "<=><", 2, 2, 1},
        // 5/437: the lone numerator digit stands in the tens column.
        {"5/437", forced(1, {5, 6, 1, 1, 3, 4, 8, 7}, 3, 437, 1), "<=<>", 1, 2, 3},
        {"437/5", forced(3, {437, 500, 101, 999, 250, 251, 300, 120}, 1, 5, 1), "<<<>", 2, 1, 3},
        {"3/10 3/99", forced(2, {10, 99, 45, 45, 60, 61, 70, 17}, 1, 3, 2), ">=><", 2, 2, 2},
    };
    for (const Row& row : rows) {
        std::string relations;
        for (int pair = 0; pair < 4; ++pair)
            relations += row.exercise.expected(pair);
        EXPECT_EQ(relations, row.relations) << row.name;
        EXPECT_EQ(row.exercise.numeratorUnitsColumn(), row.numeratorUnits) << row.name;
        EXPECT_EQ(row.exercise.denominatorUnitsColumn(), row.denominatorUnits) << row.name;
        EXPECT_EQ(row.exercise.widerDigits(), row.barDigits) << row.name;
    }
    EXPECT_EQ(rows[2].exercise.numeratorColumns(0), (Exercise::Columns{"", "", "5"}));
    EXPECT_EQ(rows[2].exercise.denominatorColumns(0), (Exercise::Columns{"4", "3", "7"}));
}

// Every pair's sign and bars are worked again on every sheet's key. The
// draws reach one past each range (Int(10 + Rnd * 99) gives 108), so the
// lengths and the common value checked here also show the redraws.
TEST(FractionComparisonExercise, ManyDrawsTakeEveryShapeAndEveryRelation)
{
    ClockRandom random;
    Exercise exercise;
    std::set<int> shapes;
    std::set<std::string> relations;
    for (int run = 0; run < 3000; ++run) {
        random.seed(static_cast<std::uint64_t>(run) * 7919u + 1u);
        exercise.newExercise(random);
        shapes.insert(exercise.length() * 10 + exercise.range() + 100 * static_cast<int>(exercise.mode()));
        ASSERT_TRUE(exercise.common() >= 2 && exercise.common() < std::pow(10, exercise.range())) << exercise.common();
        for (int pair = 0; pair < 4; ++pair)
            relations.insert(exercise.expected(pair));
        for (int index = 0; index < 8; ++index) {
            const Fraction& f = exercise.fraction(index);
            const int drawn = exercise.mode() == Exercise::Mode::CommonDenominator ? f.numerator : f.denominator;
            ASSERT_EQ(std::to_string(drawn).size(), static_cast<std::size_t>(exercise.length()));
        }
    }
    EXPECT_EQ(shapes.size(), 18u) << "every length, range and mode occurs";
    EXPECT_EQ(relations, (std::set<std::string>{"<", "=", ">"}));
}

}  // namespace
}  // namespace quillo::testing
