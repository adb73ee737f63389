#include "core/exercises/columns/division/division_exercise.h"

#include "core/kit/digits.h"
#include "core/kit/random_source.h"

#include <algorithm>
#include <vector>

namespace quillo {

namespace {

struct Range {
    int lowest;
    int highest;
};

constexpr std::array<Range, 5> kDividendRanges{{
    {11, 99},
    {101, 999},
    {1001, 9999},
    {10001, 99999},
    {100001, 999999},
}};
constexpr int kMinDivisor = 11;
constexpr int kMaxDivisor = 99;

int powerOfTen(int exponent)
{
    int value = 1;
    while (exponent-- > 0)
        value *= 10;
    return value;
}

// The index-th digit from the right, or empty past the number's digits.
std::string digitAt(int value, int index)
{
    const std::vector<std::string> digits = digitTexts(value);
    return index >= 1 && index <= static_cast<int>(digits.size()) ? digits[static_cast<std::size_t>(index - 1)]
                                                                     : std::string();
}

// The count looks at values, so a zero remainder may be written out or left
// blank; but a required "0" must be there, and a sign is never a digit.
bool countsAsError(const std::string& typed, const std::string& expected)
{
    if (typed == "/" || typed == ":")
        return true;
    if (expected == "0" && typed.empty())
        return true;
    return digitValue(typed) != digitValue(expected);
}

// Marking compares texts; in a step row a lone "0" where nothing is expected
// is a zero remainder written out, never wrong.
bool redInStepRow(const std::string& typed, const std::string& expected)
{
    if (typed == expected)
        return false;
    return !expected.empty() || typed != "0";
}

// Drawn as the whole part of (r × width + lowest) and redrawn until it falls
// in lowest..highest, so every value in the range is equally likely.
int drawBetween(RandomSource& random, int lowest, int highest, int width)
{
    int value = 0;
    do {
        value = random.between(lowest, lowest + width - 1);
    } while (value > highest);
    return value;
}

// A cell of the answer or of the marks, by row and index.
template <typename Cells>
auto& cellOf(Cells& cells, int row, int index)
{
    const auto slot = static_cast<std::size_t>(index - 1);
    return row == DivisionExercise::kQuotientRow ? cells.quotient[slot]
                                                 : cells.steps[static_cast<std::size_t>(row - 1)][slot];
}

}  // namespace

void DivisionExercise::selectDividendDigits(int n)
{
    dividendDigits_ = std::clamp(n, 2, 6);
    forgetDivision();
}

int DivisionExercise::minDividend() const
{
    return kDividendRanges[static_cast<std::size_t>(dividendDigits_ - 2)].lowest;
}

int DivisionExercise::maxDividend() const
{
    return kDividendRanges[static_cast<std::size_t>(dividendDigits_ - 2)].highest;
}

void DivisionExercise::withdraw()
{
    forgetDivision();
}

void DivisionExercise::forgetDivision()
{
    dividend_ = divisor_ = quotient_ = quotientLength_ = 0;
    quotientDigits_ = {};
    remainderWidths_ = {};
    expectedRows_ = {};
    checks_.reset();
}

void DivisionExercise::newDivision(RandomSource& random)
{
    forgetDivision();
    random.seedFromClock();
    do {
        dividend_ = drawBetween(random, minDividend(), maxDividend(), maxDividend());
        divisor_ = drawBetween(random, kMinDivisor, kMaxDivisor, kMaxDivisor);
    } while (divisor_ > dividend_);

    quotient_ = dividend_ / divisor_;
    const int length = digitCount(quotient_);
    quotientLength_ = length;
    for (int i = 1; i <= length; ++i)
        quotientDigits_[static_cast<std::size_t>(i - 1)] = digitAt(quotient_, length - i + 1);

    int current = dividend_;
    for (int k = 1; k <= length; ++k) {
        const auto slot = static_cast<std::size_t>(k - 1);
        const int digit = digitValue(quotientDigits_[slot]);
        current -= digit * divisor_ * powerOfTen(length - k);
        remainderWidths_[slot] = digitCount(current) - (length - k);
        // The last L - k - 1 digits are dividend digits not brought down yet:
        // their cells are locked, and the pupil writes nothing there.
        for (int j = std::max(1, length - k); j <= cellsInRow(k); ++j)
            expectedRows_[slot][static_cast<std::size_t>(j - 1)] = digitAt(current, j);
    }
}

int DivisionExercise::remainderWidth(int k) const
{
    return k >= 1 && k <= quotientLength_ ? remainderWidths_[static_cast<std::size_t>(k - 1)] : 0;
}

std::string DivisionExercise::dividendText(int index) const
{
    return hasDivision() ? digitAt(dividend_, index) : std::string();
}

std::string DivisionExercise::divisorText(int index) const
{
    return hasDivision() ? digitAt(divisor_, index) : std::string();
}

std::string DivisionExercise::expectedText(int row, int index) const
{
    if (row < kQuotientRow || row > kStepRows || index < 1 || index > cellsInRow(row))
        return {};
    if (row == kQuotientRow)
        return quotientDigits_[static_cast<std::size_t>(index - 1)];
    return expectedRows_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(index - 1)];
}

