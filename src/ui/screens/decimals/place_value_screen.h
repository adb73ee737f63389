#pragma once

#include "core/exercises/decimals/place_value/place_value_exercise.h"
#include "ui/kit/family_screen.h"

#include <array>

namespace quillo {

// Two decimal numbers with a mark box above every indicated digit.
// Controls: the box of place p of the first number is Text<p> and its digit
// Label<p>; the second number's are Text<p+10> and Label<p+10>.
class PlaceValueScreen final : public FamilyScreen<PlaceValueExercise> {
public:
    explicit PlaceValueScreen(Services& services);

    // The ink of a place's mark box.
    static Colour markColour(int place);

protected:
    void build(Page& page) override;
    void newExercise() override;
    void check() override;

private:
    using Row = std::array<DigitCell*, PlaceValueExercise::kPlaces + 1>;
    DigitCell* addMarkBox(int number, int place, int y);
    void showExercise() const;

    std::array<Row, PlaceValueExercise::kNumbers> boxes_{};
    std::array<std::array<Label*, PlaceValueExercise::kPlaces + 1>, PlaceValueExercise::kNumbers> digits_{};
};

}  // namespace quillo
