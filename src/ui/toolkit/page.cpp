#include "ui/toolkit/page.h"

#include "ui/toolkit/ruling.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <optional>

namespace quillo {

namespace {
// A page at its natural size shows 15 twips per pixel (96 dpi).
constexpr double kNaturalPixelsPerTwip = 1.0 / 15.0;
constexpr double kTwipsPerPoint = 20.0;
constexpr double kTwipsPerPixelWidth = 15.0;
double scaleForNewPages = kNaturalPixelsPerTwip;

struct Home {
    QPalette palette;
    QPointer<QScreen> screen;
};

std::optional<Home>& homeForNewPages()
{
    static std::optional<Home> home;
    return home;
}
}  // namespace

Page::Page(const QString& caption, int widthTwips, int heightTwips)
    : caption_(caption), widthTwips_(widthTwips), heightTwips_(heightTwips)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
    if (const auto& home = homeForNewPages()) {
        setPalette(home->palette);
        if (home->screen)
            setScreen(home->screen);
    }
    resize(static_cast<int>(std::lround(widthTwips * scaleForNewPages)),
           static_cast<int>(std::lround(heightTwips * scaleForNewPages)));
    laidOutFor_ = size();
}

void Page::setScaleForNewPages(double pixelsPerTwip)
{
    if (pixelsPerTwip > 0)
        scaleForNewPages = pixelsPerTwip;
}

void Page::setHomeForNewPages(const QPalette* palette, QScreen* screen)
{
    auto& home = homeForNewPages();
    if (palette)
        home = Home{*palette, screen};
    else
        home.reset();
}

Page::~Page()
{
    // Children go first, while the placements they drop out of still exist.
    const auto children = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* child : children)
        delete child;
}

double Page::pixelsPerTwip() const
{
    return width() > 0 ? static_cast<double>(width()) / widthTwips_ : kNaturalPixelsPerTwip;
}

QWidget* Page::initialFocus() const
{
    const auto takesFocus = [](const QWidget* widget) {
        return (widget->focusPolicy() & Qt::TabFocus) && widget->isEnabled() && !widget->isHidden();
    };
    if (initialFocus_ && placements_.contains(initialFocus_) && takesFocus(initialFocus_))
        return initialFocus_;
    // Without a chosen control, only a box the pupil can type in takes the
    // keyboard: a focused "exit" would end the run at a stray Space.
    const auto children = findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly);
    for (QLineEdit* child : children) {
        if (takesFocus(child) && !child->isReadOnly())
            return child;
    }
    return nullptr;
}

void Page::place(QWidget* widget, TwipRect rect, FontSpec font)
{
    const Placement placement{rect, font};
    placements_.insert(widget, placement);
    QObject::connect(widget, &QObject::destroyed, this,
                     [this, widget] { placements_.remove(widget); });
    layOut(widget, placement);
}

void Page::moveTo(QWidget* widget, TwipRect rect)
{
    auto it = placements_.find(widget);
    if (it == placements_.end())
        return;
    it->rect = rect;
    layOut(widget, *it);
    noteInPlayChanged();
}

void Page::setFontOf(QWidget* widget, FontSpec font)
{
    auto it = placements_.find(widget);
    if (it == placements_.end())
        return;
    it->font = font;
    layOut(widget, *it);
}

TwipRect Page::placement(const QWidget* widget) const
{
    return placements_.value(widget).rect;
}

FontSpec Page::fontOf(const QWidget* widget) const
{
    return placements_.value(widget).font;
}

QFont Page::scaledFont(FontSpec wanted) const
{
    QFont font;
    font.setFamilies(fontFamilies(wanted.face));
    font.setBold(wanted.bold);
    // The script face joins some letters through contextual forms and
    // ligatures that stand for no character of their own: on paper they
    // would drop out of the PDF's text ("F azioni", "Qui o"), for a search,
    // a copy or a screen reader. Its plain forms join as well to the eye.
    if (wanted.face == Face::Script)
        font.setStyleStrategy(QFont::PreferNoShaping);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(twipsToPixels(wanted.points * kTwipsPerPoint)))));
    return font;
}

