#include "whiteboard.h"
#include "support/decimals_script.h"
#include "support/fraction_scripts.h"
#include "ui/toolkit/twips.h"

#include <QScreen>
#include <QToolButton>

#include <cmath>
#include <functional>

namespace quillo::testing {
namespace {

QRect inWindow(const Harness& app, const QWidget* widget)
{
    return {widget->mapTo(&app.window, QPoint()), widget->size()};
}

QString describe(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// What the pupil must read or press: every box and button shown on the
// page (answer cells, given cells, the name box, selectors, the verdict
// and the standard buttons) and every given digit or sign.
std::vector<std::pair<QString, QRect>> cellsInPlay(const Harness& app)
{
    std::vector<std::pair<QString, QRect>> cells;
    for (const QWidget* widget : app.page().findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const auto* label = qobject_cast<const QLabel*>(widget);
        if (widget->isVisible() && (!label || label->text().trimmed().size() == 1))
            cells.emplace_back(widget->objectName(), inWindow(app, widget));
    }
    return cells;
}

// A fingertip: about a centimetre on the glass.
double fingerPixels(const Harness& app)
{
    return app.window.screen()->physicalDotsPerInch() / 2.54;
}

QToolButton* toggleOf(const Harness& app)
{
    return app.window.findChild<QToolButton*>(QStringLiteral("keypadToggle"));
}

std::vector<QPushButton*> keysOf(const Keypad& keypad)
{
    std::vector<QPushButton*> keys;
    for (int code : keypad.offer())
        keys.push_back(keypad.keyFor(code));
    if (keypad.capitalsKey())
        keys.push_back(keypad.capitalsKey());
    return keys;
}

void expectClearOfCells(const Harness& app, const QRect& area, const char* what)
{
    for (const auto& [name, cell] : cellsInPlay(app))
        EXPECT_FALSE(area.intersects(cell)) << what << " " << describe(area).toStdString() << " covers "
                                            << name.toStdString() << " " << describe(cell).toStdString();
}

void expectTogglePressable(const Harness& app)
{
    const QToolButton* toggle = toggleOf(app);
    const QRect area = toggle->geometry();
    EXPECT_TRUE(toggle->isVisible());
    EXPECT_TRUE(app.window.rect().contains(area)) << describe(area).toStdString();
    // Where a finger lands on it, it is the toggle that is touched.
    for (QPoint at : {area.center(), area.topLeft(), area.topRight(), area.bottomLeft(), area.bottomRight()})
        EXPECT_EQ(app.window.childAt(at), toggle) << "toggle hidden at " << at.x() << "," << at.y();
    const double cell = kCellSize * app.page().pixelsPerTwip();
    EXPECT_GE(area.width(), std::max(cell, fingerPixels(app)) - 1) << "a finger's size and a cell's";
    EXPECT_EQ(area.width(), area.height());
    expectClearOfCells(app, area, "toggle");
}

void expectKeypadClear(const Harness& app)
{
    const Keypad& keypad = *static_cast<const Keypad*>(app.window.sidePanel());
    ASSERT_TRUE(keypad.isVisible());
    const QRect area = keypad.geometry();
    EXPECT_TRUE(app.window.rect().contains(area)) << describe(area).toStdString();
    EXPECT_FALSE(area.intersects(toggleOf(app)->geometry())) << "the keypad covers its toggle";
    expectClearOfCells(app, area, "keypad");
    for (const QPushButton* key : keysOf(keypad)) {
        EXPECT_TRUE(key->isVisible());
        EXPECT_TRUE(area.contains(inWindow(app, key)));
        EXPECT_GE(key->width(), fingerPixels(app) - 1) << "a key a finger can hit";
    }

    const QRect page = inWindow(app, &app.page());
    if (app.window.width() == page.width()) {
        EXPECT_FALSE(app.window.isSidePanelDocked());
        return;
    }
    // A band beside the page holds the keypad, whose keys are as large as
    // the cells or as the band allows: keys a fifth larger, even without
    // gaps, would fit in no shape.
    EXPECT_TRUE(app.window.isSidePanelDocked());
    EXPECT_GE(area.left(), page.right() + 1);
    const auto keys = keysOf(keypad);
    if (keys.empty())
        return;
    const int key = keys.front()->width();
    const double cell = kCellSize * app.page().pixelsPerTwip();
    if (key >= cell - 1)
        return;
    const int count = static_cast<int>(keys.size());
    const double larger = key * 1.2;
    for (int columns = 1; columns <= count; ++columns) {
        const int rows = (count + columns - 1) / columns;
        EXPECT_TRUE(columns * larger > area.width() || rows * larger > area.height())
            << count << " keys of " << key << " px could be " << larger << " px in rows of " << columns << " in "
            << describe(area).toStdString();
    }
}

// Screens as the pupil reaches them from the main menu, an exercise on each.
using Opening = std::function<void(Harness&)>;

void nameBox(Harness& app)
{
    app.find(QStringLiteral("nameBox"))->setFocus();
}

void threeAddends(Harness& app)
{
    app.enterName();
    app.click(QStringLiteral("additionButton"));
    app.click(QStringLiteral("threeAddends"));
    for (int addend : {456789, 123456, 98765})
        app.random.push(drawing(addend, 1, 999'999));
    app.click(QStringLiteral("newExerciseButton"));
}

// 987654 : 23, the quotient's five cells and every step row in play.
void sixDigitDivision(Harness& app)
{
    app.enterName();
    app.click(QStringLiteral("divisionButton"));
    app.click(QStringLiteral("dividendLength6"));
    app.random.push(drawing(987654, 100001, 100001 + 999999 - 1));
    app.random.push(drawing(23, 11, 109));
    app.click(QStringLiteral("newExerciseButton"));
    app.type(QStringLiteral("quotientDigit1"), QStringLiteral("4"));
    app.type(QStringLiteral("stepRow1Digit6"), QStringLiteral("9"));
}

void fractionComparison(Harness& app)
{
    app.enterName();
    app.click(QStringLiteral("fractionsMenuButton"));
    app.click(QStringLiteral("fractionComparisonButton"));
    scriptComparison(app.random, 3, {123, 456, 789, 101, 202, 303, 404, 505}, 3, 997, 1);
    app.click(QStringLiteral("newExerciseButton"));
}

void placeValue(Harness& app)
{
    app.enterName();
    app.click(QStringLiteral("decimalsMenuButton"));
    app.click(QStringLiteral("placeValueButton"));
    scriptPlaceValue(app.random, 3, 6, {{8, 5, 3, 2, 3, 4, 8, 5, 6}, {3, 7, 1, 1, 2, 9, 7, 7, 3}});
    app.click(QStringLiteral("newExerciseButton"));
}

struct Board {
    const char* name;
    QSize size;
    bool fullScreen = false;
};

TEST(KeypadPlacement, ToggleAndKeypadStayClearOfEveryCellInPlay)
{
    const std::pair<const char*, Opening> screens[] = {
        {"name box", nameBox},
        {"three addends", threeAddends},
        {"six-digit division", sixDigitDivision},
        {"fraction comparison", fractionComparison},
        {"place value", placeValue},
    };
    // 4:3, the two 16:10 projectors and 16:9; full screen on the test
    // platform's own square screen.
    const Board boards[] = {{"1024x768", {1024, 768}},
                            {"1280x800", {1280, 800}},
                            {"1920x1080", {1920, 1080}},
                            {"1920x1200", {1920, 1200}},
                            {"full screen", {951, 687}, true}};
    for (const Board& board : boards) {
        for (const auto& [screen, open] : screens) {
            SCOPED_TRACE(std::string(board.name) + ", " + screen);
            Harness app(board.size);
            if (board.fullScreen)
                app.window.setWindowState(Qt::WindowFullScreen);
            // Shown from the start, as full screen and a touch screen show
            // it, while the pupil goes to the screen and cells appear on it.
            const Whiteboard finger(app, Way::Touch);
            open(app);
            Harness::settle();
            ASSERT_TRUE(keypadFilter(app.window.focusWidget())) << "a box to type in";
            expectKeypadClear(app);
            expectTogglePressable(app);
            // Hidden and opened again by the toggle, tapped as a finger does.
            finger.tap(toggleOf(app));
            ASSERT_FALSE(app.window.isSidePanelShown());
            expectTogglePressable(app);
            finger.tap(toggleOf(app));
            expectKeypadClear(app);
            expectTogglePressable(app);
        }
    }
}

// The pupil drags the floating keypad by its grip and lets go of it.
void drag(Harness& app, QPoint by)
{
    QWidget& keypad = *app.window.sidePanel();
    const QPoint grip = keypad.mapTo(&app.window, QPoint(keypad.width() / 2, 5));
    QTest::touchEvent(&app.window, touchScreen()).press(0, grip, &app.window);
    QTest::touchEvent(&app.window, touchScreen()).move(0, grip + by, &app.window);
    QTest::touchEvent(&app.window, touchScreen()).release(0, grip + by, &app.window);
    Harness::settle();
}

TEST(KeypadPlacement, LetGoOverTheQuotientItSlidesToTheNearestFreePlace)
{
    Harness app({1024, 768});
    const Whiteboard finger(app, Way::Touch);
    sixDigitDivision(app);
    const QWidget& keypad = *app.window.sidePanel();
    ASSERT_FALSE(app.window.isSidePanelDocked());

    // Dropped with its corner on the quotient's second cell, it slides off
    // the cells, and no farther than it has to: nearer the drop than where
    // it came from.
    const QPoint start = keypad.pos();
    const QPoint drop = inWindow(app, app.find(QStringLiteral("quotientDigit2"))).topLeft();
    drag(app, drop - start);
    expectKeypadClear(app);
    expectTogglePressable(app);
    EXPECT_LT((keypad.pos() - drop).manhattanLength(), (start - drop).manhattanLength());
}

TEST(KeypadPlacement, MovesOffACellThatAppearsUnderIt)
{
    MainWindow window;
    auto* keypad = new Keypad;
    window.setSidePanel(keypad);
    window.resize(1024, 768);
    auto* page = new Page(QStringLiteral("cells"));
    auto* typed = page->add<DigitCell>(QStringLiteral("Typed"), cellAt(240, 480));
    typed->configure(KeyFilter::Digit, colour::LightCyan);
    window.showPage(page);
    window.show();
    if (!window.isSidePanelShown())
        window.toggleSidePanel();
    typed->setFocus();
    Harness::settle();
    ASSERT_TRUE(keypad->isVisible() && !window.isSidePanelDocked());

    // With the focus and the keys unchanged, a cell shows up where it floats.
    const TwipPoint middle = page->toTwips(page->mapFrom(&window, keypad->geometry().center()));
    auto* late = page->add<DigitCell>(QStringLiteral("Late"), cellAt(middle.x, middle.y));
    late->show();
    Harness::settle();
    EXPECT_FALSE(keypad->geometry().intersects(QRect(late->mapTo(&window, QPoint()), late->size())));
    EXPECT_TRUE(typed->hasFocus());
}

}  // namespace
}  // namespace quillo::testing
