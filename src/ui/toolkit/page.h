#pragma once

#include "ui/toolkit/ink_layer.h"
#include "ui/toolkit/look.h"
#include "ui/toolkit/shapes.h"
#include "ui/toolkit/twips.h"

#include <QHash>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class QScreen;

namespace quillo {

// One screen's page of squared paper. Everything on it lives in twips: the
// page turns them into pixels with one factor, so a resized window scales the
// paper, the controls, their fonts and the line widths together.
class Page : public QWidget {
    Q_OBJECT

public:
    explicit Page(const QString& caption, int widthTwips = kPageWidth, int heightTwips = kPageHeight);
    ~Page() override;

    // The scale the window will show the next page at. A page built at that
    // size lays out and loads its fonts once, not once for a default size
    // and again when the window fits it.
    static void setScaleForNewPages(double pixelsPerTwip);
    // The colours and the screen a new page will have in the window that
    // shows it, or none away from a window. A page that has them from the
    // start gives every control its colours and its fonts once, rather than
    // once as a window of its own and again when the window takes it.
    static void setHomeForNewPages(const QPalette* palette, QScreen* screen);

    const QString& caption() const { return caption_; }
    int widthTwips() const { return widthTwips_; }
    int heightTwips() const { return heightTwips_; }
    double pixelsPerTwip() const;

    // Children placed in twips, with a font in points that scales too.
    template <typename W>
    W* add(const QString& name, TwipRect rect, FontSpec font = {})
    {
        auto* widget = new W(this);
        widget->setObjectName(name);
        place(widget, rect, font);
        return widget;
    }
    void place(QWidget* widget, TwipRect rect, FontSpec font = {});
    void moveTo(QWidget* widget, TwipRect rect);
    void setFontOf(QWidget* widget, FontSpec font);
    TwipRect placement(const QWidget* widget) const;
    FontSpec fontOf(const QWidget* widget) const;

    LineShape* addLine(TwipPoint from, TwipPoint to, int width = 1, Colour colour = colour::Black);
    RectShape* addRect(TwipRect rect, Colour fill, int borderWidth = 1);
    // The lines drawn on the page, in the order they were added.
    std::vector<const LineShape*> lines() const;

    // Text lines written at the print position, each below the last.
    void printLine(const QString& text);
    void clearPrinted();
    const std::vector<QString>& printedLines() const { return printed_; }

    // The paper under the ruling: white, unless a screen has its own.
    void setPaperColour(Colour colour);
    Colour paperColour() const { return paper_; }
    // The squared paper, in twips: its ruled squares end a strip above the
    // page's bottom edge, unless a page needs them to run on to that edge.
    void setPaperToTheBottomEdge();
    TwipRect paper() const { return {kPaperLeft, kPaperTop, kPaperRight - kPaperLeft, paperBottom_ - kPaperTop}; }

    // Freehand strokes left on the paper by a pen, and strokes that rub
    // them out again down to the clean paper.
    void addStroke(TwipPoint from, TwipPoint to, Colour colour, int width);
    void eraseStroke(TwipPoint from, TwipPoint to, int width);
    int strokeCount() const { return ink_.count(); }
    const InkLayer& ink() const { return ink_; }

    // The control that takes the keyboard when the page is shown; without
    // one, the first enabled box that can be typed in, if any.
    void setInitialFocus(QWidget* widget) { initialFocus_ = widget; }
    QWidget* initialFocus() const;

    TwipPoint toTwips(QPointF pixels) const;
    QPointF toPixels(TwipPoint twips) const;

    // Something the pupil reads or works with on the page, in its pixels.
    struct InPlay {
        QRect area;
        // Words of a caption or an instruction: read once, they may be
        // covered when nothing else is left to cover.
        bool words = false;
    };
    // Every control shown on the page, every shape drawn on it and every
    // printed line. A label that stands on one square counts whole, with
    // its digit or still without; a longer one only where its words stand.
    std::vector<InPlay> inPlay() const;

Q_SIGNALS:
    // What inPlay() answers may have changed: a control was shown, hidden,
    // moved or given new words, or a shape changed. Told once for a burst.
    void inPlayChanged();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Placement {
        TwipRect rect;
        FontSpec font;
    };
    void layOut(QWidget* widget, const Placement& placement);
    QRect pixelRect(TwipRect rect) const;
    void noteInPlayChanged();
    QFont scaledFont(FontSpec font) const;
    double twipsToPixels(double twips) const { return twips * pixelsPerTwip(); }
    void paintPaper(QPainter& painter);
    void paintCleanPaper(QPainter& painter) const;
    void addToInk(const InkLayer::Stroke& stroke);
    void paintShapes(QPainter& painter) const;
    void paintPrinted(QPainter& painter) const;

    QWidget* initialFocus_ = nullptr;
    Colour paper_ = colour::White;
    int paperBottom_ = kPaperBottom;
    QString caption_;
    int widthTwips_;
    int heightTwips_;
    QHash<const QWidget*, Placement> placements_;
    // The size every control was last laid out for, or none while some
    // stand where another size put them.
    QSize laidOutFor_;
    std::vector<std::unique_ptr<RectShape>> rects_;
    std::vector<std::unique_ptr<LineShape>> lines_;
    InkLayer ink_{[this](QPainter& painter) { paintCleanPaper(painter); }};
    std::vector<QString> printed_;
    FontSpec printFont_{Face::Arial, 8, false};
};

}  // namespace quillo
