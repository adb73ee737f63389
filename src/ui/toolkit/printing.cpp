#include "ui/toolkit/printing.h"

#include <QPainter>
#include <QPicture>
#include <QPrinter>

#include <algorithm>

namespace quillo {

bool printPicture(const QPicture& page, const QSize& size, QPrinter& printer)
{
    if (page.isNull() || size.isEmpty())
        return false;
    printer.setResolution(page.logicalDpiY());
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRect area = painter.viewport();
    const double scale = std::min(static_cast<double>(area.width()) / size.width(),
                                  static_cast<double>(area.height()) / size.height());
    painter.translate(area.x() + (area.width() - size.width() * scale) / 2,
                      area.y() + (area.height() - size.height() * scale) / 2);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPicture(0, 0, page);
    return painter.end();
}

}  // namespace quillo
