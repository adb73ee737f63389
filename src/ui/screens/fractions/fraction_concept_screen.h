#pragma once

#include "core/exercises/fractions/fraction_concept/fraction_concept_exercise.h"
#include "ui/kit/cell_series.h"
#include "ui/kit/family_screen.h"

#include <array>

namespace quillo {

class DigitCell;
class TextBox;

// The whole on the left, cut into its parts (filled rectangles with a
// transparent click target laid over each), the given fraction and the
// cells of the complementary one on the right, and the two pointer swatches
// at the bottom.
class FractionConceptScreen final : public FamilyScreen<FractionConceptExercise> {
public:
    explicit FractionConceptScreen(Services& services);

    // The rectangle of a part on the open page.
    const RectShape* partShape(int part) const;

protected:
    void build(Page& page) override;
    void newExercise() override;
    void check() override;
    void evaluated(const Evaluation&) override;

private:
    static constexpr std::size_t kParts =
        FractionConceptExercise::kLastPart - FractionConceptExercise::kFirstPart + 1;
    static std::size_t slot(int part) { return static_cast<std::size_t>(part - FractionConceptExercise::kFirstPart); }

    void buildParts(Page& page);
    void buildFraction(Page& page);
    TextBox* addSwatch(Page& page, const QString& name, int left, PartColour colour, const QString& tooltip);
    void keyboardFollowsTheWork(TextBox* red, TextBox* blue) const;
    void choosePointer(PartColour colour);
    void clickPart(int part);
    void hideParts();
    void showPointerCursor() const;

    // Controls of the open page, rebuilt at every opening.
    std::array<RectShape*, kParts> shapes_{};
    std::array<Label*, kParts> targets_{};
    std::array<Label*, 2> givenNumerator_{};    // units, tens
    std::array<Label*, 2> givenDenominator_{};  // units, tens
    // Units first.
    CellSeries<2> complementNumerator_;
    CellSeries<2> complementDenominator_;
    LineShape* givenBar_ = nullptr;
    LineShape* complementBar_ = nullptr;
};

}  // namespace quillo
