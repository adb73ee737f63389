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

void Ruling::drawLines(QPainter& painter, double pixelsPerTwip)
{
    const auto px = [pixelsPerTwip](int twips) { return twips * pixelsPerTwip; };
    painter.setPen(QPen(colour(), 1));
    for (int x = kPaperLeft; x <= kPaperRight; x += kSquare)
        painter.drawLine(QPointF(px(x), px(kPaperTop)), QPointF(px(x), px(kPaperBottom)));
    for (int y = kPaperTop; y <= kPaperBottom; y += kSquare)
        painter.drawLine(QPointF(px(kPaperLeft), px(y)), QPointF(px(kPaperRight), px(y)));
}

const Ruling& Ruling::forPage(QSize pixels, double pixelsPerTwip)
{
    auto& rulings = kept();
    for (auto it = rulings.begin(); it != rulings.end(); ++it) {
        if ((*it)->size_ == pixels && (*it)->pixelsPerTwip_ == pixelsPerTwip) {
            std::rotate(rulings.begin(), it, it + 1);
            return *rulings.front();
        }
    }
    if (rulings.size() == kSizesKept)
        rulings.pop_back();
    rulings.insert(rulings.begin(), std::unique_ptr<Ruling>(new Ruling(pixels, pixelsPerTwip)));
    return *rulings.front();
}

Ruling::Ruling(QSize pixels, double pixelsPerTwip) : size_(pixels), pixelsPerTwip_(pixelsPerTwip)
{
    ++drawingsMade;
    QImage lit(pixels, QImage::Format_ARGB32_Premultiplied);
    lit.fill(Qt::transparent);
    {
        QPainter painter(&lit);
        drawLines(painter, pixelsPerTwip);
    }
    const int width = lit.width();
    const int height = lit.height();
    const auto on = [&lit, width, height](int x, int y) {
        return x >= 0 && y >= 0 && x < width && y < height &&
               qAlpha(reinterpret_cast<const QRgb*>(lit.constScanLine(y))[x]) != 0;
    };
    // Every lit pixel lies on a row run or a column run of two or more, or
    // stands alone; their union is exactly what the lines lit.
    std::vector<int> columnRunStart(static_cast<std::size_t>(width), -1);
    for (int y = 0; y <= height; ++y) {
        int rowRunStart = -1;
        for (int x = 0; x <= width; ++x) {
            const bool here = y < height && x < width && on(x, y);
            if (x < width) {
                int& columnStart = columnRunStart[static_cast<std::size_t>(x)];
                if (here && columnStart < 0)
                    columnStart = y;
                if (!here && columnStart >= 0) {
                    if (y - columnStart >= 2)
                        runs_.emplace_back(x, columnStart, 1, y - columnStart);
                    columnStart = -1;
                }
            }
            if (here && rowRunStart < 0)
                rowRunStart = x;
            if (!here && rowRunStart >= 0) {
                if (x - rowRunStart >= 2)
                    runs_.emplace_back(rowRunStart, y, x - rowRunStart, 1);
                rowRunStart = -1;
            }
            if (here && !on(x - 1, y) && !on(x + 1, y) && !on(x, y - 1) && !on(x, y + 1))
                runs_.emplace_back(x, y, 1, 1);
        }
    }
}

void Ruling::paint(QPainter& painter) const
{
    for (const QRect& run : runs_)
        painter.fillRect(run, colour());
}

}  // namespace quillo
