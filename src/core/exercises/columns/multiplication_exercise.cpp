#include "core/exercises/columns/multiplication_exercise.h"

#include "core/kit/random_source.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

namespace quillo {

namespace {

// The decimal digits of a number, units first.
std::vector<std::string> digitsOf(int number)
{
    std::vector<std::string> digits;
    do {
        digits.emplace_back(1, static_cast<char>('0' + number % 10));
        number /= 10;
    } while (number > 0);
    return digits;
}

// A row of nothing but zeros: how a zero digit of the multiplier is written
// out under a multiplicand, one zero per column it would fill.
std::vector<std::string> zeros(std::size_t count)
{
    return std::vector<std::string>(count, "0");
}

// Whole part of (r × width + lowest), drawn again until accepted.
template <typename Accept>
int drawUntil(RandomSource& random, int lowest, int width, Accept accept)
{
    for (;;) {
        const int value = random.between(lowest, lowest + width - 1);
        if (accept(value))
            return value;
    }
}

const std::string kNoDigit;

}  // namespace

int MultiplicationExercise::slotCount(WorkRow row)
{
    switch (row) {
    case WorkRow::Partial1: return 4;
    case WorkRow::Partial2: return 5;
    case WorkRow::Partial3:
    case WorkRow::Product: return 6;
    }
    return 0;
}

bool MultiplicationExercise::isMultiplierOf(MultiplierKind kind, int multiplier)
{
    switch (kind) {
    case MultiplierKind::TwoDigit: return multiplier >= 11 && multiplier <= 99;
    case MultiplierKind::ThreeDigit: return multiplier >= 101 && multiplier <= 999;
    case MultiplierKind::ZeroEnding:
        return (multiplier >= 20 && multiplier <= 90 && multiplier % 10 == 0) ||
               (multiplier >= 100 && multiplier <= 900 && multiplier % 100 == 0);
    }
    return false;
}

MultiplicationExercise MultiplicationExercise::draw(MultiplierKind kind, RandomSource& random)
{
    random.seedFromClock();
    const int multiplicand = drawUntil(random, kMultiplicandMin, kMultiplicandMax, [](int value) {
        return value >= kMultiplicandMin && value <= kMultiplicandMax;
    });
    int multiplier = 0;
    switch (kind) {
    case MultiplierKind::TwoDigit:
        multiplier = drawUntil(random, 11, 99, [](int value) { return value >= 11 && value <= 99; });
        break;
    case MultiplierKind::ThreeDigit:
        multiplier = drawUntil(random, 101, 999, [](int value) { return value >= 101 && value <= 999; });
        break;
    case MultiplierKind::ZeroEnding:
        // Drawing over 20..990 and keeping the seventeen round values gives
        // each of them the same chance.
        multiplier = drawUntil(random, 20, 990, [](int value) {
            return value <= 990 && isMultiplierOf(MultiplierKind::ZeroEnding, value);
        });
        break;
    }
    return MultiplicationExercise(kind, multiplicand, multiplier);
}

MultiplicationExercise::MultiplicationExercise(MultiplierKind kind, int multiplicand, int multiplier)
    : kind_(kind), multiplicand_(multiplicand), multiplier_(multiplier)
{
    if (multiplicand < kMultiplicandMin || multiplicand > kMultiplicandMax)
        throw std::invalid_argument("multiplicand out of range");
    if (!isMultiplierOf(kind, multiplier))
        throw std::invalid_argument("multiplier does not match its kind");

    multiplicandDigits_ = digitsOf(multiplicand);
    multiplierDigits_ = digitsOf(multiplier);
    for (WorkRow row : {WorkRow::Partial1, WorkRow::Partial2, WorkRow::Partial3, WorkRow::Product})
        rows_[index(row)].assign(static_cast<std::size_t>(slotCount(row)), std::string());

    const auto fill = [this](WorkRow row, const std::vector<std::string>& digits) {
        std::copy(digits.begin(), digits.end(), rows_[index(row)].begin());
    };
    const int d1 = multiplier % 10;
    const int d2 = multiplier / 10 % 10;
    const int d3 = multiplier / 100 % 10;
    const std::size_t length = multiplicandDigits_.size();
    if (kind != MultiplierKind::ZeroEnding) {
        fill(WorkRow::Partial1, d1 == 0 ? zeros(length) : digitsOf(d1 * multiplicand));
        if (kind == MultiplierKind::ThreeDigit && d2 == 0)
            fill(WorkRow::Partial2, zeros(length + 1));
        else
            fill(WorkRow::Partial2, digitsOf(10 * d2 * multiplicand));
        if (kind == MultiplierKind::ThreeDigit)
            fill(WorkRow::Partial3, digitsOf(100 * d3 * multiplicand));
    }
    const auto product = digitsOf(multiplicand * multiplier);
    fill(WorkRow::Product, product);
    productLength_ = static_cast<int>(product.size());
}

int MultiplicationExercise::multiplierLength() const
{
    return static_cast<int>(multiplierDigits_.size());
}

const std::string& MultiplicationExercise::at(const Row& row, int slot)
{
    if (slot < 1 || slot > static_cast<int>(row.size()))
        return kNoDigit;
    return row[static_cast<std::size_t>(slot - 1)];
}

const std::string& MultiplicationExercise::multiplicandDigit(int slot) const
{
    return at(multiplicandDigits_, slot);
}

const std::string& MultiplicationExercise::multiplierDigit(int slot) const
{
    return at(multiplierDigits_, slot);
}

std::vector<WorkRow> MultiplicationExercise::workRows() const
{
    switch (kind_) {
    case MultiplierKind::TwoDigit: return {WorkRow::Partial1, WorkRow::Partial2, WorkRow::Product};
    case MultiplierKind::ThreeDigit:
        return {WorkRow::Partial1, WorkRow::Partial2, WorkRow::Partial3, WorkRow::Product};
    case MultiplierKind::ZeroEnding: return {WorkRow::Product};
    }
    return {};
}

const std::string& MultiplicationExercise::expected(WorkRow row, int slot) const
{
    return at(rows_[index(row)], slot);
}

std::vector<WorkCell> MultiplicationExercise::answerCells() const
{
    std::vector<WorkCell> cells;
    for (WorkRow row : workRows())
        for (int slot = 1; slot <= slotCount(row); ++slot)
            if (!expected(row, slot).empty())
                cells.push_back({row, slot});
    return cells;
}

bool MultiplicationExercise::showsZeroEndingHint() const
{
    const int d1 = multiplier_ % 10;
    const int d2 = multiplier_ / 10 % 10;
    switch (kind_) {
    case MultiplierKind::TwoDigit: return d1 == 0;
    case MultiplierKind::ThreeDigit: return d1 == 0 && d2 == 0;
    case MultiplierKind::ZeroEnding: return false;
    }
    return false;
}

std::vector<WorkCell> MultiplicationExercise::check(const Written& written)
{
    ++checksDone_;
    std::vector<WorkCell> wrong;
    for (const WorkCell& cell : answerCells())
        if (written(cell) != expected(cell.row, cell.slot))
            wrong.push_back(cell);
    if (checksDone_ == 1)
        for (const WorkCell& cell : wrong)
            ++rowErrors_[index(cell.row)];
    return wrong;
}

int MultiplicationExercise::errorCount() const
{
    return std::accumulate(rowErrors_.begin(), rowErrors_.end(), 0);
}

std::optional<VerdictWord> MultiplicationExercise::verdict() const
{
    if (checksDone_ == 0)
        return std::nullopt;
    const int errors = errorCount();
    if (errors >= 2)
        return VerdictWord::NotGood;
    if (errors == 1)
        return VerdictWord::BeCareful;
    switch (kind_) {
    case MultiplierKind::ZeroEnding: return VerdictWord::Good;
    case MultiplierKind::TwoDigit: return VerdictWord::Excellent;
    case MultiplierKind::ThreeDigit: return VerdictWord::WellDone;
    }
    return std::nullopt;
}

std::optional<int> MultiplicationExercise::grade() const
{
    const auto word = verdict();
    if (!word)
        return std::nullopt;
    switch (*word) {
    case VerdictWord::NotGood: return 5;
    case VerdictWord::BeCareful: return 6;
    default: break;
    }
    // No error: the harder the multiplier, the higher the grade.
    switch (kind_) {
    case MultiplierKind::ZeroEnding: return 8;
    case MultiplierKind::TwoDigit: return 9;
    case MultiplierKind::ThreeDigit: return 10;
    }
    return std::nullopt;
}

bool MultiplicationExercise::isNegative(VerdictWord word)
{
    return word == VerdictWord::NotGood || word == VerdictWord::BeCareful;
}

}  // namespace quillo
