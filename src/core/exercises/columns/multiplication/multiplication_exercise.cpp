#include "core/exercises/columns/multiplication/multiplication_exercise.h"

#include "core/kit/random_source.h"

#include <algorithm>
#include <stdexcept>

namespace quillo {

namespace {

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
    MultiplicationExercise exercise;
    exercise.selectKind(kind);
    exercise.present(random);
    return exercise;
}

MultiplicationExercise::MultiplicationExercise(MultiplierKind kind, int multiplicand, int multiplier)
{
    if (multiplicand < kMultiplicandMin || multiplicand > kMultiplicandMax)
        throw std::invalid_argument("multiplicand out of range");
    if (!isMultiplierOf(kind, multiplier))
        throw std::invalid_argument("multiplier does not match its kind");
    lay(kind, multiplicand, multiplier);
}

std::optional<MultiplierKind> MultiplicationExercise::selectKind(MultiplierKind kind)
{
    withdraw();
    // Picking the round multiplier has emptied the operands already; the
    // partial products left behind stay hidden until "OK" empties them.
    if (selectedKind_ == MultiplierKind::ZeroEnding)
        filledLayout_.reset();
    selectedKind_ = kind;
    return kind == MultiplierKind::ZeroEnding ? std::nullopt : filledLayout_;
}

void MultiplicationExercise::present(RandomSource& random)
{
    const MultiplierKind kind = selectedKind_.value();
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
    lay(kind, multiplicand, multiplier);
    filledLayout_ = kind == MultiplierKind::ZeroEnding ? std::nullopt : std::optional(kind);
}

void MultiplicationExercise::lay(MultiplierKind kind, int multiplicand, int multiplier)
{
    kind_ = kind;
    multiplicand_ = multiplicand;
    multiplier_ = multiplier;
    for (WorkRow row : {WorkRow::Partial1, WorkRow::Partial2, WorkRow::Partial3, WorkRow::Product})
        rows_[index(row)].assign(static_cast<std::size_t>(slotCount(row)), std::string());

    const auto fill = [this](WorkRow row, const std::vector<std::string>& digits) {
        std::copy(digits.begin(), digits.end(), rows_[index(row)].begin());
    };
    const int d1 = multiplier % 10;
    const int d2 = multiplier / 10 % 10;
    const int d3 = multiplier / 100 % 10;
    const auto length = static_cast<std::size_t>(digitCount(multiplicand));
    if (kind != MultiplierKind::ZeroEnding) {
        fill(WorkRow::Partial1, d1 == 0 ? zeros(length) : digitTexts(d1 * multiplicand));
        if (kind == MultiplierKind::ThreeDigit && d2 == 0)
            fill(WorkRow::Partial2, zeros(length + 1));
        else
            fill(WorkRow::Partial2, digitTexts(10 * d2 * multiplicand));
        if (kind == MultiplierKind::ThreeDigit)
            fill(WorkRow::Partial3, digitTexts(100 * d3 * multiplicand));
    }
    const auto product = digitTexts(multiplicand * multiplier);
    fill(WorkRow::Product, product);
    productLength_ = static_cast<int>(product.size());
    checks_.reset();
    onPage_ = true;
}

const std::string& MultiplicationExercise::at(const Row& row, int slot)
{
    if (slot < 1 || slot > static_cast<int>(row.size()))
        return kNoDigit;
    return row[static_cast<std::size_t>(slot - 1)];
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
    std::vector<WorkCell> wrong;
    for (const WorkCell& cell : answerCells())
        if (written(cell) != expected(cell.row, cell.slot))
            wrong.push_back(cell);
    checks_.noteCheck(static_cast<int>(wrong.size()));
    return wrong;
}

std::optional<VerdictWord> MultiplicationExercise::verdict() const
{
    if (!checks_.isChecked())
        return std::nullopt;
    const auto flawless = [this] {
        switch (kind_) {
        case MultiplierKind::ZeroEnding: return VerdictWord::Good;
        case MultiplierKind::TwoDigit: return VerdictWord::Excellent;
        case MultiplierKind::ThreeDigit: break;
        }
        return VerdictWord::WellDone;
    };
    return verdictByErrors(checks_.errorCount(), flawless());
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

const ButtonCycle& MultiplicationExercise::cycle() const
{
    static const ButtonCycle cycle{
        .opened = {.newExercise = false, .check = false, .evaluate = false, .kinds = true},
        .kindChosen = {.newExercise = true, .check = false, .evaluate = false},
        .presented = {.newExercise = false, .check = false, .evaluate = false, .kinds = false},
        .evaluateOpens = EvaluateOpens::WhileAwaiting,
        // "OK" waits for a kind to be picked again.
        .evaluated = {.check = true, .evaluate = false, .kinds = true},
    };
    return cycle;
}

std::optional<Evaluation> MultiplicationExercise::evaluate()
{
    const std::optional<VerdictWord> word = verdict();
    if (!onPage_ || !word)
        return std::nullopt;
    return Evaluation{.verdict = word, .negative = isNegative(*word), .counts = true, .grade = grade().value()};
}

}  // namespace quillo
