#pragma once

#include "core/exercises/fractions/fraction_comparison/fraction_comparison_exercise.h"
#include "ui/kit/series_screen.h"

#include <QPointer>

#include <array>

namespace quillo {

class Label;
class LineShape;

// Four pairs of fractions and a relation cell in front of each right one.
class FractionComparisonScreen final
    : public SeriesScreen<FractionComparisonExercise, FractionComparisonExercise::kPairs> {
public:
    explicit FractionComparisonScreen(Services& services);

    // The bar of fraction i (0 to 7) on the open page; bars are painted by
    // the page and have no object name to be found by.
    const LineShape* bar(int index) const { return bars_.at(static_cast<std::size_t>(index)); }

protected:
    void build(Page& page) override;
    void newExercise() override;

private:
    void showFraction(int index);

    // Hundreds, tens, units of each numerator, then of each denominator.
    std::array<QPointer<Label>, 2 * 3 * FractionComparisonExercise::kFractions> digits_{};
    std::array<LineShape*, FractionComparisonExercise::kFractions> bars_{};
};

}  // namespace quillo
