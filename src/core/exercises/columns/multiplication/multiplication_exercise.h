#pragma once

#include "core/kit/digits.h"
#include "core/kit/exercise_protocol.h"
#include "core/kit/verdict_word.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace quillo {

class RandomSource;

// The three kinds of multiplier the pupil can practise.
enum class MultiplierKind {
    TwoDigit,    // 11 to 99
    ThreeDigit,  // 101 to 999
    ZeroEnding,  // 20, 30, ..., 90 and 100, 200, ..., 900: the product alone
};

// The rows the pupil writes, top to bottom. ZeroEnding has only the product;
// Partial3 belongs to ThreeDigit alone.
enum class WorkRow { Partial1, Partial2, Partial3, Product };

// One cell of a work row; slot 1 is the units column.
struct WorkCell {
    WorkRow row;
    int slot;
    friend bool operator==(const WorkCell&, const WorkCell&) = default;
};

// A column multiplication: a multiplicand of two or three digits times a
// multiplier of one kind. It knows the digit expected in every cell of the
// partial products and of the product, placeholder zeros included, and
// settles the verdict and grade from the errors its first check finds. It
// also remembers the kind the pupil picked and which layout still holds the
// digits of an earlier multiplication.
class MultiplicationExercise final : public ExerciseProtocol {
public:
    static constexpr int kOperandSlots = 3;
    static constexpr int kMultiplicandMin = 11;
    static constexpr int kMultiplicandMax = 999;

    // How many columns a row spans, from the units leftwards.
    static int slotCount(WorkRow row);

    // Reseeds the source from the clock and draws a new exercise.
    static MultiplicationExercise draw(MultiplierKind kind, RandomSource& random);

    // Nothing picked and nothing on the page yet.
    MultiplicationExercise() = default;
    // A given exercise, as if on the page. Throws std::invalid_argument when
    // the multiplicand is not 11 to 999 or the multiplier is not one of the kind's.
    MultiplicationExercise(MultiplierKind kind, int multiplicand, int multiplier);

    static bool isMultiplierOf(MultiplierKind kind, int multiplier);

    // A kind selector: the exercise on the page is over. Answers the layout
    // whose cells still hold an earlier multiplication and must be emptied
    // before the chosen kind is laid out, if any.
    std::optional<MultiplierKind> selectKind(MultiplierKind kind);
    // "OK": reseeds the source and draws an exercise of the chosen kind.
    void present(RandomSource& random);

    MultiplierKind kind() const { return kind_; }
    int multiplicand() const { return multiplicand_; }
    int multiplier() const { return multiplier_; }

    // The operands' digits, index 0 the units; empty beyond the number.
    using OperandTexts = std::array<std::string, kOperandSlots>;
    OperandTexts multiplicandDigits() const { return unitsFirst<kOperandSlots>(multiplicand_); }
    OperandTexts multiplierDigits() const { return unitsFirst<kOperandSlots>(multiplier_); }

    // The work rows this kind asks for, top to bottom.
    std::vector<WorkRow> workRows() const;
    // The digit expected in a cell; empty where the row has no digit, and
    // for every cell of a row the kind does not use.
    const std::string& expected(WorkRow row, int slot) const;
    // Every cell the pupil has to fill, row by row from the units leftwards.
    std::vector<WorkCell> answerCells() const;
    int productLength() const { return productLength_; }

    // The hint that ZeroEnding drills this shape: a two-digit multiplier
    // ending in 0, or a three-digit one ending in 00.
    bool showsZeroEndingHint() const;

    // A key in the leading cell of the product of a kind's layout opens
    // "Controllo", when that is the exercise on the page.
    bool opensCheck(MultiplierKind layout, int slot) const
    {
        return onPage_ && layout == kind_ && slot == productLength_;
    }

    // Compares what the pupil wrote in each answer cell with its digit and
    // returns the wrong cells. Only the first check counts the errors; later
    // ones mark again but leave the verdict as it was.
    using Written = std::function<std::string(WorkCell)>;
    std::vector<WorkCell> check(const Written& written);

    // Settled by the first check; nothing before it.
    std::optional<VerdictWord> verdict() const;
    std::optional<int> grade() const;
    static bool isNegative(VerdictWord word) { return isWarning(word); }

    const ButtonCycle& cycle() const override;
    bool canPresent() const override { return selectedKind_.has_value(); }
    // "Valutazione" shows and grades a checked exercise on the page.
    std::optional<Evaluation> evaluate() override;

private:
    using Row = std::vector<std::string>;  // index 0 = slot 1, the units
    static std::size_t index(WorkRow row) { return static_cast<std::size_t>(row); }
    static const std::string& at(const Row& row, int slot);
    void lay(MultiplierKind kind, int multiplicand, int multiplier);

    MultiplierKind kind_ = MultiplierKind::TwoDigit;
    int multiplicand_ = 0;
    int multiplier_ = 0;
    std::array<Row, 4> rows_;
    int productLength_ = 0;

    // Survive leaving the screen, as the exercise does.
    std::optional<MultiplierKind> selectedKind_;
    // The two- or three-digit layout that the last "OK" filled. The round
    // multiplier's own layout is emptied whenever it is picked.
    std::optional<MultiplierKind> filledLayout_;
};

}  // namespace quillo
