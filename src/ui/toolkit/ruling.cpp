#include "ui/toolkit/ruling.h"

#include "ui/toolkit/twips.h"

#include <QImage>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <memory>

namespace quillo {

namespace {
// A window is rarely resized; a few sizes cover moving between the window
// and the full screen and back.
constexpr std::size_t kSizesKept = 4;
int drawingsMade = 0;

std::vector<std::unique_ptr<Ruling>>& kept()
{
    static std::vector<std::unique_ptr<Ruling>> rulings;
    return rulings;
}
}  // namespace

const QColor& Ruling::colour()
{
    static const QColor ruling(0xB8, 0xCC, 0xE4);
    return ruling;
}

int Ruling::drawings()
{
    return drawingsMade;
}

namespace {
// The ruling's lines in pixels: the columns first, then the rows. Paper
// that runs on to the page's edge has its last row cut by that edge.
std::vector<QLineF> linesAt(double pixelsPerTwip, int paperBottom)
{
    const auto px = [pixelsPerTwip](int twips) { return twips * pixelsPerTwip; };
    std::vector<QLineF> lines;
    for (int x = kPaperLeft; x <= kPaperRight; x += kSquare)
        lines.emplace_back(px(x), px(kPaperTop), px(x), px(paperBottom));
    for (int y = kPaperTop; y <= paperBottom; y += kSquare)
        lines.emplace_back(px(kPaperLeft), px(y), px(kPaperRight), px(y));
    return lines;
}

QPen rulingPen()
{
    return QPen(Ruling::colour(), 1);
}
}  // namespace

const Ruling& Ruling::forPage(QSize pixels, double pixelsPerTwip, int paperBottom)
{
    auto& rulings = kept();
    for (auto it = rulings.begin(); it != rulings.end(); ++it) {
        if ((*it)->size_ == pixels && (*it)->pixelsPerTwip_ == pixelsPerTwip && (*it)->paperBottom_ == paperBottom) {
            std::rotate(rulings.begin(), it, it + 1);
            return *rulings.front();
        }
    }
    if (rulings.size() == kSizesKept)
        rulings.pop_back();
    rulings.insert(rulings.begin(), std::unique_ptr<Ruling>(new Ruling(pixels, pixelsPerTwip, paperBottom)));
    return *rulings.front();
}

Ruling::Ruling(QSize pixels, double pixelsPerTwip, int paperBottom)
    : size_(pixels), pixelsPerTwip_(pixelsPerTwip), paperBottom_(paperBottom)
{
    ++drawingsMade;
    // Each line is drawn alone on a strip a few pixels across, moved there
    // by a whole number of pixels, which lights the same pixels as on the
    // page: a page-sized image would cost its page faults at every start,
    // for the few thousand pixels the lines light.
    constexpr int kStrip = 8;
    QImage column(kStrip, pixels.height(), QImage::Format_ARGB32_Premultiplied);
    QImage row(pixels.width(), kStrip, QImage::Format_ARGB32_Premultiplied);
    for (const QLineF& line : linesAt(pixelsPerTwip, paperBottom)) {
        const bool vertical = line.x1() == line.x2();
        QImage& strip = vertical ? column : row;
        // The strip's first pixel stands here on the page.
        const QPoint origin = vertical ? QPoint(static_cast<int>(line.x1()) - kStrip / 2, 0)
                                       : QPoint(0, static_cast<int>(line.y1()) - kStrip / 2);
        strip.fill(Qt::transparent);
        {
            QPainter painter(&strip);
            painter.translate(-origin);
            painter.setPen(rulingPen());
            painter.drawLine(line);
        }
        // The lit pixels of a column line as runs down the page, of a row
        // line as runs across it.
        const auto* pixel = reinterpret_cast<const QRgb*>(strip.constBits());
        const qsizetype perRow = strip.bytesPerLine() / static_cast<qsizetype>(sizeof(QRgb));
        const int across = vertical ? strip.width() : strip.height();
        const int along = vertical ? strip.height() : strip.width();
        const qsizetype stepAcross = vertical ? 1 : perRow;
        const qsizetype stepAlong = vertical ? perRow : 1;
        for (int i = 0; i < across; ++i) {
            int start = -1;
            for (int j = 0; j <= along; ++j) {
                const bool here = j < along && qAlpha(pixel[i * stepAcross + j * stepAlong]) != 0;
                if (here && start < 0)
                    start = j;
                if (!here && start >= 0) {
                    runs_.push_back(vertical ? QRect(origin.x() + i, start, 1, j - start)
                                             : QRect(start, origin.y() + i, j - start, 1));
                    start = -1;
                }
            }
        }
    }
}

void Ruling::paint(QPainter& painter) const
{
    for (const QRect& run : runs_)
        painter.fillRect(run, colour());
}

}  // namespace quillo
