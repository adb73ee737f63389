#include "core/exercises/columns/addition/addition_exercise.h"

#include "core/kit/random_source.h"

#include <algorithm>

namespace quillo {

void AdditionExercise::present(RandomSource& random, int addendCount)
{
    addendCount_ = std::clamp(addendCount, 2, kMostAddends);
    random.seedFromClock();
    // Every addend is drawn from 1 to 999,999 and the three are drawn again
    // together until the sum in play fits in six columns. With two addends the
    // third does not bound the draw: it is not on the page, and bounding by it
    // would keep the two-addend sum from ever reaching 999,999.
    for (;;) {
        for (int& addend : addends_)
            addend = random.between(1, kLargest);
        const long long two = static_cast<long long>(addends_[0]) + addends_[1];
        const long long three = two + addends_[2];
        if (two <= kLargest && (addendCount_ == 2 || three <= kLargest))
            break;
    }
    sum_ = addends_[0] + addends_[1] + (addendCount_ == 3 ? addends_[2] : 0);
    for (std::size_t i = 0; i < addends_.size(); ++i)
        addendDigits_[i] = columnDigits(addends_[i]);
    sumDigits_ = columnDigits(sum_);
    checks_.reset();
    onPage_ = true;
}

ColumnMarks AdditionExercise::check(const ColumnTexts& answer)
{
    const ColumnMarks marks = differences(sumDigits_, answer, sumLength());
    checks_.noteCheck(countMarked(marks));
    return marks;
}

const ButtonCycle& AdditionExercise::cycle() const
{
    static const ButtonCycle cycle{
        .opened = {.newExercise = false, .check = false, .evaluate = false, .kinds = true},
        .kindChosen = {.newExercise = true, .check = false, .evaluate = false},
        .presented = {.newExercise = false, .check = false, .evaluate = false, .kinds = false},
        .evaluateOpens = EvaluateOpens::WhileAwaitingUnshown,
        .evaluated = {.check = true, .evaluate = false, .kinds = true},
    };
    return cycle;
}

std::optional<Evaluation> AdditionExercise::evaluate()
{
    const VerdictWord word = verdict();
    return evaluateOnce({.verdict = word, .negative = isNegative(word), .counts = true, .grade = usualGrade(word)});
}

VerdictWord AdditionExercise::verdictFor(int addendCount, int errors)
{
    return verdictByErrors(errors, addendCount == 3 ? VerdictWord::WellDone : VerdictWord::VeryGood);
}

}  // namespace quillo
