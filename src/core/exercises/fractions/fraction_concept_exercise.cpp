#include "core/exercises/fractions/fraction_concept_exercise.h"

#include "core/kit/digits.h"
#include "core/kit/random_source.h"

#include <algorithm>
#include <cstdlib>

namespace quillo {

namespace {

// How each whole is cut: a grid of equal parts, neighbours overlapping by
// 12 twips so that their borders fall on one line.
struct WholeCut {
    int denominator;
    int firstPart;
    int columns;
    int rows;
    int firstLeft;
    int columnStep;
    int width;
    int height;
};

constexpr int kPartsTop = 1680;
constexpr int kRowStep = 1800;

constexpr std::array<WholeCut, 12> kWholes = {{
    {3, 3, 3, 1, 840, 1800, 1812, 3612},
    {4, 6, 2, 2, 840, 2400, 2412, 1812},
    {5, 10, 5, 1, 240, 1200, 1212, 3612},
    {6, 15, 6, 1, 1440, 600, 612, 3612},
    {7, 21, 7, 1, 840, 600, 612, 3612},
    {8, 28, 8, 1, 840, 600, 612, 3612},
    {9, 36, 9, 1, 240, 600, 612, 3612},
    {10, 45, 10, 1, 240, 600, 612, 3612},
    {11, 55, 11, 1, 240, 480, 492, 3612},
    {12, 66, 12, 1, 240, 480, 492, 3612},
    {13, 78, 13, 1, 600, 480, 492, 3612},
    {14, 91, 7, 2, 840, 600, 612, 1812},
}};

const WholeCut* cutFor(int denominator)
{
    for (const WholeCut& cut : kWholes) {
        if (cut.denominator == denominator)
            return &cut;
    }
    return nullptr;
}

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
    if (const WholeCut* cut = cutFor(denominator)) {
        for (int i = 0; i < cut->denominator; ++i)
            parts.push_back(cut->firstPart + i);
    }
    return parts;
}

int FractionConceptExercise::wholeOf(int part)
{
    for (const WholeCut& cut : kWholes) {
        if (part >= cut.firstPart && part < cut.firstPart + cut.denominator)
            return cut.denominator;
    }
    return 0;
}

PartPlace FractionConceptExercise::partPlace(int part)
{
    const WholeCut* cut = cutFor(wholeOf(part));
    if (!cut)
        return {};
    const int index = part - cut->firstPart;
    const int column = index % cut->columns;
    const int row = index / cut->columns;
    return {cut->firstLeft + cut->columnStep * column, kPartsTop + kRowStep * row, cut->width, cut->height};
}

int FractionConceptExercise::barStart(int denominatorDigits)
{
    return 7440 + 600 * (2 - denominatorDigits);
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
    checks_ = 0;
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
    ++checks_;
    result.firstCheck = checks_ == 1;

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

    if (result.firstCheck) {
        colourErrors_ = colourWrong ? 1 : 0;
        numeratorErrors_ = numeratorErrors;
        denominatorErrors_ = denominatorErrors;
        resultWord_ = totalErrors() == 0 ? VerdictWord::Right : VerdictWord::Wrong;
    }
    return result;
}

FractionConceptExercise::Evaluation FractionConceptExercise::evaluate() const
{
    Evaluation evaluation;
    evaluation.word = resultWord_;
    evaluation.negative = resultWord_ == VerdictWord::Wrong;
    evaluation.countable = presented() && checks_ == 1 && resultWord_.has_value();
    if (resultWord_)
        evaluation.grade = usualGrade(*resultWord_);
    return evaluation;
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
