#pragma once

#include "core/exercises/columns/multiplication/multiplication_exercise.h"
#include "ui/kit/column_row.h"
#include "ui/kit/family_screen.h"

#include <array>
#include <vector>

namespace quillo {

class LineShape;
class TextBox;

// Column multiplication on squared paper. The pupil picks the kind of
// multiplier ("2", "3" or "P"), "OK" draws an exercise and the pupil writes
// every digit of the partial products and of the product; writing the
// product's leading digit makes "Controllo" available.
class MultiplicationScreen final : public FamilyScreen<MultiplicationExercise> {
public:
    explicit MultiplicationScreen(Services& services);

    // The thick rules of a kind's layout on the page shown, top to bottom.
    std::vector<const LineShape*> rules(MultiplierKind kind) const;

protected:
    void build(Page& page) override;
    void newExercise() override;
    void check() override;

private:
    // The rows of cells on the paper. Each kind writes its product on a row
    // of its own, so that it sits right under its last partial product.
    enum class Line {
        Multiplicand,
        Multiplier,
        Partial1,
        Partial2,
        Partial3,
        ProductOfTwo,
        ProductOfThree,
        ProductOfZeroEnding,
        Count,
    };
    static constexpr std::array kAnswerLines{Line::Partial1,     Line::Partial2,       Line::Partial3,
                                             Line::ProductOfTwo, Line::ProductOfThree, Line::ProductOfZeroEnding};


    void buildCells();
    void buildSigns();
    void buildRules();
    void buildSelectors();

    void selectKind(MultiplierKind kind);
    void showExercise();
    void emptyLayout(MultiplierKind kind) const;
    void moveRules(MultiplierKind kind, int fromX) const;

    const ColumnRow& row(Line line) const { return lines_.at(static_cast<std::size_t>(line)); }
    static Line productLine(MultiplierKind kind);
    static Line lineOf(WorkRow row, MultiplierKind kind);
    DigitCell& cellOf(Line line, int slot) const { return row(line)[static_cast<std::size_t>(slot - 1)]; }
    DigitCell& cellOf(WorkCell cell) const { return cellOf(lineOf(cell.row, exercise_.kind()), cell.slot); }
    void onProductKey(MultiplierKind kind, int slot) const;

    // Survives leaving the screen, as the instance does.

    // The controls of the page on show, rebuilt at every opening.
    // Each line has cells in the columns its longest number can fill.
    std::array<ColumnRow, static_cast<std::size_t>(Line::Count)> lines_;
    std::array<std::vector<LineShape*>, 3> rules_;
    std::array<Label*, 5> signs_{};  // beside the first five lines
    Label* zeroEndingHint_ = nullptr;
};

}  // namespace quillo
