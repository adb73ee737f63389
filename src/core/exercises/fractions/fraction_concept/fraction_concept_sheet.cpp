#include "core/exercises/fractions/fraction_concept/fraction_concept_sheet.h"

#include "core/exercises/fractions/fraction_concept/fraction_concept_exercise.h"

namespace quillo::sheets {

namespace {

constexpr int kWholeRows = 4;
// The fractions stand right of the widest whole, thirteen squares, each
// under its caption; their units column is the caption's middle.
constexpr int kCaptionColumn = 14;
constexpr int kCaptionWidth = 8;
constexpr int kUnitsColumn = 18;
constexpr int kGivenRow = 0;       // caption, numerator, denominator
constexpr int kComplementRow = 3;  // the same for the complementary fraction

// How a whole is cut, as on screen: one row of parts, but two rows of two
// for quarters and two rows of seven for fourteenths; thirds, quarters and
// fifths get wide parts, every other whole one square per part.
struct Cut {
    int columns;
    int partWidth;
};

Cut cutOf(int denominator)
{
    switch (denominator) {
    case 3: return {3, 3};
    case 4: return {2, 4};
    case 5: return {5, 2};
    case 14: return {7, 1};
    default: return {denominator, 1};
    }
}

BlockSize size(int)
{
    return {kCaptionColumn + kCaptionWidth, 6};
}

// A fraction's caption, and its bar under the numerator's row over the
// denominator's columns; answers the row of the numerator.
int captionAndBar(Drawing& drawing, int captionRow, std::string_view caption, std::size_t denominatorDigits)
{
    smallText(drawing, squares(kCaptionColumn, captionRow, kCaptionWidth, 1), std::string(caption), Ink::Heading);
    const int numeratorRow = captionRow + 1;
    rule(drawing, kUnitsColumn + 1 - static_cast<int>(denominatorDigits), kUnitsColumn + 1, numeratorRow + 1);
    return numeratorRow;
}

void answerBoxes(Drawing& drawing, std::size_t count, int row)
{
    for (std::size_t i = 0; i < count; ++i)
        box(drawing, squares(kUnitsColumn - static_cast<int>(i), row, 1, 1));
}

ExerciseBlock draw(RandomSource& random, int)
{
    FractionConceptExercise exercise;
    exercise.newExercise(random);

    ExerciseBlock block;
    const std::vector<int> parts = exercise.wholeParts();
    const Cut cut = cutOf(static_cast<int>(parts.size()));
    const int partRows = static_cast<int>(parts.size()) / cut.columns;
    const int partHeight = kWholeRows / partRows;
    for (int i = 0; i < static_cast<int>(parts.size()); ++i) {
        const Rect part =
            squares(i % cut.columns * cut.partWidth, i / cut.columns * partHeight, cut.partWidth, partHeight);
        box(block.given, part);
        // The pupil colours the parts first to last: n red, the rest blue.
        box(block.answers, part, i < exercise.numerator() ? Fill::Red : Fill::Blue);
    }

    const std::size_t denominatorDigits = exercise.denominatorDigits().size();
    const int given = captionAndBar(block.given, kGivenRow, "Frazione data", denominatorDigits);
    putUnitsFirst(block.given, exercise.numeratorDigits(), kUnitsColumn, given, Ink::Given);
    putUnitsFirst(block.given, exercise.denominatorDigits(), kUnitsColumn, given + 1, Ink::Given);

    const int complement = captionAndBar(block.given, kComplementRow, "Frazione complementare", denominatorDigits);
    answerBoxes(block.given, exercise.complementDigits().size(), complement);
    answerBoxes(block.given, denominatorDigits, complement + 1);
    putUnitsFirst(block.answers, exercise.complementDigits(), kUnitsColumn, complement, Ink::Answer);
    putUnitsFirst(block.answers, exercise.denominatorDigits(), kUnitsColumn, complement + 1, Ink::Answer);
    return block;
}

}  // namespace

const FamilySheet& fractionConceptSheet()
{
    static const FamilySheet sheet{
        .name = "concetto-frazione",
        .title = "Concetto di frazione e frazione complementare",
        .size = size,
        .draw = draw,
    };
    return sheet;
}

}  // namespace quillo::sheets
