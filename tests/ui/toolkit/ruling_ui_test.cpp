#include "support/harness.h"
#include "ui/toolkit/ruling.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPen>

namespace quillo::testing {
namespace {

// The exercise book's squares: 600 twips from (240, 480) to (9240, 6480),
// fifteen across and ten down, each closed on all four sides.
void drawSquares(QPainter& painter, double scale)
{
    painter.setPen(QPen(Ruling::colour(), 1));
    for (int x = 240; x <= 9240; x += 600)
        painter.drawLine(QLineF(x * scale, 480 * scale, x * scale, 6480 * scale));
    for (int y = 480; y <= 6480; y += 600)
        painter.drawLine(QLineF(240 * scale, y * scale, 9240 * scale, y * scale));
}

TEST(Ruling, LightsExactlyThePixelsOfTheSquares)
{
    // The window's sizes of the screenshots and the whiteboard, and odd ones.
    const QSize sizes[] = {{951, 687}, {800, 578}, {1400, 1012}, {1495, 1080}, {1234, 891}, {317, 229}};
    for (const QSize size : sizes) {
        const double scale = static_cast<double>(size.width()) / kPageWidth;
        QImage drawn(size, QImage::Format_RGB32);
        drawn.fill(Qt::white);
        QImage kept = drawn;
        {
            QPainter squares(&drawn);
            drawSquares(squares, scale);
            QPainter runs(&kept);
            Ruling::forPage(size, scale).paint(runs);
        }
        EXPECT_EQ(kept, drawn) << size.width() << "x" << size.height();
    }
}

TEST(Ruling, IsDrawnAgainOnlyWhenThePageChangesScale)
{
    Harness app;
    const auto showAndPaint = [&app](ScreenId screen) {
        app.registry.showScreen(screen);
        app.window.repaint();
        Harness::settle();
    };
    app.window.resize(1111, 802);  // a size no other test rules
    showAndPaint(ScreenId::MainMenu);
    const int drawings = Ruling::drawings();
    for (int i = 0; i < 5; ++i) {
        showAndPaint(ScreenId::FractionsMenu);
        showAndPaint(screenOf(ExerciseFamily::Division));  // paper of another colour
        showAndPaint(ScreenId::MainMenu);
    }
    EXPECT_EQ(Ruling::drawings(), drawings) << "same scale, same ruling";

    app.window.resize(1301, 939);
    showAndPaint(ScreenId::FractionsMenu);
    EXPECT_EQ(Ruling::drawings(), drawings + 1) << "a new scale rules the paper once";
    showAndPaint(ScreenId::MainMenu);
    EXPECT_EQ(Ruling::drawings(), drawings + 1);
}

}  // namespace
}  // namespace quillo::testing
