#include "core/exercises/fractions/fraction_kinds/fraction_kinds_exercise.h"

#include "core/kit/digits.h"
#include "core/kit/random_source.h"

namespace quillo {

FractionKind classify(int numerator, int denominator)
{
    if (denominator != 0 && numerator % denominator == 0)
        return FractionKind::Apparent;
    return numerator < denominator ? FractionKind::Proper : FractionKind::Improper;
}

std::string kindLetter(FractionKind kind)
{
    switch (kind) {
    case FractionKind::Proper: return "p";
    case FractionKind::Improper: return "i";
    case FractionKind::Apparent: return "a";
    }
    return {};
}

int FractionKindsExercise::Fraction::digitWidth() const
{
    return numeratorDigits.size() != denominatorDigits.size()
               ? 2
               : static_cast<int>(numeratorDigits.size());
}

void FractionKindsExercise::newExercise(RandomSource& random)
{
    random.seedFromClock();
    for (Fraction& fraction : fractions_)
        fraction.numerator = random.between(1, kHighest);
    for (Fraction& fraction : fractions_)
        fraction.denominator = random.between(1, kHighest);
    for (Fraction& fraction : fractions_) {
        fraction.numeratorDigits = digitTexts(fraction.numerator);
        fraction.denominatorDigits = digitTexts(fraction.denominator);
    }
    expected_ = {};
    presented_ = true;
    checks_.reset();
    rightAnswers_ = 0;
}

std::string FractionKindsExercise::expectedLetter(int index) const
{
    const Fraction& fraction = fractions_.at(static_cast<std::size_t>(index));
    return kindLetter(classify(fraction.numerator, fraction.denominator));
}

FractionKindsExercise::Marks FractionKindsExercise::check(const std::array<std::string, kCount>& letters)
{
    Marks wrong{};
    if (!presented_)
        return wrong;
    if (!checks_.isChecked()) {
        rightAnswers_ = 0;
        for (std::size_t i = 0; i < kCount; ++i) {
            const Fraction& fraction = fractions_[i];
            expected_[i] = kindLetter(classify(fraction.numerator, fraction.denominator));
            if (letters[i] == expected_[i])
                ++rightAnswers_;
        }
        gradeWord_ = wordFor(rightAnswers_);
    }
    checks_.noteCheck(kCount - rightAnswers_);
    for (std::size_t i = 0; i < kCount; ++i)
        wrong[i] = letters[i] != expected_[i];
    return wrong;
}

std::optional<Evaluation> FractionKindsExercise::evaluate()
{
    return Evaluation{.verdict = gradeWord_,
                      .negative = rightAnswers_ <= 5,
                      .counts = presented_ && checks_.checkedOnce(),
                      .grade = rightAnswers_};
}

VerdictWord FractionKindsExercise::wordFor(int rightAnswers)
{
    switch (rightAnswers) {
    case 6: return VerdictWord::Sufficient;
    case 7: return VerdictWord::Good;
    case 8: return VerdictWord::VeryGood;
    case 9: return VerdictWord::Excellent;
    case 10: return VerdictWord::WellDone;
    default: return rightAnswers > 10 ? VerdictWord::WellDone : VerdictWord::NotGood;
    }
}

}  // namespace quillo
