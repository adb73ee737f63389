#include "support/harness.h"
#include "ui/toolkit/ruling.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QTest>

#include <algorithm>

namespace quillo::testing {
namespace {

TEST(Page, ResizingTheWindowScalesEverythingAlikeKeepingTheAspectRatio)
{
    Harness app;
    auto* button = app.find<Button>(QStringLiteral("additionButton"));
    const QRect small = button->geometry();
    const int smallFont = button->font().pixelSize();
    const double smallScale = app.page().pixelsPerTwip();

    app.window.resize(1902, 1374);
    Harness::settle();
    const double factor = app.page().pixelsPerTwip() / smallScale;
    EXPECT_NEAR(factor, 2.0, 0.01);
    const QRect large = button->geometry();
    EXPECT_NEAR(large.width(), small.width() * 2, 2);
    EXPECT_NEAR(large.height(), small.height() * 2, 2);
    EXPECT_NEAR(large.x(), small.x() * 2, 2);
    EXPECT_NEAR(button->font().pixelSize(), smallFont * 2, 1);

    app.window.resize(1600, 600);
    // A touch screen, which the whiteboard tests plug in, opens the keypad
    // in the free band; the page alone is centred.
    if (app.window.isSidePanelShown())
        app.window.toggleSidePanel();
    Harness::settle();
    const QRect area = app.page().geometry();
    EXPECT_EQ(area.height(), 600);
    EXPECT_NEAR(area.width(), 600.0 * 9510 / 6870, 1);
    EXPECT_NEAR(area.x(), (1600 - area.width()) / 2, 1) << "centred";
}

TEST(Page, PutsControlsOnTheirSquaresAndTellsWhatIsInPlayAndWhenThatChanges)
{
    Page page(QStringLiteral("test"));
    page.resize(951, 687);
    auto* moved = page.add<TextBox>(QStringLiteral("moved"), cellAt(840, 1080));
    EXPECT_EQ(moved->geometry(), QRect(84, 108, 61, 61));
    page.moveTo(moved, cellAt(3000, 3000));
    EXPECT_EQ(moved->x(), 300);
    EXPECT_EQ(page.placement(moved), cellAt(3000, 3000));
    moved->hide();
    page.show();
    page.add<TextBox>(QStringLiteral("cell"), cellAt(840, 1080))->show();
    // A square waiting for its digit is in play before it shows one.
    page.add<Label>(QStringLiteral("digit"), cellAt(1440, 1080))->show();
    auto* caption = page.add<Label>(QStringLiteral("caption"), {240, 0, 9000, 480});
    caption->show();
    auto* later = page.add<Button>(QStringLiteral("later"), cellAt(2040, 1080));
    page.addLine({240, 1800}, {2040, 1800}, 2)->setVisible(false);
    QApplication::processEvents();
    const auto areas = [&page](bool words) {
        QList<QRect> found;
        for (const Page::InPlay& thing : page.inPlay()) {
            if (thing.words == words)
                found << thing.area;
        }
        std::sort(found.begin(), found.end(), [](QRect a, QRect b) { return a.x() < b.x(); });
        return found;
    };
    EXPECT_EQ(areas(false), QList<QRect>({QRect(84, 108, 61, 61), QRect(144, 108, 61, 61)}));
    EXPECT_TRUE(areas(true).isEmpty()) << "an empty caption shows nothing";

    int told = 0;
    QObject::connect(&page, &Page::inPlayChanged, [&told] { ++told; });
    caption->setText(QStringLiteral("Esegui"));
    later->show();
    QApplication::processEvents();
    EXPECT_EQ(told, 1) << "once for the burst";
    EXPECT_EQ(areas(false).size(), 3);
    ASSERT_EQ(areas(true).size(), 1);
    const QRect words = areas(true).front();
    EXPECT_EQ(words.left(), caption->x()) << "the words start where the caption does";
    EXPECT_LT(words.width(), caption->width() / 4) << "and take only their own room";
}

TEST(Page, KeepsBlackInkUnderADarkDesktopTheme)
{
    const QPalette desktop = QApplication::palette();
    QPalette dark = desktop;
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        dark.setColor(group, QPalette::WindowText, Qt::white);
        dark.setColor(group, QPalette::Base, QColor(0x20, 0x20, 0x20));
        dark.setColor(group, QPalette::Text, Qt::white);
    }
    QApplication::setPalette(dark);
    {
        Harness app;
        app.enterName();
        app.registry.showScreen(screenOf(ExerciseFamily::Addition));
        Harness::settle();
        // Labels given no colour of their own, in every state.
        for (const char* name : {"footer", "instruction"}) {
            auto* label = app.find<Label>(QString::fromLatin1(name));
            label->setEnabled(false);
            for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
                EXPECT_EQ(label->palette().color(group, QPalette::WindowText), QColor(Qt::black)) << name;
        }
    }
    QApplication::setPalette(desktop);
}

TEST(MainWindow, F11TogglesFullScreen)
{
    Harness app;
    QTest::keyClick(&app.window, Qt::Key_F11);
    EXPECT_TRUE(app.window.windowState() & Qt::WindowFullScreen);
    QTest::keyClick(&app.window, Qt::Key_F11);
    EXPECT_FALSE(app.window.windowState() & Qt::WindowFullScreen);
}

TEST(PaperAndCredit, EachFamilyKeepsItsPaperAndSignsWhereItsPageSays)
{
    using F = ExerciseFamily;
    struct Expected {
        F family;
        QRgb paper;
        bool smallCredit;
    };
    const Expected pages[] = {
        {F::Addition, qRgb(0xFF, 0xFF, 0xFF), false},         {F::Subtraction, qRgb(0xFF, 0xFF, 0xFF), false},
        {F::Multiplication, qRgb(0xFF, 0xFF, 0xFF), false},   {F::Division, qRgb(0xC0, 0xFF, 0xFF), false},
        {F::FractionConcept, qRgb(0xEE, 0xED, 0xDD), true},   {F::FractionKinds, qRgb(0xFC, 0xE8, 0xE0), true},
        {F::FractionComparison, qRgb(0xDF, 0xEE, 0xFB), true}, {F::DecimalFractions, qRgb(0xDD, 0xFD, 0xEC), true},
        {F::PlaceValue, qRgb(0xFF, 0xFF, 0xFF), false},       {F::DecimalComparison, qRgb(0xFF, 0xFF, 0xFF), false},
    };
    Harness app;
    app.enterName();
    for (const Expected& expected : pages) {
        SCOPED_TRACE(static_cast<int>(expected.family));
        app.registry.showScreen(screenOf(expected.family));
        Harness::settle();
        Page& page = app.page();
        // The paper right of the last ruled line, where no control stands.
        EXPECT_EQ(page.grab().toImage().pixel(page.toPixels({9380, 3000}).toPoint()), expected.paper);

        auto* credit = app.find<Label>(QStringLiteral("footer"));
        EXPECT_TRUE(credit->isVisible());
        if (!expected.smallCredit)
            continue;
        const TwipRect place = page.placement(credit);
        EXPECT_EQ(QPoint(place.x, place.y), QPoint(840, 6120));
        const FontSpec font = page.fontOf(credit);
        EXPECT_TRUE(font.face == Face::Arial && font.points == 7.5 && font.bold);
        EXPECT_EQ(credit->textColour(), colour::Blue);
    }
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
            // The exercise book's squares: 600 twips from (240, 480) to
            // (9240, 6480), fifteen across and ten down, each closed on all four sides.
            QPainter squares(&drawn);
            squares.setPen(QPen(Ruling::colour(), 1));
            for (int x = 240; x <= 9240; x += 600)
                squares.drawLine(QLineF(x * scale, 480 * scale, x * scale, 6480 * scale));
            for (int y = 480; y <= 6480; y += 600)
                squares.drawLine(QLineF(240 * scale, y * scale, 9240 * scale, y * scale));
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
