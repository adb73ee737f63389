#include "ui/toolkit/freehand_pen.h"
#include "ui/toolkit/page.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>

#include <algorithm>
#include <vector>

namespace quillo {
namespace {

// Drives the page with mouse events given in twips.
struct PenOnPage {
    Page page{QStringLiteral("pen")};
    FreehandPen pen{page, {240, 720, 3560, 372}, 5, {{Qt::LeftButton, colour::Blue}, {Qt::RightButton, colour::LightCyan}}};

    PenOnPage()
    {
        page.setPaperColour(colour::LightCyan);
        page.resize(951, 687);
    }

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

TEST(FreehandPen, TheEraserRubsOutDownToTheRuledPaper)
{
    PenOnPage on;
    Page clean{QStringLiteral("clean")};
    clean.setPaperColour(colour::LightCyan);
    clean.resize(on.page.size());
    // Along the strip, across the ruling lines at 1440 and 1560 twips.
    const auto centreLine = [&](Page& page) {
        const QImage image = page.grab().toImage();
        std::vector<QRgb> pixels;
        for (int x = 1250; x <= 1650; x += 5)
            pixels.push_back(image.pixel(page.toPixels({x, 900}).toPoint()));
        return pixels;
    };
    on.press({1200, 900}, Qt::LeftButton);
    on.move({1700, 900}, Qt::LeftButton);
    on.release({1700, 900}, Qt::LeftButton);
    const auto inked = centreLine(on.page);
    EXPECT_TRUE(std::all_of(inked.begin(), inked.end(), [](QRgb p) { return p == toQColor(colour::Blue).rgb(); }));

    on.press({1200, 900}, Qt::RightButton);
    on.move({1700, 900}, Qt::RightButton);
    on.release({1700, 900}, Qt::RightButton);
    EXPECT_EQ(centreLine(on.page), centreLine(clean)) << "the clean paper, ruling and all, shows again";
    EXPECT_NE(centreLine(clean), std::vector<QRgb>(inked.size(), toQColor(colour::LightCyan).rgb()));
}

TEST(FreehandPen, ARepaintCostsTheSameHoweverMuchWasDrawn)
{
    PenOnPage on;
    on.press({300, 800}, Qt::LeftButton);
    on.move({310, 800}, Qt::LeftButton);
    on.page.grab();  // from the first paint on, the inked paper is kept
    for (int move = 1; move < 60000; ++move)
        on.move({300 + move % 3400, 760 + (move / 3400) * 17}, move % 7 ? Qt::LeftButton : Qt::RightButton);
    const int drawn = on.page.ink().strokesDrawn();
    EXPECT_EQ(drawn, 60000) << "each stroke is drawn once, as it comes";
    on.page.grab();
    on.page.grab();
    EXPECT_EQ(on.page.ink().strokesDrawn(), drawn) << "repaints only copy the inked paper";

    on.page.resize(1400, 1011);
    on.page.grab();
    EXPECT_EQ(on.page.ink().strokesDrawn(), drawn + 60000) << "a new scale draws every stroke once more";
    on.page.grab();
    EXPECT_EQ(on.page.ink().strokesDrawn(), drawn + 60000);
}

}  // namespace
}  // namespace quillo
