#pragma once

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
// settles the verdict and grade from the errors its first check finds.
class MultiplicationExercise {
public:
    static constexpr int kOperandSlots = 3;
    static constexpr int kMultiplicandMin = 11;
    static constexpr int kMultiplicandMax = 999;

    // How many columns a row spans, from the units leftwards.
    static int slotCount(WorkRow row);

    // Reseeds the source from the clock and draws a new exercise.
    static MultiplicationExercise draw(MultiplierKind kind, RandomSource& random);

    // A given exercise. Throws std::invalid_argument when the multiplicand is
    // not 11 to 999 or the multiplier is not one of the kind's.
    MultiplicationExercise(MultiplierKind kind, int multiplicand, int multiplier);

    static bool isMultiplierOf(MultiplierKind kind, int multiplier);

    MultiplierKind kind() const { return kind_; }
    int multiplicand() const { return multiplicand_; }
    int multiplier() const { return multiplier_; }
    int multiplierLength() const;

    // The operands' digits by slot (1 = units); empty beyond the number.
    const std::string& multiplicandDigit(int slot) const;
    const std::string& multiplierDigit(int slot) const;

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

    // Compares what the pupil wrote in each answer cell with its digit and
    // returns the wrong cells. Only the first check counts the errors; later
    // ones mark again but leave the verdict as it was.
    using Written = std::function<std::string(WorkCell)>;
    std::vector<WorkCell> check(const Written& written);

    int checksDone() const { return checksDone_; }
    int rowErrors(WorkRow row) const { return rowErrors_[index(row)]; }
    int errorCount() const;
    // Settled by the first check; nothing before it.
    std::optional<VerdictWord> verdict() const;
    std::optional<int> grade() const;
    static bool isNegative(VerdictWord word);

private:
    using Row = std::vector<std::string>;  // index 0 = slot 1, the units
    static std::size_t index(WorkRow row) { return static_cast<std::size_t>(row); }
    static const std::string& at(const Row& row, int slot);

    MultiplierKind kind_;
    int multiplicand_;
    int multiplier_;
    Row multiplicandDigits_;
    Row multiplierDigits_;
    std::array<Row, 4> rows_;
    int productLength_ = 0;
    int checksDone_ = 0;
    std::array<int, 4> rowErrors_{};
};

}  // namespace quillo
