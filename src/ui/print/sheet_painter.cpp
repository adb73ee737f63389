#include "ui/print/sheet_painter.h"

#include "ui/toolkit/look.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace quillo {

namespace {

using namespace sheets;

// The sheet's tenths of a millimetre in the painter's pixels. Every length
// is turned into pixels here, text sizes included, so the painter itself is
// never scaled and a font is never sized twice.
struct Paper {
    QPointF origin;
    double scale = 1;  // pixels per tenth of a millimetre

    QPointF at(Point point) const { return origin + QPointF(point.x, point.y) * scale; }
    QRectF at(const Rect& rect) const
    {
        return {at(Point{rect.left, rect.top}), QSizeF(rect.width, rect.height) * scale};
    }
    double length(int units) const { return units * scale; }
};

QPen penOf(const Paper& paper, int width, Colour colour)
{
    QPen pen(toQColor(colour));
    pen.setWidthF(paper.length(width));
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

QFont fontOf(const Paper& paper, int em)
{
    QFont font;
    font.setFamilies(fontFamilies(Face::Arial));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(paper.length(em)))));
    return font;
}

void drawRuling(QPainter& painter, const Paper& paper)
{
    painter.setPen(penOf(paper, kRulingLineWidth, kRulingColour));
    for (int column = 0; column <= kRulingColumns; ++column) {
        const int x = kRuling.left + column * kSquare;
        painter.drawLine(paper.at(Point{x, kRuling.top}), paper.at(Point{x, kRuling.bottom()}));
    }
    for (int row = 0; row <= kRulingRows; ++row) {
        const int y = kRuling.top + row * kSquare;
        painter.drawLine(paper.at(Point{kRuling.left, y}), paper.at(Point{kRuling.right(), y}));
    }
}

void drawBoxes(QPainter& painter, const Paper& paper, const std::vector<Box>& boxes)
{
    painter.setPen(penOf(paper, kBoxBorderWidth, colour::Black));
    for (const Box& box : boxes) {
        painter.setBrush(box.fill == Fill::None ? QBrush(Qt::NoBrush) : QBrush(toQColor(fillColour(box.fill))));
        painter.drawRect(paper.at(box.rect));
    }
    painter.setBrush(Qt::NoBrush);
}

void drawRules(QPainter& painter, const Paper& paper, const std::vector<Rule>& rules)
{
    for (const Rule& rule : rules) {
        painter.setPen(penOf(paper, rule.width, inkColour(rule.ink)));
        painter.drawLine(paper.at(rule.from), paper.at(rule.to));
    }
}

Qt::Alignment alignmentOf(Align align)
{
    switch (align) {
    case Align::Left: return Qt::AlignLeft;
    case Align::Centre: return Qt::AlignHCenter;
    case Align::Right: return Qt::AlignRight;
    }
    return Qt::AlignLeft;
}

// A line of text keeps off the grid line it is aligned to, as handwriting
// keeps off the margin: a millimetre in from its box's side.
constexpr int kTextInset = 10;

void drawTexts(QPainter& painter, const Paper& paper, const std::vector<Text>& texts)
{
    for (const Text& text : texts) {
        painter.setFont(fontOf(paper, text.size));
        painter.setPen(toQColor(inkColour(text.ink)));
        const int inset = text.align == Align::Centre ? 0 : kTextInset;
        const Rect box{text.box.left + inset, text.box.top, text.box.width - 2 * inset, text.box.height};
        painter.drawText(paper.at(box), static_cast<int>(alignmentOf(text.align) | Qt::AlignVCenter) | Qt::TextSingleLine,
                         toQString(text.text));
    }
}

void drawGlyphs(QPainter& painter, const Paper& paper, const std::vector<Glyph>& glyphs)
{
    painter.setFont(fontOf(paper, kGlyphSize));
    for (const Glyph& glyph : glyphs) {
        painter.setPen(toQColor(inkColour(glyph.ink)));
        painter.drawText(paper.at(Rect{glyph.corner.x, glyph.corner.y, kSquare, kSquare}), Qt::AlignCenter,
                         toQString(glyph.text));
    }
}

}  // namespace

void paintSheetPage(QPainter& painter, const Page& page, const QRectF& area)
{
    const Paper paper{area.topLeft(), area.width() / kPageWidth};
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    drawRuling(painter, paper);
    // The order the sheet asks for: what is written goes over what is drawn.
    drawBoxes(painter, paper, page.drawing.boxes);
    drawRules(painter, paper, page.drawing.rules);
    drawTexts(painter, paper, page.drawing.texts);
    drawGlyphs(painter, paper, page.drawing.glyphs);
    painter.restore();
}

bool paintSheet(const Sheet& sheet, QPagedPaintDevice& device)
{
    if (sheet.pages.empty())
        return false;
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // The painter starts at the corner of the printable area; the paper's
    // own corner lies up and left of it by the margins.
    const int dpi = device.logicalDpiY();
    const QPageLayout layout = device.pageLayout();
    const QRectF full = layout.fullRectPixels(dpi);
    const QRectF printable = layout.paintRectPixels(dpi);
    const double scale = std::min(full.width() / kPageWidth, full.height() / kPageHeight);
    const QSizeF page(kPageWidth * scale, kPageHeight * scale);
    const QRectF area(QPointF((full.width() - page.width()) / 2, (full.height() - page.height()) / 2) -
                          printable.topLeft(),
                      page);
    for (std::size_t i = 0; i < sheet.pages.size(); ++i) {
        if (i > 0 && !device.newPage())
            return false;
        paintSheetPage(painter, sheet.pages[i], area);
    }
    return painter.end();
}

}  // namespace quillo
