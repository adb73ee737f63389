#include "support/harness.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QTest>

#include <vector>

namespace quillo::testing {
namespace {

TEST(Button, EnterPressesTheFocusedButton)
{
    Harness app;
    app.enterName();
    app.key(QStringLiteral("divisionButton"), Qt::Key_Return);
    Harness::settle();
    EXPECT_EQ(app.registry.current(), screenOf(ExerciseFamily::Division)) << "Enter on \"div2\"";

    app.registry.showScreen(ScreenId::MainMenu);
    Harness::settle();
    auto* add = app.find<Button>(QStringLiteral("additionButton"));
    add->setFocus();
    QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"), true);
    QApplication::sendEvent(add, &held);
    Harness::settle();
    EXPECT_EQ(app.registry.current(), ScreenId::MainMenu) << "a held Enter does not press again";
    app.key(QStringLiteral("additionButton"), Qt::Key_Enter, Qt::KeypadModifier);
    Harness::settle();
    EXPECT_EQ(app.registry.current(), screenOf(ExerciseFamily::Addition)) << "the keypad's Enter";
}

// The heights of the bands of dark rows inside the button's frame: one per
// line of its caption.
std::vector<int> captionLines(Button* button)
{
    const QImage image = button->grab().toImage();
    std::vector<int> bands;
    bool inBand = false;
    for (int y = 3; y < image.height() - 3; ++y) {
        bool ink = false;
        for (int x = 3; x < image.width() - 3 && !ink; ++x)
            ink = qGray(image.pixel(x, y)) < 96;
        if (ink && !inBand)
            bands.push_back(0);
        if (ink)
            ++bands.back();
        inBand = ink;
    }
    return bands;
}

TEST(Button, ACaptionTooWideForItsSquareTakesTwoLinesAtTheUsualSize)
{
    for (QSize size : {QSize(951, 687), QSize(1600, 1156)}) {
        Harness app(size);
        app.enterName();
        app.click(QStringLiteral("fractionsMenuButton"));
        app.click(QStringLiteral("fractionConceptButton"));
        auto* menu = app.find<Button>(QStringLiteral("mainMenuButton"));
        auto* section = app.find<Button>(QStringLiteral("sectionMenuButton"));
        ASSERT_EQ(section->text(), QStringLiteral("Menu fraz"));
        ASSERT_EQ(section->size(), menu->size());
        ASSERT_EQ(section->font(), menu->font());

        const std::vector<int> usual = captionLines(menu);
        const std::vector<int> lines = captionLines(section);
        ASSERT_EQ(usual.size(), 1u);
        ASSERT_EQ(lines.size(), 2u) << "\"Menu\" above \"fraz\"";
        EXPECT_GE(lines[0], usual[0]) << "\"Menu\" as large as on its neighbour";
        EXPECT_GE(lines[1], usual[0] * 9 / 10) << "\"fraz\" as large as its neighbour's caption";
    }
}

}  // namespace
}  // namespace quillo::testing
