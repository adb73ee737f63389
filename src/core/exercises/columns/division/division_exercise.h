#pragma once

#include "core/kit/exercise_protocol.h"
#include "core/kit/verdict_word.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace quillo {

class RandomSource;

// What "Controllo" leaves on one cell.
enum class CellMark {
    Right,    // colours unchanged
    RedText,  // differs as text but is not an error: only its text turns red
    Counted,  // an error: white background, red text
};

// The pupil's cells as the check reads them. Quotient cells run from the
// left (quotient[0] is the first quotient digit); each step row runs from
// the right (steps[k - 1][0] is the units column of step row k).
struct DivisionAnswer {
    std::array<std::string, 5> quotient;
    std::array<std::array<std::string, 6>, 5> steps;
};

struct DivisionMarks {
    std::array<CellMark, 5> quotient{};
    std::array<std::array<CellMark, 6>, 5> steps{};
};

// A long division by a two-digit divisor as it is written in an Italian
// exercise book: dividend : divisor = quotient on one line, and under the
// dividend one step row per quotient digit, each holding the remainder of
// the step and the digit brought down, down to the final remainder.
//
// Rows are numbered as the screen lays them out: row 0 is the quotient
// (cells indexed 1..5 from the left), rows 1..5 are the step rows (cells
// indexed from the right, 1 being the units column; row k has 7 - k cells).
class DivisionExercise final : public ExerciseProtocol {
public:
    static constexpr int kQuotientRow = 0;
    static constexpr int kStepRows = 5;
    static constexpr int kQuotientCells = 5;
    static constexpr int kDividendCells = 6;
    static constexpr int cellsInRow(int row) { return row == kQuotientRow ? kQuotientCells : 7 - row; }

    // A selector click, n in 2..6. Whatever division was on the page is
    // wiped with its cells, so nothing can check or grade it any more.
    void selectDividendDigits(int n);
    int dividendDigits() const { return dividendDigits_; }
    int minDividend() const;
    int maxDividend() const;

    // "OK": reseeds the source from the clock and draws a new division in
    // the chosen range.
    void newDivision(RandomSource& random);
    bool hasDivision() const { return quotientLength_ > 0; }

    int dividend() const { return dividend_; }
    int divisor() const { return divisor_; }
    int quotient() const { return quotient_; }
    // L, the number of steps: 1 to 5, 0 while no division is on the page.
    int quotientLength() const { return quotientLength_; }
    // How many digits of the value left after step k (the step's remainder
    // followed by the dividend digits not yet used) stand left of its last
    // L - k digits; k in 1..L, at k = L the width of the final remainder.
    int remainderWidth(int k) const;

    // The given digits, indexed from the right; empty past the number.
    std::string dividendText(int index) const;
    std::string divisorText(int index) const;

    std::string expectedText(int row, int index) const;
    bool isLocked(int row, int index) const;
    // The leftmost cell of the final remainder: a key there shows the
    // remainder mark of its row and lets the pupil ask for the check.
    bool isRemainderLead(int row, int index) const;

    // A cell of the division: row and index as above.
    struct Place {
        int row = 0;
        int index = 0;
        friend bool operator==(const Place&, const Place&) = default;
    };
    // The cells that expect a digit, in the order the division is written:
    // each quotient digit, then under the dividend the partial dividend of
    // its step, read left to right. Empty while no division is on the page.
    std::vector<Place> writingOrder() const;

    // The key released there opens "Controllo" once the cell holds something.
    bool opensCheck(int row, int index, bool written) const { return written && isRemainderLead(row, index); }

    // One press of "Controllo". Only the first press of a division counts
    // the errors and settles the verdict; later ones only mark again.
    DivisionMarks check(const DivisionAnswer& answer);
    // Settled by the first check; nothing before it.
    std::optional<VerdictWord> verdict() const;

    const ButtonCycle& cycle() const override;
    bool canCheck() const override { return hasDivision(); }
    // "Valutazione" always frees the page for a new choice; it shows and
    // grades only a checked division.
    std::optional<Evaluation> evaluate() override;
    // The page was rebuilt empty: the division that was on it is gone with
    // its cells, and nothing may check or grade it against empty cells.
    void withdraw() override;

    // The verdict a division of quotient length L earns with this many errors.
    static VerdictWord verdictFor(int quotientLength, int errors);
    static bool isNegative(VerdictWord verdict) { return isWarning(verdict); }

private:
    void forgetDivision();

    int dividendDigits_ = 2;
    int dividend_ = 0;
    int divisor_ = 0;
    int quotient_ = 0;
    int quotientLength_ = 0;
    std::array<std::string, kQuotientCells> quotientDigits_;
    std::array<int, kStepRows> remainderWidths_{};
    std::array<std::array<std::string, 6>, kStepRows> expectedRows_;
};

}  // namespace quillo
