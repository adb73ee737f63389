#pragma once

#include "core/kit/colours.h"
#include "ui/toolkit/twips.h"

#include <QImage>

#include <functional>
#include <optional>
#include <vector>

class QPainter;

namespace quillo {

// Freehand ink soaked into a page's paper. The inked paper is kept as one
// picture at the page's size, so a repaint costs one copy however much was
// drawn; the strokes are kept only to draw that picture again when the page
// changes size or paper.
class InkLayer {
public:
    struct Stroke {
        TwipPoint from;
        TwipPoint to;
        std::optional<Colour> ink;  // none: the stroke erases back to clean paper
        int width;
    };
    // Paints the clean paper, ruling and all, across the page.
    using PaperPainter = std::function<void(QPainter&)>;

    explicit InkLayer(PaperPainter paper) : paper_(std::move(paper)) {}

    // Adds the stroke and, if the picture is current, draws it there at once.
    // Returns the pixels it may have changed.
    QRectF add(const Stroke& stroke);
    bool isEmpty() const { return strokes_.empty(); }
    int count() const { return static_cast<int>(strokes_.size()); }

    // The inked paper at the page's size, drawn again only when that size,
    // its scale or the paper changed since the last time.
    const QImage& picture(QSize pixels, qreal devicePixelRatio, double pixelsPerTwip);
    void paperChanged() { picture_ = QImage(); }

    // Strokes drawn into a picture so far, counting redraws.
    int strokesDrawn() const { return strokesDrawn_; }

private:
    void draw(QPainter& painter, const Stroke& stroke);
    double penWidth(const Stroke& stroke) const;
    QPointF toPixels(TwipPoint twips) const { return {twips.x * pixelsPerTwip_, twips.y * pixelsPerTwip_}; }

    PaperPainter paper_;
    std::vector<Stroke> strokes_;
    QImage picture_;
    double pixelsPerTwip_ = 0;
    int strokesDrawn_ = 0;
};

}  // namespace quillo
