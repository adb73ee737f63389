#include "core/exercises/columns/multiplication/multiplication_exercise.h"
#include "core/kit/random_source.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace quillo {
namespace {

using Kind = MultiplierKind;
using V = VerdictWord;
constexpr WorkRow kRows[] = {WorkRow::Partial1, WorkRow::Partial2, WorkRow::Partial3, WorkRow::Product};

// A row as it stands on paper, left to right, "_" where it has no cell.
std::string onPaper(const MultiplicationExercise& exercise, WorkRow row)
{
    std::string text;
    for (int slot = MultiplicationExercise::slotCount(row); slot >= 1; --slot)
        text += exercise.expected(row, slot).empty() ? "_" : exercise.expected(row, slot);
    return text;
}

TEST(MultiplicationExercise, WorkedExamplesLayTheirDigitsInTheRightColumns)
{
    struct Example {
        Kind kind;
        int multiplicand, multiplier;
        std::string rows;  // the three partial products and the product
        bool hint;
    };
    const Example examples[] = {
        {Kind::TwoDigit, 345, 20, "_000 _6900 ______ __6900", true},
        {Kind::ThreeDigit, 12, 300, "__00 __000 __3600 __3600", true},
        {Kind::ThreeDigit, 12, 305, "__60 __000 __3600 __3660", false},
        {Kind::ThreeDigit, 345, 120, "_000 _6900 _34500 _41400", false},
        {Kind::ZeroEnding, 45, 90, "____ _____ ______ __4050", false},
        {Kind::ThreeDigit, 999, 999, "8991 89910 899100 998001", false},
        {Kind::TwoDigit, 11, 11, "__11 __110 ______ ___121", false},
    };
    for (const Example& e : examples) {
        SCOPED_TRACE(std::to_string(e.multiplicand) + " x " + std::to_string(e.multiplier));
        const MultiplicationExercise exercise(e.kind, e.multiplicand, e.multiplier);
        std::string rows;
        for (WorkRow row : kRows)
            rows += (rows.empty() ? "" : " ") + onPaper(exercise, row);
        EXPECT_EQ(rows, e.rows);
        EXPECT_EQ(exercise.answerCells().size(), static_cast<std::size_t>(std::count_if(rows.begin(), rows.end(), ::isdigit)))
            << "the cells to fill are the cells with a digit";
        EXPECT_EQ(exercise.showsZeroEndingHint(), e.hint);
    }
}

TEST(MultiplicationExercise, VerdictsAndGradesByKindAndOnlyTheFirstCheckCounts)
{
    struct Case {
        Kind kind;
        int multiplicand, multiplier, wrongCells;
        V verdict;
        int grade;
    };
    const Case cases[] = {
        {Kind::ZeroEnding, 45, 90, 0, V::Good, 8},       {Kind::ZeroEnding, 45, 90, 1, V::BeCareful, 6},
        {Kind::ZeroEnding, 45, 90, 2, V::NotGood, 5},    {Kind::TwoDigit, 87, 65, 0, V::Excellent, 9},
        {Kind::TwoDigit, 87, 65, 1, V::BeCareful, 6},    {Kind::TwoDigit, 87, 65, 5, V::NotGood, 5},
        {Kind::ThreeDigit, 456, 789, 0, V::WellDone, 10}, {Kind::ThreeDigit, 456, 789, 2, V::NotGood, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.multiplicand) + " with errors: " + std::to_string(c.wrongCells));
        MultiplicationExercise exercise(c.kind, c.multiplicand, c.multiplier);
        // Leave every other cell empty, so that errors in several rows add up.
        const auto cells = exercise.answerCells();
        const auto spoilt = [&](WorkCell cell) {
            const auto at = std::find(cells.begin(), cells.end(), cell) - cells.begin();
            return at % 2 == 0 && at / 2 < c.wrongCells;
        };
        EXPECT_EQ(static_cast<int>(exercise.check([&](WorkCell cell) {
                      return spoilt(cell) ? std::string() : exercise.expected(cell.row, cell.slot);
                  }).size()),
                  c.wrongCells);
        EXPECT_EQ(exercise.verdict(), c.verdict);
        EXPECT_EQ(exercise.grade(), c.grade);
        EXPECT_EQ(MultiplicationExercise::isNegative(c.verdict), c.wrongCells > 0);
        // A second check marks "/" and ":" wrong everywhere, yet counts nothing.
        EXPECT_EQ(exercise.check([](WorkCell cell) { return cell.row == WorkRow::Product ? "/" : ":"; }).size(),
                  cells.size());
        EXPECT_EQ(exercise.checks().errorCount(), c.wrongCells);
        EXPECT_EQ(exercise.grade(), c.grade);
    }
}

// A kind change empties the two- or three-digit layout that the last "OK"
// filled, unless the round multiplier was picked in between.
TEST(MultiplicationExercise, AKindChangeEmptiesTheLayoutLastFilled)
{
    ClockRandom random;
    MultiplicationExercise exercise;
    EXPECT_FALSE(exercise.canPresent()) << "no kind picked yet";
    EXPECT_EQ(exercise.selectKind(Kind::TwoDigit), std::nullopt);
    exercise.present(random);
    EXPECT_TRUE(exercise.canCheck());
    EXPECT_EQ(exercise.selectKind(Kind::ThreeDigit), Kind::TwoDigit);
    EXPECT_FALSE(exercise.canCheck()) << "the exercise on the page is over";
    EXPECT_EQ(exercise.selectKind(Kind::TwoDigit), Kind::TwoDigit) << "nothing filled it since";
    exercise.selectKind(Kind::ThreeDigit);
    exercise.present(random);
    EXPECT_EQ(exercise.selectKind(Kind::ZeroEnding), std::nullopt) << "the round multiplier empties its own";
    EXPECT_EQ(exercise.selectKind(Kind::TwoDigit), std::nullopt);
    exercise.present(random);
    exercise.selectKind(Kind::ZeroEnding);
    exercise.present(random);
    EXPECT_EQ(exercise.selectKind(Kind::ThreeDigit), std::nullopt);
}

// The partial products and the product of every draw are worked again on
// every sheet's key; here each kind reaches both ends of its ranges.
TEST(MultiplicationExercise, ManyDrawsReachEveryEndOfTheirRanges)
{
    ClockRandom random;
    for (const Kind kind : {Kind::TwoDigit, Kind::ThreeDigit, Kind::ZeroEnding}) {
        std::set<int> multiplicands, multipliers;
        for (int i = 0; i < 15000; ++i) {
            const auto exercise = MultiplicationExercise::draw(kind, random);
            multiplicands.insert(exercise.multiplicand());
            multipliers.insert(exercise.multiplier());
        }
        EXPECT_EQ(*multiplicands.begin(), 11);
        EXPECT_EQ(*multiplicands.rbegin(), 999);
        EXPECT_EQ(*multipliers.begin(), kind == Kind::ThreeDigit ? 101 : kind == Kind::TwoDigit ? 11 : 20);
        EXPECT_EQ(*multipliers.rbegin(), kind == Kind::ThreeDigit ? 999 : kind == Kind::TwoDigit ? 99 : 900);
        EXPECT_TRUE(kind != Kind::ZeroEnding || multipliers.size() == 17u) << "20, ..., 90, 100, ..., 900";
    }
}

}  // namespace
}  // namespace quillo
