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

// Over many draws of every kind, the partial products read from their cells
// and shifted by their placeholders add up to the product.
TEST(MultiplicationExercise, ManyDrawsRebuildTheProductAndStayInRange)
{
    ClockRandom random;
    std::set<int> round;
    for (const Kind kind : {Kind::TwoDigit, Kind::ThreeDigit, Kind::ZeroEnding}) {
        std::set<int> multiplicands, multipliers;
        for (int i = 0; i < 15000; ++i) {
            const auto exercise = MultiplicationExercise::draw(kind, random);
            const long long m = exercise.multiplicand(), n = exercise.multiplier();
            SCOPED_TRACE(std::to_string(m) + " x " + std::to_string(n));
            multiplicands.insert(static_cast<int>(m));
            multipliers.insert(static_cast<int>(n));
            if (kind == Kind::ZeroEnding)
                round.insert(static_cast<int>(n));
            ASSERT_EQ(std::stoll(onPaper(exercise, WorkRow::Product).substr(6 - exercise.productLength())), m * n);
            const int partials = kind == Kind::ZeroEnding ? 0 : kind == Kind::TwoDigit ? 2 : 3;
            long long sum = 0, place = 1;
            std::size_t cells = exercise.productLength();
            for (int k = 0; k < 3; ++k, place *= 10) {
                std::string paper = onPaper(exercise, kRows[k]);
                paper.erase(0, paper.find_first_not_of('_'));
                cells += paper.size();
                if (k >= partials) {
                    ASSERT_TRUE(paper.empty()) << "a row the kind does not use";
                    continue;
                }
                // A zero digit still fills the columns the multiplicand spans.
                ASSERT_EQ(paper.find('_'), std::string::npos);
                const long long digit = n / place % 10;
                ASSERT_EQ(std::stoll(paper), digit * m * place) << "partial " << k + 1;
                ASSERT_EQ(paper.size(), std::to_string(digit == 0 ? m : digit * m).size() + k) << "partial " << k + 1;
                sum += std::stoll(paper);
            }
            ASSERT_TRUE(partials == 0 || sum == m * n);
            ASSERT_EQ(exercise.answerCells().size(), cells) << "the cells to fill are the cells with a digit";
        }
        EXPECT_EQ(*multiplicands.begin(), 11);
        EXPECT_EQ(*multiplicands.rbegin(), 999);
        EXPECT_EQ(*multipliers.begin(), kind == Kind::ThreeDigit ? 101 : kind == Kind::TwoDigit ? 11 : 20);
        EXPECT_EQ(*multipliers.rbegin(), kind == Kind::ThreeDigit ? 999 : kind == Kind::TwoDigit ? 99 : 900);
    }
    // 20, 30, ..., 90 and 100, 200, ..., 900, every one of them.
    EXPECT_EQ(round.size(), 17u);
    for (int value : round)
        EXPECT_TRUE(value % 10 == 0 && (value <= 90 || value % 100 == 0)) << value;
}

}  // namespace
}  // namespace quillo
