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
        EXPECT_EQ(paperBeside(page).rgb(), expected.paper);

        auto* credit = app.find<Label>(QStringLiteral("footer"));
        EXPECT_TRUE(credit->isVisible());
        // Whatever its place, the whole line shows.
        EXPECT_LE(QFontMetrics(credit->font()).horizontalAdvance(credit->text()), credit->width());
        if (!expected.smallCredit)
            continue;
        const TwipRect place = page.placement(credit);
        EXPECT_EQ(QPoint(place.x, place.y), QPoint(840, 6120));
        const FontSpec font = page.fontOf(credit);
        EXPECT_TRUE(font.face == Face::Arial && font.points == 7.5 && font.bold);
        EXPECT_EQ(credit->textColour(), colour::Blue);
        // Beside "exit", not under it.
        const QRect exit = app.find(QStringLiteral("exitButton"))->geometry();
        EXPECT_GE(credit->geometry().left() + 1, exit.right());
    }
}

}  // namespace
}  // namespace quillo::testing
