#include "core/sheets/column_paper.h"

#include "core/kit/place_value.h"

namespace quillo::sheets::column_paper {

void placeHeadings(Drawing& drawing)
{
    for (int place = 1; place <= kPlaceColumns; ++place)
        smallText(drawing, squares(columnOf(place), kHeadingRow, 1, 1), std::string(placeHeader(place)), Ink::Heading);
}

void resultRules(Drawing& drawing, int from, int resultRow)
{
    rule(drawing, from, kWidth, resultRow);
    doubleRule(drawing, from, kWidth, resultRow + 1);
}

}  // namespace quillo::sheets::column_paper
