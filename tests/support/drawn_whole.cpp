#include "support/drawn_whole.h"

#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include <optional>

namespace quillo::testing {

namespace {
// A cell is 612 twips on a square of 600: neighbours overlap by these 12
// twips, and a cell on the last square reaches as far past the ruling.
constexpr double kOverhang = kCellSize - kSquare;
// Where a text is measured in pixels, half a pixel of rounding.
constexpr double kPixelSlack = 0.5;

// What a control, a line or a filled rectangle draws, in twips.
struct Item {
    std::string name;
    QRectF area;
    bool shape = false;  // a line or a rectangle the page paints itself
    bool words = false;  // the letters of a caption on the page
};

std::string twips(const QRectF& r)
{
    const auto n = [](double v) { return QString::number(v, 'f', 0).toStdString(); };
    return "(" + n(r.left()) + ";" + n(r.top()) + ")-(" + n(r.right()) + ";" + n(r.bottom()) + ")";
}

std::string pixels(const QSizeF& size)
{
    return QStringLiteral("%1 x %2").arg(size.width(), 0, 'f', 1).arg(size.height(), 0, 'f', 1).toStdString();
}

// Where a label lays out its text, in its own pixels: past its box where
// the text does not fit.
QRectF textLayout(const QLabel& label)
{
    const int flags = static_cast<int>(label.alignment()) | (label.wordWrap() ? Qt::TextWordWrap : 0);
    return QFontMetricsF(label.font()).boundingRect(QRectF(label.contentsRect()), flags, label.text());
}

// The room a text box leaves its line of text: the contents less two pixels
// either side. The box centres the line in it and clips it there.
QRectF textRoom(const QLineEdit& box)
{
    QStyleOptionFrame option;
    option.initFrom(&box);
    option.lineWidth = box.hasFrame() ? box.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &box) : 0;
    const QRect contents = box.style()->subElementRect(QStyle::SE_LineEditContents, &option, &box);
    return QRectF(contents.marginsRemoved(box.textMargins()).adjusted(2, 0, -2, 0));
}

std::optional<std::string> cutText(const QWidget& widget)
{
    QSizeF needs;
    QRectF room;
    if (const auto* label = qobject_cast<const QLabel*>(&widget); label && !label->text().isEmpty()) {
        room = QRectF(label->contentsRect());
        const QRectF laidOut = textLayout(*label);
        if (room.adjusted(-kPixelSlack, -kPixelSlack, kPixelSlack, kPixelSlack).contains(laidOut))
            return std::nullopt;
        needs = laidOut.size();
    } else if (const auto* box = qobject_cast<const QLineEdit*>(&widget); box && !box->text().isEmpty()) {
        const QFontMetricsF metrics(box->font());
        room = textRoom(*box);
        needs = {metrics.horizontalAdvance(box->text()), metrics.height()};
        if (needs.width() <= room.width() + kPixelSlack && needs.height() <= room.height() + kPixelSlack)
            return std::nullopt;
    } else {
        return std::nullopt;
    }
    return "the text of " + widget.objectName().toStdString() + " needs " + pixels(needs) + " pixels, its box gives " +
           pixels(room.size());
}

// What a control draws: the whole rectangle, but only the letters of a
// transparent label, and nothing at all of one without a text: a click
// target laid over a part of a whole, a place where no digit stands.
std::optional<Item> drawnBy(const Page& page, const QWidget& widget)
{
    const std::string name = widget.objectName().toStdString();
    const TwipRect box = page.placement(&widget);
    const auto* label = qobject_cast<const QLabel*>(&widget);
    if (!label || label->autoFillBackground())
        return Item{name, QRectF(box.x, box.y, box.width, box.height)};
    if (label->text().isEmpty())
        return std::nullopt;
    const QRectF text = textLayout(*label);
    const double scale = page.pixelsPerTwip();
    return Item{name,
                QRectF(box.x + text.x() / scale, box.y + text.y() / scale, text.width() / scale, text.height() / scale),
                false, true};
}

// Words head and sign the page (the instruction, a menu's title, the
// pupil's name on the report card, the credit line): they may stand in the
// strips above and below the paper instead of on it, but never across its
// edge.
bool onPaper(const Item& item, const Page& page)
{
    const TwipRect r = page.paper();
    const QRectF paper(r.x, r.y, r.width, r.height);
    const QRectF above(0, 0, page.widthTwips(), paper.top());
    const QRectF below(0, paper.bottom(), page.widthTwips(), page.heightTwips() - paper.bottom());
    return paper.adjusted(-kOverhang, -kOverhang, kOverhang, kOverhang).contains(item.area) ||
           (item.words && (above.contains(item.area) || below.contains(item.area)));
}

// Lines and rectangles are drawn on the paper and may meet one another, as
// the parts of a whole do; a control or a text over any of them hides what
// it covers.
bool overlap(const Item& a, const Item& b)
{
    if (a.shape && b.shape)
        return false;
    const QRectF common = a.area.intersected(b.area);
    return common.width() > kOverhang && common.height() > kOverhang;
}
}  // namespace

std::vector<std::string> drawnWholeFaults(const Page& page, const std::vector<const RectShape*>& rects)
{
    std::vector<std::string> faults;
    std::vector<Item> items;
    for (const QWidget* widget : page.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!widget->isVisibleTo(&page))
            continue;
        if (auto cut = cutText(*widget))
            faults.push_back(*cut);
        if (auto item = drawnBy(page, *widget))
            items.push_back(*item);
    }
    for (const LineShape* line : page.lines()) {
        const QRectF ends = QRectF(QPointF(line->from().x, line->from().y), QPointF(line->to().x, line->to().y))
                                .normalized();
        // Round ends and thickness reach half the thickness past the ends.
        const double reach = line->thickness() / 2.0;
        if (line->isVisible())
            items.push_back({"the line " + twips(ends), ends.adjusted(-reach, -reach, reach, reach), true});
    }
    // A rectangle's border lies on its edges, as the ruling's lines lie on
    // the squares' edges.
    for (const RectShape* rect : rects) {
        const QRectF area(rect->rect().x, rect->rect().y, rect->rect().width, rect->rect().height);
        if (rect->isVisible())
            items.push_back({"the rectangle " + twips(area), area, true});
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!onPaper(items[i], page))
            faults.push_back(items[i].name + " at " + twips(items[i].area) + " does not lie on the paper");
        for (std::size_t j = i + 1; j < items.size(); ++j) {
            if (overlap(items[i], items[j]))
                faults.push_back(items[i].name + " at " + twips(items[i].area) + " and " + items[j].name + " at " +
                                 twips(items[j].area) + " overlap");
        }
    }
    return faults;
}

}  // namespace quillo::testing
