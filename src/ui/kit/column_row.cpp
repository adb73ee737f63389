#include "ui/kit/column_row.h"

#include "ui/kit/digit_cell.h"
#include "ui/toolkit/controls.h"
#include "ui/toolkit/page.h"

namespace quillo {

void addPlaceValueHeaders(Page& page, int top, FontSpec font)
{
    for (int column = 1; column <= kPlaceColumns; ++column) {
        const QString text = toQString(placeHeader(column));
        auto* header = page.add<Label>(QStringLiteral("Header_") + text, {columnLeft(column), top, kCellSize, 240}, font);
        header->setText(text);
        header->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        header->setTextColour(placeHeaderColour(column));
    }
}

}  // namespace quillo
