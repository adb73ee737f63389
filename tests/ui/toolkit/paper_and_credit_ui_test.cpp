#include "support/harness.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>

namespace quillo::testing {
namespace {

// The paper right of the last ruled line, where no control stands.
QColor paperBeside(Page& page)
{
    const QImage image = page.grab().toImage();
    const QPoint spot = page.toPixels({9380, 3000}).toPoint();
    return image.pixelColor(spot);
}

TEST(PaperAndCredit, EachFamilyKeepsItsPaperAndSignsWhereItsPageSays)
{
    struct Expected {
        ScreenId screen;
        QRgb paper;
        bool smallCredit;
    };
    const Expected pages[] = {
        {screenOf(ExerciseFamily::Addition), qRgb(0xFF, 0xFF, 0xFF), false},
        {screenOf(ExerciseFamily::Subtraction), qRgb(0xFF, 0xFF, 0xFF), false},
        {screenOf(ExerciseFamily::Multiplication), qRgb(0xFF, 0xFF, 0xFF), false},
        {screenOf(ExerciseFamily::Division), qRgb(0xC0, 0xFF, 0xFF), false},
        {screenOf(ExerciseFamily::FractionConcept), qRgb(0xEE, 0xED, 0xDD), true},
        {screenOf(ExerciseFamily::FractionKinds), qRgb(0xFC, 0xE8, 0xE0), true},
        {screenOf(ExerciseFamily::FractionComparison), qRgb(0xDF, 0xEE, 0xFB), true},
        {screenOf(ExerciseFamily::DecimalFractions), qRgb(0xDD, 0xFD, 0xEC), true},
        {screenOf(ExerciseFamily::PlaceValue), qRgb(0xFF, 0xFF, 0xFF), false},
        {screenOf(ExerciseFamily::DecimalComparison), qRgb(0xFF, 0xFF, 0xFF), false},
    };
    Harness app;
    app.enterName();
    for (const Expected& expected : pages) {
        app.registry.showScreen(expected.screen);
        Harness::settle();
        Page& page = app.page();
        EXPECT_EQ(paperBeside(page).rgb(), expected.paper) << static_cast<int>(expected.screen);

        auto* credit = app.find<Label>(QStringLiteral("footer"));
        ASSERT_NE(credit, nullptr);
        EXPECT_TRUE(credit->isVisible());
        // Whatever its place, the whole line shows.
        EXPECT_LE(QFontMetrics(credit->font()).horizontalAdvance(credit->text()), credit->width())
            << static_cast<int>(expected.screen);
        if (!expected.smallCredit)
            continue;
        const TwipRect place = page.placement(credit);
        EXPECT_EQ(place.x, 840);
        EXPECT_EQ(place.y, 6120);
        const FontSpec font = page.fontOf(credit);
        EXPECT_EQ(font.face, Face::Arial);
        EXPECT_DOUBLE_EQ(font.points, 7.5);
        EXPECT_TRUE(font.bold);
        EXPECT_EQ(credit->textColour(), colour::Blue);
        // Beside "exit", not under it.
        const QRect exit = app.find(QStringLiteral("exitButton"))->geometry();
        EXPECT_GE(credit->geometry().left() + 1, exit.right()) << static_cast<int>(expected.screen);
    }
}

}  // namespace
}  // namespace quillo::testing
