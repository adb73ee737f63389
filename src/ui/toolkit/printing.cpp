#include "ui/toolkit/printing.h"

#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>

namespace quillo {

bool printImage(const QImage& image, QPagedPaintDevice& device)
{
    if (image.isNull())
        return false;
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRect area = painter.viewport();
    QSize size = image.size();
    size.scale(area.size(), Qt::KeepAspectRatio);
    const QRect target(area.x() + (area.width() - size.width()) / 2,
                       area.y() + (area.height() - size.height()) / 2, size.width(), size.height());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image);
    return painter.end();
}

}  // namespace quillo
