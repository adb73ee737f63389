#pragma once

#include "core/exercises/columns/subtraction/subtraction_exercise.h"
#include "ui/kit/column_row.h"
#include "ui/kit/family_screen.h"

#include <array>

namespace quillo {

// Column subtraction with a minuend up to 999,999: the pupil writes the
// difference in every column of the minuend, leading zeros included.
class SubtractionScreen final : public FamilyScreen<SubtractionExercise> {
public:
    explicit SubtractionScreen(Services& services);

protected:
    void build(Page& page) override;
    void newExercise() override;
    void check() override;

private:
    // The rules start one square left of the minuend's first digit.
    void setRulesLeft(int left) const;

    ColumnRow minuendRow_;
    ColumnRow subtrahendRow_;
    ColumnRow differenceRow_;
    std::array<LineShape*, 3> rules_{};
};

}  // namespace quillo
