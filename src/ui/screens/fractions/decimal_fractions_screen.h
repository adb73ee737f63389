#pragma once

#include "core/exercises/fractions/decimal_fractions/decimal_fractions_exercise.h"
#include "ui/kit/series_screen.h"

#include <QPointer>

#include <array>

namespace quillo {

class Label;
class LineShape;

// Four decimal fractions, each with a wide answer cell where the pupil
// types the whole decimal number.
class DecimalFractionsScreen final : public SeriesScreen<DecimalFractionsExercise, DecimalFractionsExercise::kItems> {
public:
    explicit DecimalFractionsScreen(Services& services);

    // The bar of item i (0 to 3) on the open page.
    const LineShape* bar(int index) const { return bars_.at(static_cast<std::size_t>(index)); }

protected:
    void build(Page& page) override;
    void newExercise() override;

private:
    void showItem(int index);
    void releasedIn(int index) const;

    std::array<std::array<QPointer<Label>, 3>, DecimalFractionsExercise::kItems> numerators_{};
    std::array<std::array<QPointer<Label>, 4>, DecimalFractionsExercise::kItems> denominators_{};
    std::array<LineShape*, DecimalFractionsExercise::kItems> bars_{};
};

}  // namespace quillo
