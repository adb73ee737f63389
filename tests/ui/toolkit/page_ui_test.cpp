#include "support/harness.h"

#include <gtest/gtest.h>

#include <QApplication>
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

}  // namespace
}  // namespace quillo::testing