std::vector<DivisionExercise::Place> DivisionExercise::writingOrder() const
{
    std::vector<Place> order;
    for (int step = 1; step <= quotientLength_; ++step) {
        order.push_back({kQuotientRow, step});
        for (int index = cellsInRow(step); index >= 1; --index) {
            if (!isLocked(step, index) && !expectedText(step, index).empty())
                order.push_back({step, index});
        }
    }
    return order;
}

bool DivisionExercise::isLocked(int row, int index) const
{
    if (row < kQuotientRow || row > kStepRows || index < 1 || index > cellsInRow(row))
        return true;
    if (!hasDivision())
        return false;
    if (row == kQuotientRow)
        return index > quotientLength_;
    if (row > quotientLength_)
        return true;
    return index <= quotientLength_ - row - 1;
}

bool DivisionExercise::isRemainderLead(int row, int index) const
{
    return hasDivision() && row == quotientLength_ && index == remainderWidth(row);
}

DivisionMarks DivisionExercise::check(const DivisionAnswer& answer)
{
    DivisionMarks marks;
    if (!hasDivision())
        return marks;
    const bool counting = !checks_.isChecked();
    int errors = 0;
    for (int row = kQuotientRow; row <= kStepRows; ++row) {
        for (int index = 1; index <= cellsInRow(row); ++index) {
            const std::string& typed = cellOf(answer, row, index);
            const std::string expected = expectedText(row, index);
            CellMark& mark = cellOf(marks, row, index);
            const bool differs = row == kQuotientRow ? typed != expected : redInStepRow(typed, expected);
            if (differs)
                mark = CellMark::RedText;
            // Only the open cells of the rows in use count.
            if (counting && !isLocked(row, index) && countsAsError(typed, expected)) {
                mark = CellMark::Counted;
                ++errors;
            }
        }
    }

    checks_.noteCheck(errors);
    return marks;
}

std::optional<VerdictWord> DivisionExercise::verdict() const
{
    if (!checks_.isChecked())
        return std::nullopt;
    return verdictFor(quotientLength_, checks_.errorCount());
}

const ButtonCycle& DivisionExercise::cycle() const
{
    static const ButtonCycle cycle{
        .opened = {.newExercise = false, .check = false, .evaluate = false, .kinds = true},
        .kindChosen = {.newExercise = true},
        .presented = {.newExercise = false, .check = false, .evaluate = false, .kinds = false},
        .evaluateOpens = EvaluateOpens::WhileAwaiting,
        // "OK" waits for a dividend length to be picked again.
        .evaluated = {.newExercise = false, .check = true, .evaluate = false, .kinds = true},
    };
    return cycle;
}

std::optional<Evaluation> DivisionExercise::evaluate()
{
    const std::optional<VerdictWord> word = verdict();
    if (!word)
        return Evaluation{};
    return Evaluation{.verdict = word, .negative = isNegative(*word), .counts = true, .grade = usualGrade(*word)};
}

VerdictWord DivisionExercise::verdictFor(int quotientLength, int errors)
{
    return verdictByErrors(errors, flawlessWordFor(quotientLength));
}

}  // namespace quillo
