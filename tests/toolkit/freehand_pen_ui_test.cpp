#include "ui/toolkit/freehand_pen.h"
#include "ui/toolkit/page.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

namespace quillo {
namespace {

// Drives the page with mouse events given in twips.
struct PenOnPage {
    Page page{QStringLiteral("pen")};
    FreehandPen pen{page, {240, 720, 3560, 372}, 5, {{Qt::LeftButton, colour::Blue}, {Qt::RightButton, colour::LightCyan}}};

    PenOnPage() { page.resize(951, 687); }

    void send(QEvent::Type type, TwipPoint at, Qt::MouseButton button, Qt::MouseButtons held)
    {
        const QPointF pixels = page.toPixels(at);
        QMouseEvent event(type, pixels, page.mapToGlobal(pixels), button, held, Qt::NoModifier);
        QApplication::sendEvent(&page, &event);
    }
    void press(TwipPoint at, Qt::MouseButton button) { send(QEvent::MouseButtonPress, at, button, button); }
    void move(TwipPoint at, Qt::MouseButtons held) { send(QEvent::MouseMove, at, Qt::NoButton, held); }
    void release(TwipPoint at, Qt::MouseButton button) { send(QEvent::MouseButtonRelease, at, button, {}); }
};

TEST(FreehandPen, DrawsOnlyWhileAStrokeStaysInItsStrip)
{
    PenOnPage on;
    on.move({500, 800}, Qt::LeftButton);
    EXPECT_EQ(on.page.strokeCount(), 0) << "no stroke before a press";

    on.press({300, 800}, Qt::LeftButton);
    on.move({600, 900}, Qt::LeftButton);
    on.move({3800, 1092}, Qt::LeftButton);  // the strip's far corner still counts
    EXPECT_EQ(on.page.strokeCount(), 2);
    on.move({3900, 900}, Qt::LeftButton);  // out: the stroke ends
    on.move({1000, 900}, Qt::LeftButton);
    EXPECT_EQ(on.page.strokeCount(), 2);
    EXPECT_FALSE(on.pen.isDrawing());

    on.press({300, 800}, Qt::RightButton);
    on.move({400, 800}, Qt::RightButton);
    on.move({500, 800}, Qt::MiddleButton);
    on.release({500, 800}, Qt::RightButton);
    on.move({600, 800}, Qt::RightButton);
    EXPECT_EQ(on.page.strokeCount(), 3) << "right button erases; other buttons and released pens draw nothing";
}

}  // namespace
}  // namespace quillo
