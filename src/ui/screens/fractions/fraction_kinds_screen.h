#pragma once

#include "core/exercises/fractions/fraction_kinds/fraction_kinds_exercise.h"
#include "ui/kit/series_screen.h"

#include <array>

namespace quillo {

// Ten fractions in two rows of five, each with its digit labels, its bar
// and one letter cell under the units column.
class FractionKindsScreen final : public SeriesScreen<FractionKindsExercise, FractionKindsExercise::kCount> {
public:
    explicit FractionKindsScreen(Services& services);

    // The bar of fraction i (0 to 9) on the open page.
    const LineShape* bar(int index) const;

protected:
    void build(Page& page) override;
    void newExercise() override;

private:
    static constexpr std::size_t kCount = FractionKindsExercise::kCount;

    // Controls of the open page, rebuilt at every opening.
    struct Column {
        std::array<Label*, 2> numerator{};    // units, tens
        std::array<Label*, 2> denominator{};  // units, tens
        LineShape* bar = nullptr;
    };
    std::array<Column, kCount> columns_{};
};

}  // namespace quillo
