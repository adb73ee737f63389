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
    // One byte a pixel: a page's worth of fresh memory costs its page
    // faults at every start, and only whether a pixel is lit matters here.
    QImage lit(pixels, QImage::Format_Alpha8);
    lit.fill(0);
    {
        QPainter painter(&lit);
        drawLines(painter, pixelsPerTwip);
    }
    const int width = lit.width();
    const int height = lit.height();
    const uchar* bits = lit.constBits();
    const qsizetype stride = lit.bytesPerLine();
    const auto on = [bits, stride, width, height](int x, int y) {
        return x >= 0 && y >= 0 && x < width && y < height && bits[y * stride + x] != 0;
    };
    // Only the rows and columns near a line can hold lit pixels: a page of
    // a whiteboard has a million and a half pixels, its lines a few score
    // thousand, and reading only those keeps a new size cheap at start-up.
    std::vector<bool> nearColumn(static_cast<std::size_t>(width), false);
    std::vector<bool> nearRow(static_cast<std::size_t>(height), false);
    const auto mark = [](std::vector<bool>& near, double at) {
        const int centre = static_cast<int>(at);
        for (int i = centre - 2; i <= centre + 2; ++i) {
            if (i >= 0 && i < static_cast<int>(near.size()))
                near[static_cast<std::size_t>(i)] = true;
        }
    };
    for (int x = kPaperLeft; x <= kPaperRight; x += kSquare)
        mark(nearColumn, x * pixelsPerTwip);
    for (int y = kPaperTop; y <= kPaperBottom; y += kSquare)
        mark(nearRow, y * pixelsPerTwip);
    const auto indices = [](const std::vector<bool>& near) {
        std::vector<int> marked;
        for (std::size_t i = 0; i < near.size(); ++i) {
            if (near[i])
                marked.push_back(static_cast<int>(i));
        }
        return marked;
    };
    const std::vector<int> columns = indices(nearColumn);
    const std::vector<int> rows = indices(nearRow);

    // Every lit pixel lies on a column run or a row run of two or more, or
    // stands alone; their union is exactly what the lines lit. A pixel alone
    // shows as a run of one both ways: it is kept from the column it lies
    // near, or from its row when no column is near.
    const auto keepRun = [&](int x, int y, int length, bool vertical) {
        if (length >= 2)
            runs_.emplace_back(x, y, vertical ? 1 : length, vertical ? length : 1);
        else if (vertical ? !on(x - 1, y) && !on(x + 1, y)
                          : !nearColumn[static_cast<std::size_t>(x)] && !on(x, y - 1) && !on(x, y + 1))
            runs_.emplace_back(x, y, 1, 1);
    };
    for (const int x : columns) {
        int start = -1;
        for (int y = 0; y <= height; ++y) {
            const bool here = y < height && on(x, y);
            if (here && start < 0)
                start = y;
            if (!here && start >= 0) {
                keepRun(x, start, y - start, true);
                start = -1;
            }
        }
    }
    for (const int y : rows) {
        const uchar* row = bits + y * stride;
        int start = -1;
        for (int x = 0; x <= width; ++x) {
            const bool here = x < width && row[x] != 0;
            if (here && start < 0)
                start = x;
            if (!here && start >= 0) {
                keepRun(start, y, x - start, false);
                start = -1;
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
