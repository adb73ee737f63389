#include "ui/toolkit/ink_layer.h"

#include "ui/toolkit/look.h"

#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>

#include <algorithm>

namespace quillo {

namespace {
// Stroke widths are given in screen pixels of the page at its natural size.
constexpr double kTwipsPerPixelWidth = 15.0;
}  // namespace

double InkLayer::penWidth(const Stroke& stroke) const
{
    return std::max(1.0, stroke.width * kTwipsPerPixelWidth * pixelsPerTwip_);
}

QRectF InkLayer::add(const Stroke& stroke)
{
    strokes_.push_back(stroke);
    if (!picture_.isNull()) {
        QPainter painter(&picture_);
        draw(painter, stroke);
    }
    const double reach = penWidth(stroke) / 2 + 2;
    return QRectF(toPixels(stroke.from), toPixels(stroke.to)).normalized().adjusted(-reach, -reach, reach, reach);
}

const QImage& InkLayer::picture(QSize pixels, qreal devicePixelRatio, double pixelsPerTwip)
{
    const QSize device = (QSizeF(pixels) * devicePixelRatio).toSize();
    if (picture_.size() == device && picture_.devicePixelRatio() == devicePixelRatio &&
        pixelsPerTwip_ == pixelsPerTwip)
        return picture_;
    pixelsPerTwip_ = pixelsPerTwip;
    picture_ = QImage(device, QImage::Format_RGB32);
    picture_.setDevicePixelRatio(devicePixelRatio);
    QPainter painter(&picture_);
    paper_(painter);
    for (const Stroke& stroke : strokes_)
        draw(painter, stroke);
    return picture_;
}

void InkLayer::draw(QPainter& painter, const Stroke& stroke)
{
    ++strokesDrawn_;
    painter.setRenderHint(QPainter::Antialiasing);
    if (stroke.ink) {
        QPen pen(toQColor(*stroke.ink), penWidth(stroke));
        pen.setCapStyle(Qt::RoundCap);
        painter.setPen(pen);
        painter.drawLine(toPixels(stroke.from), toPixels(stroke.to));
        return;
    }
    // Erasing lays the clean paper back wherever the stroke passes.
    QPainterPath track(toPixels(stroke.from));
    track.lineTo(toPixels(stroke.to));
    QPainterPathStroker stroker;
    stroker.setWidth(penWidth(stroke));
    stroker.setCapStyle(Qt::RoundCap);
    painter.save();
    painter.setClipPath(stroker.createStroke(track));
    painter.setRenderHint(QPainter::Antialiasing, false);
    paper_(painter);
    painter.restore();
}

}  // namespace quillo
