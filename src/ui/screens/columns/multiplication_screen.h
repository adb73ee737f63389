#pragma once

#include "core/exercises/columns/multiplication_exercise.h"
#include "ui/kit/exercise_screen.h"

#include <array>
#include <optional>
#include <vector>

namespace quillo {

class LineShape;
class TextBox;

// Column multiplication on squared paper. The pupil picks the kind of
// multiplier ("2", "3" or "P"), "OK" draws an exercise and the pupil writes
// every digit of the partial products and of the product; writing the
// product's leading digit makes "Controllo" available.
class MultiplicationScreen final : public ExerciseScreen {
public:
    explicit MultiplicationScreen(Services& services);

    const std::optional<MultiplicationExercise>& exercise() const { return exercise_; }
    // The thick rules of a kind's layout on the page shown, top to bottom.
    std::vector<const LineShape*> rules(MultiplierKind kind) const;

protected:
    ExerciseLayout layout() const override;
    void build(Page& page) override;
    void load() override;
    void newExercise() override;
    void check() override;
    void evaluate() override;

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
    };

    void buildCells();
    void buildSigns();
    void buildRules();
    void buildSelectors();

    void selectKind(MultiplierKind kind);
    void showExercise();
    void enableSelectors(bool enabled) const;
    void emptyLayout(MultiplierKind kind) const;
    void moveRules(MultiplierKind kind, int fromX) const;
    void showLine(Line line, bool visible) const;
    void emptyLine(Line line) const;

    static Line productLine(MultiplierKind kind);
    static Line lineOf(WorkRow row, MultiplierKind kind);
    DigitCell* cellOf(Line line, int slot) const;
    void onProductKey(MultiplierKind kind, int slot) const;

    // Survive leaving the screen, as the instance does.
    std::optional<MultiplierKind> selectedKind_;
    bool zeroEndingSelected_ = false;
    int lastMultiplierLength_ = 0;
    std::optional<MultiplicationExercise> exercise_;

    // The controls of the page on show, rebuilt at every opening.
    std::array<std::vector<DigitCell*>, 8> lines_;
    std::array<std::vector<LineShape*>, 3> rules_;
    std::array<TextBox*, 3> selectors_{};
    std::array<Label*, 5> signs_{};  // Label8 to Label12
    Label* zeroEndingHint_ = nullptr;
};

}  // namespace quillo
