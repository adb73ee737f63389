#include "core/exercises/columns/subtraction/subtraction_exercise.h"

#include "core/kit/random_source.h"

namespace quillo {

void SubtractionExercise::present(RandomSource& random)
{
    random.seedFromClock();
    minuend_ = random.between(1, kLargest);
    do
        subtrahend_ = random.between(1, kLargest);
    while (subtrahend_ > minuend_);

    minuendDigits_ = columnDigits(minuend_);
    subtrahendDigits_ = columnDigits(subtrahend_);
    differenceDigits_ = columnDigits(difference());
    for (int i = 0; i < minuendLength(); ++i)
        if (differenceDigits_[i].empty())
            differenceDigits_[i].push_back('0');

    borrowCount_ = 0;
    for (int i = 0; i < kPlaceColumns; ++i)
        if (digitValue(minuendDigits_[i]) < digitValue(subtrahendDigits_[i]))
            ++borrowCount_;

    checks_.reset();
    onPage_ = true;
}

ColumnMarks SubtractionExercise::check(const ColumnTexts& answer)
{
    // Columns beyond the minuend expect nothing and their cells are hidden,
    // so only the minuend's columns can differ.
    const ColumnMarks marks = differences(differenceDigits_, answer, minuendLength());
    checks_.noteCheck(countMarked(marks));
    return marks;
}

const ButtonCycle& SubtractionExercise::cycle() const
{
    static const ButtonCycle cycle{
        .opened = {.newExercise = true, .check = false, .evaluate = false},
        .presented = {.newExercise = false, .check = false, .evaluate = false},
        .evaluateOpens = EvaluateOpens::WhileAwaitingUnshown,
        .evaluated = {.newExercise = true, .check = true, .evaluate = false},
    };
    return cycle;
}

std::optional<Evaluation> SubtractionExercise::evaluate()
{
    const VerdictWord word = verdict();
    return evaluateOnce(
        {.verdict = word, .negative = isNegative(word), .counts = checks_.checkedOnce(), .grade = usualGrade(word)});
}

VerdictWord SubtractionExercise::verdictFor(int borrowCount, int errors)
{
    return verdictByErrors(errors, flawlessWordFor(borrowCount));
}

}  // namespace quillo
