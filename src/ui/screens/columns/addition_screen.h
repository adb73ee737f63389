#pragma once

#include "core/exercises/columns/addition/addition_exercise.h"
#include "ui/kit/column_row.h"
#include "ui/kit/family_screen.h"

#include <array>

namespace quillo {

// Column addition with two or three addends: the pupil picks the number of
// addends, asks for an addition and writes its sum one digit per cell.
class AdditionScreen final : public FamilyScreen<AdditionExercise> {
public:
    explicit AdditionScreen(Services& services);

protected:
    void build(Page& page) override;
    void newExercise() override;
    void check() override;

private:
    static constexpr int kRows = 5;
    // The rules of one layout: a single one under the last addend, a double
    // one under the sum.
    struct Rules {
        std::array<LineShape*, 3> lines{};
        void setVisible(bool visible) const;
    };

    void choose(int addendCount);
    const ColumnRow& row(int number) const { return rows_.at(static_cast<std::size_t>(number - 1)); }
    // The sum's row for two addends (row 4) or three (row 5).
    const ColumnRow& sumRow(int addendCount) const { return row(addendCount == 3 ? 5 : 4); }

    // The number of addends picked by the latest click on a choice box.
    int chosen_ = 2;

    std::array<ColumnRow, kRows> rows_;
    std::array<Label*, 3> signs_{};
    Rules twoAddendRules_;
    Rules threeAddendRules_;
    TextBox* chooseTwo_ = nullptr;
};

}  // namespace quillo
