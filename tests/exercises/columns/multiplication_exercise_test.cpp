#include "exercises/columns/multiplication_exercise.h"
#include "kit/random_source.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <stdexcept>
#include <string>

namespace quillo {
namespace {

using Kind = MultiplierKind;
constexpr WorkRow kAllRows[] = {WorkRow::Partial1, WorkRow::Partial2, WorkRow::Partial3, WorkRow::Product};

// A row as it stands on paper, left to right, "_" where it has no cell.
std::string onPaper(const MultiplicationExercise& exercise, WorkRow row)
{
    std::string text;
    for (int slot = MultiplicationExercise::slotCount(row); slot >= 1; --slot) {
        const std::string& digit = exercise.expected(row, slot);
        text += digit.empty() ? "_" : digit;
    }
    return text;
}

// The digits of a row read as a number, or -1 when the row has a gap or a
// leading zero in front of other digits.
long long valueOf(const MultiplicationExercise& exercise, WorkRow row)
{
    const std::string paper = onPaper(exercise, row);
    const std::string digits = paper.substr(std::min(paper.find_first_not_of('_'), paper.size()));
    if (digits.empty())
        return 0;
    const bool strayZero = digits.size() > 1 && digits[0] == '0' && digits.find_first_not_of('0') != std::string::npos;
    return digits.find('_') != std::string::npos || strayZero ? -1 : std::stoll(digits);
}

int cellsIn(const MultiplicationExercise& exercise, WorkRow row)
{
    const std::string paper = onPaper(exercise, row);
    return static_cast<int>(std::count_if(paper.begin(), paper.end(), [](char c) { return c != '_'; }));
}

// What a pupil who makes no mistake writes.
MultiplicationExercise::Written rightAnswers(const MultiplicationExercise& exercise)
{
    return [&exercise](WorkCell cell) { return exercise.expected(cell.row, cell.slot); };
}

struct WorkedExample {
    const char* name;
    Kind kind;
    int multiplicand;
    int multiplier;
    const char* partial1;
    const char* partial2;
    const char* partial3;
    const char* product;
    bool hint;
};

TEST(MultiplicationExercise, WorkedExamplesLayTheirDigitsInTheRightColumns)
{
    const WorkedExample examples[] = {
        {"345 x 20", Kind::TwoDigit, 345, 20, "_000", "_6900", "______", "__6900", true},
        {"12 x 300", Kind::ThreeDigit, 12, 300, "__00", "__000", "__3600", "__3600", true},
        {"12 x 305", Kind::ThreeDigit, 12, 305, "__60", "__000", "__3600", "__3660", false},
        {"345 x 120", Kind::ThreeDigit, 345, 120, "_000", "_6900", "_34500", "_41400", false},
        {"45 x 90", Kind::ZeroEnding, 45, 90, "____", "_____", "______", "__4050", false},
        {"999 x 999", Kind::ThreeDigit, 999, 999, "8991", "89910", "899100", "998001", false},
        {"11 x 11", Kind::TwoDigit, 11, 11, "__11", "__110", "______", "___121", false},
        {"11 x 101", Kind::ThreeDigit, 11, 101, "__11", "__000", "__1100", "__1111", false},
        {"37 x 40", Kind::TwoDigit, 37, 40, "__00", "_1480", "______", "__1480", true},
        {"500 x 700", Kind::ZeroEnding, 500, 700, "____", "_____", "______", "350000", false},
    };
    for (const auto& e : examples) {
        SCOPED_TRACE(e.name);
        const MultiplicationExercise exercise(e.kind, e.multiplicand, e.multiplier);
        EXPECT_EQ(onPaper(exercise, WorkRow::Partial1), e.partial1);
        EXPECT_EQ(onPaper(exercise, WorkRow::Partial2), e.partial2);
        EXPECT_EQ(onPaper(exercise, WorkRow::Partial3), e.partial3);
        EXPECT_EQ(onPaper(exercise, WorkRow::Product), e.product);
        EXPECT_EQ(exercise.productLength(), static_cast<int>(std::to_string(e.multiplicand * e.multiplier).size()));
        EXPECT_EQ(exercise.showsZeroEndingHint(), e.hint);
    }
}

TEST(MultiplicationExercise, RefusesOperandsOutsideTheirKind)
{
    const std::pair<Kind, int> refused[] = {{Kind::TwoDigit, 10},   {Kind::TwoDigit, 100},    {Kind::ThreeDigit, 100},
                                            {Kind::ThreeDigit, 1000}, {Kind::ZeroEnding, 25}, {Kind::ZeroEnding, 10},
                                            {Kind::ZeroEnding, 110},  {Kind::ZeroEnding, 1000}};
    for (const auto& [kind, multiplier] : refused)
        EXPECT_THROW(MultiplicationExercise(kind, 45, multiplier), std::invalid_argument) << multiplier;
    EXPECT_THROW(MultiplicationExercise(Kind::TwoDigit, 10, 20), std::invalid_argument);
    EXPECT_THROW(MultiplicationExercise(Kind::TwoDigit, 1000, 20), std::invalid_argument);
}

TEST(MultiplicationExercise, DrawsRejectWhatFallsOutsideTheKind)
{
    // Each draw takes the whole part of r x width + lowest and redraws what
    // falls past the range: 11..1009 for the multiplicand, 11..109 and
    // 101..1099 for the multipliers, 20..1009 for the round ones.
    ScriptedRandom two{drawing(1005, 11, 1009), drawing(345, 11, 1009), drawing(104, 11, 109), drawing(20, 11, 109)};
    const auto a = MultiplicationExercise::draw(Kind::TwoDigit, two);
    EXPECT_EQ(a.multiplicand(), 345);
    EXPECT_EQ(a.multiplier(), 20);
    EXPECT_TRUE(two.exhausted());
    EXPECT_EQ(two.seeds(), 1) << "every new exercise reseeds from the clock";

    ScriptedRandom three{drawing(11, 11, 1009), drawing(1000, 101, 1099), drawing(1099, 101, 1099),
                         drawing(999, 101, 1099)};
    const auto b = MultiplicationExercise::draw(Kind::ThreeDigit, three);
    EXPECT_EQ(b.multiplicand(), 11);
    EXPECT_EQ(b.multiplier(), 999);
    EXPECT_TRUE(three.exhausted());

    ScriptedRandom round{drawing(999, 11, 1009), drawing(25, 20, 1009), drawing(1000, 20, 1009),
                         drawing(991, 20, 1009), drawing(110, 20, 1009), drawing(300, 20, 1009)};
    const auto c = MultiplicationExercise::draw(Kind::ZeroEnding, round);
    EXPECT_EQ(c.multiplicand(), 999);
    EXPECT_EQ(c.multiplier(), 300);
    EXPECT_TRUE(round.exhausted());
}

TEST(MultiplicationExercise, DrawsCoverTheirRangesAndRoundValuesComeAlike)
{
    ClockRandom random;
    std::map<int, int> round;
    constexpr int kDraws = 17 * 1500;
    for (int i = 0; i < kDraws; ++i)
        ++round[MultiplicationExercise::draw(Kind::ZeroEnding, random).multiplier()];
    ASSERT_EQ(round.size(), 17u);
    for (const auto& [value, count] : round) {
        EXPECT_TRUE(MultiplicationExercise::isMultiplierOf(Kind::ZeroEnding, value)) << value;
        // 1500 expected each; a fair draw stays well within a fifth of it.
        EXPECT_GT(count, 1200) << value;
        EXPECT_LT(count, 1800) << value;
    }

    std::map<Kind, std::pair<int, int>> multipliers;
    std::pair<int, int> multiplicands{1000, 0};
    const auto widen = [](std::pair<int, int>& range, int value) {
        range = {std::min(range.first, value), std::max(range.second, value)};
    };
    for (int i = 0; i < 30000; ++i) {
        const Kind kind = i % 2 == 0 ? Kind::TwoDigit : Kind::ThreeDigit;
        const auto exercise = MultiplicationExercise::draw(kind, random);
        ASSERT_TRUE(MultiplicationExercise::isMultiplierOf(kind, exercise.multiplier())) << exercise.multiplier();
        multipliers.try_emplace(kind, 1000, 0);
        widen(multipliers[kind], exercise.multiplier());
        widen(multiplicands, exercise.multiplicand());
    }
    EXPECT_EQ(multipliers[Kind::TwoDigit], std::make_pair(11, 99));
    EXPECT_EQ(multipliers[Kind::ThreeDigit], std::make_pair(101, 999));
    EXPECT_EQ(multiplicands, std::make_pair(11, 999));
}

// Over many draws of every kind, rebuild the product from its partial
// products, each read from the cells exactly as the pupil writes them.
TEST(MultiplicationExercise, PartialProductsAddUpToTheProduct)
{
    ClockRandom random;
    for (const Kind kind : {Kind::TwoDigit, Kind::ThreeDigit, Kind::ZeroEnding}) {
        for (int i = 0; i < 4000; ++i) {
            const auto exercise = MultiplicationExercise::draw(kind, random);
            const long long m = exercise.multiplicand();
            const long long n = exercise.multiplier();
            SCOPED_TRACE(std::to_string(m) + " x " + std::to_string(n));
            ASSERT_EQ(valueOf(exercise, WorkRow::Product), m * n);
            ASSERT_EQ(exercise.productLength(), static_cast<int>(std::to_string(m * n).size()));

            long long sum = 0;
            const int partials = kind == Kind::ZeroEnding ? 0 : kind == Kind::TwoDigit ? 2 : 3;
            long long place = 1;
            for (int k = 0; k < partials; ++k, place *= 10) {
                const WorkRow row = kAllRows[k];
                const long long digit = n / place % 10;
                const long long value = valueOf(exercise, row);
                ASSERT_EQ(value, digit * m * place) << "partial " << k + 1;
                // A zero digit still fills the columns the multiplicand spans.
                const int columns = digit == 0 ? static_cast<int>(std::to_string(m).size()) + k
                                               : static_cast<int>(std::to_string(digit * m).size()) + k;
                ASSERT_EQ(cellsIn(exercise, row), columns) << "partial " << k + 1;
                sum += value;
            }
            if (partials > 0) {
                ASSERT_EQ(sum, m * n);
            }
            for (int k = partials; k < 3; ++k) {
                ASSERT_EQ(cellsIn(exercise, kAllRows[k]), 0) << "a row the kind does not use";
            }

            // The cells to fill are exactly the cells that hold a digit.
            int digits = 0;
            for (WorkRow row : kAllRows)
                digits += cellsIn(exercise, row);
            ASSERT_EQ(static_cast<int>(exercise.answerCells().size()), digits);
        }
    }
}

TEST(MultiplicationExercise, OnlyTheFirstCheckCountsAndEachRowKeepsItsOwn)
{
    MultiplicationExercise exercise(Kind::TwoDigit, 345, 20);
    EXPECT_FALSE(exercise.verdict().has_value()) << "nothing is settled before a check";
    EXPECT_FALSE(exercise.grade().has_value());

    // The product is right; the placeholder zero under the units of the
    // second partial product is left empty.
    const auto leaveEmpty = [&exercise](WorkCell cell) {
        return cell == WorkCell{WorkRow::Partial2, 1} ? std::string() : exercise.expected(cell.row, cell.slot);
    };
    auto wrong = exercise.check(leaveEmpty);
    ASSERT_EQ(wrong.size(), 1u);
    EXPECT_EQ(wrong.front(), (WorkCell{WorkRow::Partial2, 1}));
    EXPECT_EQ(exercise.rowErrors(WorkRow::Partial2), 1);
    EXPECT_EQ(exercise.rowErrors(WorkRow::Product), 0);
    EXPECT_EQ(exercise.verdict(), VerdictWord::BeCareful);
    EXPECT_EQ(exercise.grade(), 6);

    // A second check marks whatever is wrong now, yet the verdict stays.
    const auto slashes = [](WorkCell cell) { return std::string(cell.row == WorkRow::Product ? "/" : ":"); };
    wrong = exercise.check(slashes);
    EXPECT_EQ(wrong.size(), exercise.answerCells().size()) << "'/' and ':' are never a digit";
    EXPECT_EQ(exercise.checksDone(), 2);
    EXPECT_EQ(exercise.errorCount(), 1);
    EXPECT_EQ(exercise.verdict(), VerdictWord::BeCareful);

    wrong = exercise.check(rightAnswers(exercise));
    EXPECT_TRUE(wrong.empty());
    EXPECT_EQ(exercise.grade(), 6) << "corrections after the first check do not change the grade";
}

TEST(MultiplicationExercise, VerdictsAndGradesByKind)
{
    struct Case {
        Kind kind;
        int multiplicand;
        int multiplier;
        int wrongCells;
        VerdictWord verdict;
        int grade;
    };
    const Case cases[] = {
        {Kind::ZeroEnding, 45, 90, 0, VerdictWord::Good, 8},
        {Kind::ZeroEnding, 45, 90, 1, VerdictWord::BeCareful, 6},
        {Kind::ZeroEnding, 45, 90, 2, VerdictWord::NotGood, 5},
        {Kind::TwoDigit, 87, 65, 0, VerdictWord::Excellent, 9},
        {Kind::TwoDigit, 87, 65, 1, VerdictWord::BeCareful, 6},
        {Kind::TwoDigit, 87, 65, 5, VerdictWord::NotGood, 5},
        {Kind::ThreeDigit, 456, 789, 0, VerdictWord::WellDone, 10},
        {Kind::ThreeDigit, 456, 789, 1, VerdictWord::BeCareful, 6},
        {Kind::ThreeDigit, 456, 789, 2, VerdictWord::NotGood, 5},
    };
    for (const Case& c : cases) {
        MultiplicationExercise exercise(c.kind, c.multiplicand, c.multiplier);
        // Spoil every other cell, so that errors in several rows add up.
        const auto cells = exercise.answerCells();
        std::vector<WorkCell> spoilt;
        for (std::size_t i = 0; i < cells.size() && static_cast<int>(spoilt.size()) < c.wrongCells; i += 2)
            spoilt.push_back(cells[i]);
        ASSERT_EQ(static_cast<int>(spoilt.size()), c.wrongCells);
        exercise.check([&](WorkCell cell) {
            const bool spoil = std::find(spoilt.begin(), spoilt.end(), cell) != spoilt.end();
            return spoil ? std::string() : exercise.expected(cell.row, cell.slot);
        });
        EXPECT_EQ(exercise.errorCount(), c.wrongCells);
        EXPECT_EQ(exercise.verdict(), c.verdict) << static_cast<int>(c.kind) << " " << c.wrongCells;
        EXPECT_EQ(exercise.grade(), c.grade) << static_cast<int>(c.kind) << " " << c.wrongCells;
        EXPECT_EQ(MultiplicationExercise::isNegative(c.verdict), c.wrongCells > 0);
    }
}

}  // namespace
}  // namespace quillo
