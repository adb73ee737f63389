#pragma once

#include "ui/kit/cell_series.h"
#include "ui/kit/family_screen.h"

#include <cstddef>

namespace quillo {

// An exercise screen whose answer is one series of cells, checked as a
// whole: the exercise reads their texts and says which are wrong.
template <typename Exercise, std::size_t N>
class SeriesScreen : public FamilyScreen<Exercise> {
public:
    using FamilyScreen<Exercise>::FamilyScreen;

protected:
    void check() final { cells_.mark(this->exercise_.check(cells_.texts())); }

    CellSeries<N> cells_;
};

}  // namespace quillo