QRect Page::pixelRect(TwipRect r) const
{
    const int left = static_cast<int>(std::lround(twipsToPixels(r.x)));
    const int top = static_cast<int>(std::lround(twipsToPixels(r.y)));
    const int right = static_cast<int>(std::lround(twipsToPixels(r.x + r.width)));
    const int bottom = static_cast<int>(std::lround(twipsToPixels(r.y + r.height)));
    return {left, top, std::max(1, right - left), std::max(1, bottom - top)};
}

void Page::layOut(QWidget* widget, const Placement& placement)
{
    if (size() != laidOutFor_)
        laidOutFor_ = QSize();
    widget->setGeometry(pixelRect(placement.rect));
    widget->setFont(scaledFont(placement.font));
}

std::vector<Page::InPlay> Page::inPlay() const
{
    std::vector<InPlay> all;
    // Read from the placements, in the page's present scale: a page not yet
    // shown has not laid its controls out for it.
    for (auto it = placements_.cbegin(); it != placements_.cend(); ++it) {
        const QWidget* widget = it.key();
        if (widget->isHidden())
            continue;
        const QRect area = pixelRect(it->rect);
        const auto* label = qobject_cast<const QLabel*>(widget);
        const bool oneSquare = it->rect.width <= kCellSize && it->rect.height <= kCellSize;
        if (!label || oneSquare || (label->focusPolicy() & Qt::TabFocus)) {
            all.push_back({area});
        }
        else if (!label->text().isEmpty()) {
            const int flags = static_cast<int>(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
            const QRect words = QFontMetrics(scaledFont(it->font)).boundingRect(area, flags, label->text());
            all.push_back({words & area, true});
        }
    }
    for (const auto& line : lines_) {
        if (!line->isVisible())
            continue;
        const double halfPen = std::max(1.0, twipsToPixels(line->width() * kTwipsPerPixelWidth)) / 2;
        const QRectF span = QRectF(toPixels(line->from()), toPixels(line->to())).normalized();
        all.push_back({span.adjusted(-halfPen, -halfPen, halfPen, halfPen).toAlignedRect()});
    }
    for (const auto& shape : rects_) {
        if (shape->isVisible())
            all.push_back({pixelRect(shape->rect())});
    }
    const QFontMetricsF printed(scaledFont(printFont_));
    double top = 0;
    for (const auto& line : printed_) {
        all.push_back({QRectF(0, top, printed.horizontalAdvance(line), printed.height()).toAlignedRect(), true});
        top += printed.lineSpacing();
    }
    return all;
}

bool Page::event(QEvent* event)
{
    // A control shown, hidden or given other words asks its parent for a
    // new layout; Qt folds a burst of such requests into one.
    if (event->type() == QEvent::LayoutRequest)
        Q_EMIT inPlayChanged();
    return QWidget::event(event);
}

void Page::noteInPlayChanged()
{
    if (isVisible())
        QCoreApplication::postEvent(this, new QEvent(QEvent::LayoutRequest));
}

void Page::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // A page built hidden hears of its first size only when it is shown,
    // with every control already standing where that size puts it.
    if (size() == laidOutFor_)
        return;
    for (auto it = placements_.cbegin(); it != placements_.cend(); ++it)
        layOut(const_cast<QWidget*>(it.key()), it.value());
    laidOutFor_ = size();
}

std::vector<const LineShape*> Page::lines() const
{
    std::vector<const LineShape*> all;
    for (const auto& line : lines_)
        all.push_back(line.get());
    return all;
}

LineShape* Page::addLine(TwipPoint from, TwipPoint to, int width, Colour colour)
{
    lines_.push_back(std::make_unique<LineShape>([this] {
        update();
        noteInPlayChanged();
    }));
    auto* line = lines_.back().get();
    line->setEnds(from, to);
    line->setWidth(width);
    line->setColour(colour);
    return line;
}

