#pragma once

#include "core/exercises/decimals/decimal_comparison/decimal_comparison_exercise.h"
#include "ui/kit/series_screen.h"

#include <array>

namespace quillo {

// Three pairs of decimal numbers, each with a relation box between them.
class DecimalComparisonScreen final
    : public SeriesScreen<DecimalComparisonExercise, DecimalComparisonExercise::kPairs> {
public:
    explicit DecimalComparisonScreen(Services& services);

    // Seven character places on each side of a relation box.
    static constexpr int kSideLength = DecimalComparisonExercise::kLongestText;

protected:
    void build(Page& page) override;
    void newExercise() override;

private:
    void showNumbers() const;

    // Per pair, the labels counted from the box outwards: left side, then right.
    std::array<std::array<Label*, 2 * kSideLength>, DecimalComparisonExercise::kPairs> labels_{};
};

}  // namespace quillo
