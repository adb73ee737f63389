#pragma once

#include "core/sheets/sheet.h"

class QPagedPaintDevice;
class QPainter;
class QRectF;

namespace quillo {

// Puts a worksheet on paper as the sheet describes it: the ruling, the
// boxes, rules, texts and digits, each a vector line or a line of real text,
// so a PDF stays sharp at any resolution and every digit can be found in it.

// One page onto the area `paper` stands for (the page's 210 × 297 mm, in
// the painter's pixels).
void paintSheetPage(QPainter& painter, const sheets::Page& page, const QRectF& paper);

// Every page of the sheet, one per sheet of paper: 1:1 on A4, scaled down
// and centred on anything smaller. False when there is nothing to paint or
// the device refuses.
bool paintSheet(const sheets::Sheet& sheet, QPagedPaintDevice& device);

}  // namespace quillo
