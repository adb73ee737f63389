#pragma once

#include "core/exercises/columns/division/division_exercise.h"
#include "ui/kit/cell_series.h"
#include "ui/kit/family_screen.h"

#include <array>

namespace quillo {

class DigitCell;
class Label;
class TextBox;

// Long division with a two-digit divisor: the pupil picks how many digits
// the dividend has, then writes the quotient and, under the dividend, one
// step row per quotient digit down to the final remainder. A marking pen
// lets the pupil jot over the dividend while working.
class DivisionScreen final : public FamilyScreen<DivisionExercise> {
public:
    explicit DivisionScreen(Services& services);

    // The name of a quotient cell (digit 1 the leftmost) or a step row's
    // (digit 1 the units), indexed as the exercise indexes them.
    static QString cellName(int row, int index);

    // The strip above the dividend where the marking pen writes.
    static constexpr TwipRect kPenStrip{240, 720, 3560, 372};

protected:
    void build(Page& page) override;
    void newExercise() override;
    void check() override;

private:
    void buildCells();
    void buildSelectors();
    void selectDividendDigits(int digits);
    // Empties the whole division on the page and opens or locks each cell
    // as the exercise says.
    void resetPage() const;
    void keyInStepCell(int row, int index) const;
    void keyReleasedInStepCell(int row, int index) const;
    DivisionAnswer answer() const;
    DigitCell& cellAt(DivisionExercise::Place place) const;

    CellSeries<DivisionExercise::kQuotientCells> quotient_;
    // Step row k has 7 - k cells, indexed from the units.
    std::array<CellSeries<6>, DivisionExercise::kStepRows> stepRows_;
    std::array<Label*, DivisionExercise::kStepRows> remainderMarks_{};
    std::array<Label*, DivisionExercise::kDividendCells> dividendDigits_{};
    std::array<Label*, 2> divisorDigits_{};
};

}  // namespace quillo
