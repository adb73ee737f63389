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
    int length = 0;
    while (!exercise.expected(row, length + 1).empty())
        ++length;
    for (int slot = length + 1; slot <= MultiplicationExercise::slotCount(row); ++slot)
        if (!exercise.expected(row, slot).empty())
            return -1;
    if (length == 0)
        return 0;
    std::string digits;
    for (int slot = length; slot >= 1; --slot)
        digits += exercise.expected(row, slot);
    if (digits.size() > 1 && digits.front() == '0' && digits.find_first_not_of('0') != std::string::npos)
        return -1;
    return std::stoll(digits);
}

int cellsIn(const MultiplicationExercise& exercise, WorkRow row)
{
    int count = 0;
    for (int slot = 1; slot <= MultiplicationExercise::slotCount(row); ++slot)
        count += exercise.expected(row, slot).empty() ? 0 : 1;
    return count;
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

TEST(MultiplicationExercise, OperandsGiveTheirDigitsUnitsFirst)
{
    const MultiplicationExercise twoByTwo(Kind::TwoDigit, 45, 27);
    EXPECT_EQ(twoByTwo.multiplicandDigit(1), "5");
    EXPECT_EQ(twoByTwo.multiplicandDigit(2), "4");
    EXPECT_EQ(twoByTwo.multiplicandDigit(3), "") << "a two-digit multiplicand has no hundreds cell";
    EXPECT_EQ(twoByTwo.multiplierDigit(1), "7");
    EXPECT_EQ(twoByTwo.multiplierDigit(3), "");
    EXPECT_EQ(twoByTwo.multiplierLength(), 2);

    const MultiplicationExercise threeDigit(Kind::ThreeDigit, 908, 406);
    EXPECT_EQ(threeDigit.multiplicandDigit(2), "0");
    EXPECT_EQ(threeDigit.multiplicandDigit(3), "9");
    EXPECT_EQ(threeDigit.multiplierDigit(3), "4");
    EXPECT_EQ(threeDigit.multiplierLength(), 3);
    EXPECT_EQ(threeDigit.multiplicandDigit(0), "");
    EXPECT_EQ(threeDigit.expected(WorkRow::Product, 7), "");
}

TEST(MultiplicationExercise, RefusesOperandsOutsideTheirKind)
{
    EXPECT_THROW(MultiplicationExercise(Kind::TwoDigit, 10, 20), std::invalid_argument);
    EXPECT_THROW(MultiplicationExercise(Kind::TwoDigit, 1000, 20), std::invalid_argument);
    EXPECT_THROW(MultiplicationExercise(Kind::TwoDigit, 45, 100), std::invalid_argument);
    EXPECT_THROW(MultiplicationExercise(Kind::TwoDigit, 45, 10), std::invalid_argument);
    EXPECT_THROW(MultiplicationExercise(Kind::ThreeDigit, 45, 100), std::invalid_argument);
    EXPECT_THROW(MultiplicationExercise(Kind::ThreeDigit, 45, 1000), std::invalid_argument);
    EXPECT_THROW(MultiplicationExercise(Kind::ZeroEnding, 45, 25), std::invalid_argument);
    EXPECT_THROW(MultiplicationExercise(Kind::ZeroEnding, 45, 10), std::invalid_argument);
    EXPECT_THROW(MultiplicationExercise(Kind::ZeroEnding, 45, 110), std::invalid_argument);
    EXPECT_THROW(MultiplicationExercise(Kind::ZeroEnding, 45, 1000), std::invalid_argument);
    EXPECT_NO_THROW(MultiplicationExercise(Kind::ZeroEnding, 999, 900));
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

TEST(MultiplicationExercise, ZeroEndingDrawsEachOfItsSeventeenValuesAlike)
{
    ClockRandom random;
    std::map<int, int> seen;
    constexpr int kDraws = 17 * 1500;
    for (int i = 0; i < kDraws; ++i) {
        const auto exercise = MultiplicationExercise::draw(Kind::ZeroEnding, random);
        ++seen[exercise.multiplier()];
    }
    ASSERT_EQ(seen.size(), 17u);
    for (int tens = 2; tens <= 9; ++tens)
        EXPECT_TRUE(seen.count(tens * 10)) << tens * 10;
    for (int hundreds = 1; hundreds <= 9; ++hundreds)
        EXPECT_TRUE(seen.count(hundreds * 100)) << hundreds * 100;
    // 1500 expected each; a fair draw stays well within a fifth of it.
    for (const auto& [value, count] : seen) {
        EXPECT_GT(count, 1200) << value;
        EXPECT_LT(count, 1800) << value;
    }
}

TEST(MultiplicationExercise, DrawsCoverTheirWholeRanges)
{
    ClockRandom random;
    int lowest[3] = {10000, 10000, 10000};
    int highest[3] = {0, 0, 0};
    int lowestMultiplicand = 10000;
    int highestMultiplicand = 0;
    for (int i = 0; i < 30000; ++i) {
        const Kind kind = i % 2 == 0 ? Kind::TwoDigit : Kind::ThreeDigit;
        const auto exercise = MultiplicationExercise::draw(kind, random);
        const int k = static_cast<int>(kind);
        ASSERT_TRUE(MultiplicationExercise::isMultiplierOf(kind, exercise.multiplier())) << exercise.multiplier();
        lowest[k] = std::min(lowest[k], exercise.multiplier());
        highest[k] = std::max(highest[k], exercise.multiplier());
        lowestMultiplicand = std::min(lowestMultiplicand, exercise.multiplicand());
        highestMultiplicand = std::max(highestMultiplicand, exercise.multiplicand());
    }
    EXPECT_EQ(lowest[0], 11);
    EXPECT_EQ(highest[0], 99);
    EXPECT_EQ(lowest[1], 101);
    EXPECT_EQ(highest[1], 999);
    EXPECT_EQ(lowestMultiplicand, 11);
    EXPECT_EQ(highestMultiplicand, 999);
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
            ASSERT_GE(m, 11);
            ASSERT_LE(m, 999);
            const std::string product = std::to_string(m * n);
            ASSERT_EQ(valueOf(exercise, WorkRow::Product), m * n);
            ASSERT_EQ(exercise.productLength(), static_cast<int>(product.size()));

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
            const auto cells = exercise.answerCells();
            int expectedCells = 0;
            for (WorkRow row : kAllRows)
                expectedCells += cellsIn(exercise, row);
            ASSERT_EQ(static_cast<int>(cells.size()), expectedCells);
            for (const WorkCell& cell : cells) {
                ASSERT_FALSE(exercise.expected(cell.row, cell.slot).empty());
            }

            auto checked = exercise;
            ASSERT_TRUE(checked.check(rightAnswers(exercise)).empty());
            ASSERT_EQ(checked.grade(), kind == Kind::ZeroEnding ? 8 : kind == Kind::TwoDigit ? 9 : 10);
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
        // Spoil the first cells of every row in turn, so errors spread over
        // rows still add up.
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
