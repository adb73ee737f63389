#include "ui/kit/column_row.h"

#include "ui/kit/digit_cell.h"
#include "ui/toolkit/controls.h"
#include "ui/toolkit/page.h"

namespace quillo {

void addPlaceValueHeaders(Page& page, int top, FontSpec font)
{
    for (int column = 1; column <= kPlaceColumns; ++column) {
        const QString text = toQString(placeHeader(column));
        // The box reaches higher than the letters stand, so that the whole
        // height of the line fits in it.
        auto* header = page.add<Label>(QStringLiteral("placeHeader%1").arg(column),
                                       {columnLeft(column), top - 120, kCellSize, 360}, font);
        header->setText(text);
        header->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        header->setTextColour(placeHeaderColour(column));
    }
}

Label* addRowSign(Page& page, const QString& name, int rowTop, const QString& sign)
{
    // Centred on the row's digits, with room for the whole height of the
    // 18-point sign's line.
    auto* label = page.add<Label>(name, {kSignColumnLeft, rowTop + 60, kCellSize, kCellSize - 120}, kSignFont);
    label->setText(sign);
    label->setAlignment(Qt::AlignCenter);
    label->setTextColour(colour::Blue);
    return label;
}

}  // namespace quillo
