#pragma once

#include "core/kit/colours.h"
#include "core/kit/exercise_protocol.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace quillo {

class RandomSource;

// What the pointer paints with, and what a clicked part remembers.
enum class PartColour { None, Red, Blue };

// A proper fraction n/d beside a whole cut into d parts: the pupil colours n
// parts red and the rest blue, in order, and writes the complementary
// fraction. Every whole from thirds to fourteenths has its own parts, numbered
// 3 to 104 across the wholes (the whole of d from d(d-1)/2 on); only the
// whole of the current d is on screen.
class FractionConceptExercise final : public ExerciseProtocol {
public:
    static constexpr int kFirstPart = 3;
    static constexpr int kLastPart = 104;
    static constexpr int kLowestDenominator = 3;
    static constexpr int kHighestDenominator = 14;
    static constexpr int kHighestNumerator = 13;

    // The parts of the whole cut into d, first to last; none for another d.
    static std::vector<int> wholeParts(int denominator);
    // The whole a part belongs to, or 0 for a number that is no part.
    static int wholeOf(int part);

    // Draws n/d with 1 <= n < d <= 14. Part codes are cleared: a new whole
    // is judged only on the clicks made on it. The pointer carries over.
    void newExercise(RandomSource& random);
    bool presented() const { return denominator_ > 0; }

    int numerator() const { return numerator_; }
    int denominator() const { return denominator_; }
    int complement() const { return denominator_ - numerator_; }
    // One-character texts, units first.
    const std::vector<std::string>& numeratorDigits() const { return numeratorDigits_; }
    const std::vector<std::string>& denominatorDigits() const { return denominatorDigits_; }
    const std::vector<std::string>& complementDigits() const { return complementDigits_; }
    std::vector<int> wholeParts() const { return wholeParts(denominator_); }

    void choosePointer(PartColour colour);
    PartColour pointer() const { return pointer_; }

    struct PartClick {
        bool accepted = false;
        Colour paint = colour::White;
        int enablePart = 0;        // the part that opens next, or 0
        bool enableCells = false;  // the last part opens the answer cells
    };
    // Paints a part of the current whole with the pointer. Only parts already
    // reached can be clicked, so the whole is coloured first to last.
    PartClick clickPart(int part);
    bool partReachable(int part) const;
    PartColour partCode(int part) const;

    // Cell texts, index 0 the units; the tens count only where the number
    // has two digits.
    struct Answer {
        std::array<std::string, 2> numerator;
        std::array<std::string, 2> denominator;
    };
    struct CheckResult {
        std::vector<int> whitenedParts;  // surplus parts to show white
        std::array<bool, 2> numeratorWrong{};
        std::array<bool, 2> denominatorWrong{};
    };
    // Errors count, and the result settles, at the first check only; later
    // checks mark again.
    CheckResult check(const Answer& answer);

    int redCount() const { return redCount_; }
    int blueCount() const { return blueCount_; }
    int colourErrors() const { return colourErrors_; }
    int numeratorErrors() const { return numeratorErrors_; }
    int denominatorErrors() const { return denominatorErrors_; }
    int totalErrors() const { return colourErrors_ + numeratorErrors_ + denominatorErrors_; }
    // "Esatto" or "Errato" from the latest first check; kept across exercises.
    std::optional<VerdictWord> resultWord() const { return resultWord_; }

    // "Valutazione": the result word and its grade, counted only for an
    // exercise checked exactly once; every presented exercise weighs in the
    // family's grade.
    std::optional<Evaluation> evaluate() override;

    // A key in the leading denominator cell (0 the units) opens the check,
    // whatever is typed.
    bool opensCheck(std::size_t denominatorCell) const
    {
        return denominatorDigits_.size() == denominatorCell + 1;
    }

    const ButtonCycle& cycle() const override;
    bool canCheck() const override { return presented(); }

private:
    static int slot(int part) { return part - kFirstPart; }

    int numerator_ = 0;
    int denominator_ = 0;
    std::vector<std::string> numeratorDigits_;
    std::vector<std::string> denominatorDigits_;
    std::vector<std::string> complementDigits_;

    PartColour pointer_ = PartColour::None;
    std::array<PartColour, kLastPart - kFirstPart + 1> partCodes_{};
    int reached_ = 0;  // the farthest part the pupil may click

    int redCount_ = 0;
    int blueCount_ = 0;
    int colourErrors_ = 0;
    int numeratorErrors_ = 0;
    int denominatorErrors_ = 0;
    std::optional<VerdictWord> resultWord_;
};

Colour colourOf(PartColour colour);

// The figures the screen prints on the page at each evaluation.
struct ConceptFigures {
    long long gradeTotal = 0;
    long long grade = 0;
    long long checks = 0;
    long long presentedCount = 0;
    long long evaluations = 0;
};

// Texts as they are and numbers with a sign place before and a blank after,
// all run together: "valutazione complessiva 20  6 valutazionecontrollo 1 ...".
std::string diagnosticLine(const ConceptFigures& figures);

}  // namespace quillo