RectShape* Page::addRect(TwipRect rect, Colour fill, int borderWidth)
{
    rects_.push_back(std::make_unique<RectShape>([this] {
        update();
        noteInPlayChanged();
    }));
    auto* shape = rects_.back().get();
    shape->setRect(rect);
    shape->setFill(fill);
    shape->setBorderWidth(borderWidth);
    return shape;
}

void Page::printLine(const QString& text)
{
    printed_.push_back(text);
    update();
    noteInPlayChanged();
}

void Page::clearPrinted()
{
    printed_.clear();
    update();
    noteInPlayChanged();
}

void Page::setPaperToTheBottomEdge()
{
    paperBottom_ = heightTwips_;
    ink_.paperChanged();
    update();
}

void Page::setPaperColour(Colour colour)
{
    paper_ = colour;
    ink_.paperChanged();
    update();
}

void Page::addStroke(TwipPoint from, TwipPoint to, Colour colour, int width)
{
    addToInk({from, to, colour, width});
}

void Page::eraseStroke(TwipPoint from, TwipPoint to, int width)
{
    addToInk({from, to, std::nullopt, width});
}

void Page::addToInk(const InkLayer::Stroke& stroke)
{
    // Only the few pixels a stroke touches need painting again.
    update(ink_.add(stroke).toAlignedRect());
}

TwipPoint Page::toTwips(QPointF pixels) const
{
    const double scale = pixelsPerTwip();
    return {static_cast<int>(std::lround(pixels.x() / scale)), static_cast<int>(std::lround(pixels.y() / scale))};
}

QPointF Page::toPixels(TwipPoint twips) const
{
    return {twipsToPixels(twips.x), twipsToPixels(twips.y)};
}

void Page::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintPaper(painter);
    painter.setRenderHint(QPainter::Antialiasing);
    paintShapes(painter);
    paintPrinted(painter);
}

void Page::paintPaper(QPainter& painter)
{
    if (ink_.isEmpty())
        paintCleanPaper(painter);
    else
        painter.drawImage(QPointF(0, 0), ink_.picture(size(), devicePixelRatioF(), pixelsPerTwip()));
}

void Page::paintCleanPaper(QPainter& painter) const
{
    painter.fillRect(rect(), toQColor(paper_));
    Ruling::forPage(size(), pixelsPerTwip(), paperBottom_).paint(painter);
}

void Page::paintShapes(QPainter& painter) const
{
    const auto penFor = [this](Colour colour, int width) {
        QPen pen(toQColor(colour), std::max(1.0, twipsToPixels(width * kTwipsPerPixelWidth)));
        pen.setCapStyle(Qt::RoundCap);
        return pen;
    };
    for (const auto& shape : rects_) {
        if (!shape->isVisible())
            continue;
        const auto r = shape->rect();
        const QRectF area(toPixels({r.x, r.y}), toPixels({r.x + r.width, r.y + r.height}));
        painter.setBrush(toQColor(shape->fill()));
        if (shape->borderWidth() > 0)
            painter.setPen(penFor(colour::Black, shape->borderWidth()));
        else
            painter.setPen(Qt::NoPen);
        painter.drawRect(area);
    }
    for (const auto& line : lines_) {
        if (!line->isVisible())
            continue;
        painter.setPen(penFor(line->colour(), line->width()));
        painter.drawLine(toPixels(line->from()), toPixels(line->to()));
    }
}

void Page::paintPrinted(QPainter& painter) const
{
    if (printed_.empty())
        return;
    const QFont font = scaledFont(printFont_);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(font);
    double baseline = metrics.ascent();
    for (const auto& line : printed_) {
        painter.drawText(QPointF(0, baseline), line);
        baseline += metrics.lineSpacing();
    }
}

}  // namespace quillo
