#include "core/exercises/fractions/fraction_concept/fraction_concept_exercise.h"

#include "core/kit/digits.h"
#include "core/kit/random_source.h"

#include <algorithm>
#include <cstdlib>

namespace quillo {

namespace {

// A generator that keeps returning the same value would otherwise redraw the
// denominator for ever; a real one passes long before.
constexpr int kMostDraws = 1000;

}  // namespace

Colour colourOf(PartColour colour)
{
    switch (colour) {
    case PartColour::Red: return colour::Red;
    case PartColour::Blue: return colour::Blue;
    case PartColour::None: break;
    }
    return colour::White;
}

std::vector<int> FractionConceptExercise::wholeParts(int denominator)
{
    std::vector<int> parts;
    if (denominator >= kLowestDenominator && denominator <= kHighestDenominator) {
        // The wholes before it hold 3 + 4 + ... + (d - 1) parts.
        const int first = denominator * (denominator - 1) / 2;
        for (int i = 0; i < denominator; ++i)
            parts.push_back(first + i);
    }
    return parts;
}

int FractionConceptExercise::wholeOf(int part)
{
    for (int d = kLowestDenominator; d <= kHighestDenominator; ++d) {
        if (part >= d * (d - 1) / 2 && part < d * (d + 1) / 2)
            return d;
    }
    return 0;
}

void FractionConceptExercise::newExercise(RandomSource& random)
{
    random.seedFromClock();
    numerator_ = random.between(1, kHighestNumerator);
    // The denominator is drawn from 3 to 16 and drawn again until it fits.
    int denominator = 0;
    for (int draw = 0; draw < kMostDraws; ++draw) {
        denominator = random.between(kLowestDenominator, 16);
        if (denominator <= kHighestDenominator && denominator > numerator_)
            break;
    }
    if (denominator > kHighestDenominator || denominator <= numerator_)
        denominator = kHighestDenominator;
    denominator_ = denominator;

    numeratorDigits_ = digitTexts(numerator_);
    denominatorDigits_ = digitTexts(denominator_);
    complementDigits_ = digitTexts(complement());

    partCodes_.fill(PartColour::None);
    reached_ = wholeParts().front();
    checks_.reset();
    redCount_ = 0;
    blueCount_ = 0;
    colourErrors_ = 0;
    numeratorErrors_ = 0;
    denominatorErrors_ = 0;
}

void FractionConceptExercise::choosePointer(PartColour colour)
{
    pointer_ = colour;
}

bool FractionConceptExercise::partReachable(int part) const
{
    return presented() && wholeOf(part) == denominator_ && part <= reached_;
}

PartColour FractionConceptExercise::partCode(int part) const
{
    if (part < kFirstPart || part > kLastPart)
        return PartColour::None;
    return partCodes_[static_cast<std::size_t>(slot(part))];
}

FractionConceptExercise::PartClick FractionConceptExercise::clickPart(int part)
{
    PartClick click;
    if (!partReachable(part))
        return click;
    click.accepted = true;
    // Before any swatch the pointer paints white and marks nothing.
    click.paint = colourOf(pointer_);
    partCodes_[static_cast<std::size_t>(slot(part))] = pointer_;
    const std::vector<int> parts = wholeParts();
    if (part == parts.back()) {
        click.enableCells = true;
    } else {
        click.enablePart = part + 1;
        reached_ = std::max(reached_, part + 1);
    }
    return click;
}

FractionConceptExercise::CheckResult FractionConceptExercise::check(const Answer& answer)
{
    CheckResult result;
    if (!presented())
        return result;

    // The stored codes decide, not what is on screen: a whitened part keeps
    // its code and counts again at the next check.
    redCount_ = 0;
    blueCount_ = 0;
    for (int part : wholeParts()) {
        const PartColour code = partCode(part);
        if (code == PartColour::Red && ++redCount_ > numerator_)
            result.whitenedParts.push_back(part);
        if (code == PartColour::Blue && ++blueCount_ > complement())
            result.whitenedParts.push_back(part);
    }
    // Only when both counts are off is the colouring wrong: a part left
    // white for want of a swatch does not by itself spoil a right red count.
    const bool colourWrong = redCount_ != numerator_ && blueCount_ != complement();

    int denominatorErrors = 0;
    for (std::size_t i = 0; i < denominatorDigits_.size(); ++i) {
        result.denominatorWrong[i] = answer.denominator[i] != denominatorDigits_[i];
        denominatorErrors += result.denominatorWrong[i] ? 1 : 0;
    }
    int numeratorErrors = 0;
    for (std::size_t i = 0; i < complementDigits_.size(); ++i) {
        result.numeratorWrong[i] = answer.numerator[i] != complementDigits_[i];
        numeratorErrors += result.numeratorWrong[i] ? 1 : 0;
    }

    const int errors = (colourWrong ? 1 : 0) + numeratorErrors + denominatorErrors;
    if (checks_.noteCheck(errors)) {
        colourErrors_ = colourWrong ? 1 : 0;
        numeratorErrors_ = numeratorErrors;
        denominatorErrors_ = denominatorErrors;
        resultWord_ = errors == 0 ? VerdictWord::Right : VerdictWord::Wrong;
    }
    return result;
}

const ButtonCycle& FractionConceptExercise::cycle() const
{
    static const ButtonCycle cycle{
        .opened = {.newExercise = true, .check = false, .evaluate = false, .answers = false},
        .presented = {.newExercise = true, .check = false, .evaluate = false},
        .locksAnswersAtFirstCheck = true,
        .evaluated = {.check = true, .evaluate = false, .answers = true},
    };
    return cycle;
}

std::optional<Evaluation> FractionConceptExercise::evaluate()
{
    return Evaluation{.verdict = resultWord_,
                      .negative = resultWord_ == VerdictWord::Wrong,
                      .counts = presented() && checks_.checkedOnce() && resultWord_.has_value(),
                      .grade = resultWord_ ? usualGrade(*resultWord_) : 0,
                      .divisor = GradeDivisor::PresentedCount};
}

std::string diagnosticLine(const ConceptFigures& figures)
{
    const auto number = [](long long value) {
        return (value < 0 ? "-" : " ") + std::to_string(std::llabs(value)) + " ";
    };
    return "valutazione complessiva" + number(figures.gradeTotal) + number(figures.grade) + "valutazione" +
           "controllo" + number(figures.checks) + "n frazioni" + number(figures.presentedCount) +
           "n valutazioni" + number(figures.evaluations);
}

}  // namespace quillo
