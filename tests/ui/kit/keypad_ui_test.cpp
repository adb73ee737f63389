#include "whiteboard.h"
#include "support/decimals_script.h"
#include "support/fraction_scripts.h"
#include "ui/kit/digit_cell.h"
#include "ui/toolkit/twips.h"

#include <QScreen>
#include <QToolButton>

#include <cmath>
#include <functional>

namespace quillo::testing {
namespace {

QRect inWindow(const MainWindow& window, const QWidget* widget)
{
    return {widget->mapTo(&window, QPoint()), widget->size()};
}

QString describe(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QString offered(const Keypad& keypad)
{
    QString keys;
    for (int code : keypad.offer())
        keys += code == 8 ? QStringLiteral("<BS>") : QString(QChar(static_cast<char16_t>(code)));
    return keys + (keypad.capitalsKey() ? QStringLiteral("+ABC") : QString());
}

// The keypad beside a page of boxes, with no program around them.
struct KeypadWindow {
    MainWindow window;
    Keypad* keypad = new Keypad;
    Page* page = new Page(QStringLiteral("boxes"));

    explicit KeypadWindow(QSize size)
    {
        window.setSidePanel(keypad);
        window.resize(size);
    }
    DigitCell* cell(const QString& name, TwipPoint at, KeyFilter filter = KeyFilter::Digit, int length = 1) const
    {
        auto* box = page->add<DigitCell>(name, cellAt(at.x, at.y));
        box->configure(filter, colour::LightCyan, length);
        return box;
    }
    void show()
    {
        window.showPage(page);
        window.show();
        if (!window.isSidePanelShown())
            window.toggleSidePanel();
        Harness::settle();
    }
};

TEST(Keypad, OffersExactlyWhatEachKindOfBoxTakes)
{
    KeypadWindow on({1920, 1080});
    const auto cell = [&on](int column, KeyFilter filter, int length = 1) {
        return on.cell(QStringLiteral("cell%1").arg(column), {240 + 600 * column, 480}, filter, length);
    };
    const std::pair<QWidget*, const char*> boxes[] = {
        {cell(0, KeyFilter::Digit), "1234567890"},
        {cell(1, KeyFilter::Decimal, 8), "1234567890,<BS>"},
        {cell(2, KeyFilter::Relation), "<=>"},
        {cell(3, KeyFilter::Kind), "pia"},
        {cell(4, KeyFilter::Mark), "acdhkmsu"},
        {cell(5, KeyFilter::Mark, 4), "acdhkmsu<BS>"},
        {cell(6, KeyFilter::Sign), "<=>"},
        {on.page->add<Button>(QStringLiteral("button"), cellAt(240, 1080)), ""},
    };
    auto* name = on.page->add<TextBox>(QStringLiteral("name"), {240, 1680, 4800, 480});
    setKeypadFilter(*name, KeyFilter::Name);
    name->setMaxLength(40);
    auto* readOnly = cell(7, KeyFilter::Digit);
    readOnly->setReadOnly(true);
    on.show();
    const Keypad& keypad = *on.keypad;

    for (const auto& [box, keys] : boxes) {
        box->setFocus();
        EXPECT_EQ(offered(keypad), QString::fromUtf8(keys)) << box->objectName().toStdString();
    }
    name->setFocus();
    EXPECT_EQ(offered(keypad),
              QStringLiteral("abcdefghijklmnopqrstuvwxyz\u00E0\u00E8\u00E9\u00EC\u00F2\u00F9' 1234567890<BS>+ABC"));
    // "Lo'è" with a capital: Shift holds for one letter only.
    for (QPushButton* key : {keypad.capitalsKey(), keypad.keyFor('l'), keypad.keyFor('o'), keypad.keyFor('\''),
                             keypad.keyFor(0xE8), keypad.keyFor(8), keypad.keyFor(0xE9)})
        QTest::mouseClick(key, Qt::LeftButton);
    EXPECT_EQ(name->text(), QStringLiteral("Lo'\u00E9"));
    EXPECT_TRUE(name->hasFocus());

    readOnly->setFocus();
    EXPECT_EQ(offered(keypad), QString()) << "nothing for a box that cannot be typed in";
    readOnly->clearFocus();
    EXPECT_EQ(offered(keypad), QString()) << "nor with no focus at all";
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
            cells.emplace_back(widget->objectName(), inWindow(app.window, widget));
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
        EXPECT_TRUE(area.contains(inWindow(app.window, key)));
        EXPECT_GE(key->width(), fingerPixels(app) - 1) << "a key a finger can hit";
    }

    const QRect page = inWindow(app.window, &app.page());
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
    if (key >= kCellSize * app.page().pixelsPerTwip() - 1)
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

// A division of this many digits presented from the main menu.
void openDivision(Harness& app, int dividend, int divisor)
{
    const int length = static_cast<int>(QString::number(dividend).size());
    const int lowest = static_cast<int>(std::pow(10, length - 1)) + 1;
    app.enterName();
    app.click(QStringLiteral("divisionButton"));
    app.click(QStringLiteral("dividendLength%1").arg(length));
    app.random.push(drawing(dividend, lowest, lowest + 10 * (lowest - 1) - 2));
    app.random.push(drawing(divisor, 11, 109));
    app.click(QStringLiteral("newExerciseButton"));
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
    openDivision(app, 987654, 23);
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

TEST(KeypadPlacement, ToggleAndKeypadStayClearOfEveryCellInPlay)
{
    const std::pair<const char*, Opening> screens[] = {
        {"name box", nameBox},
        {"three addends", threeAddends},
        {"six-digit division", sixDigitDivision},
        {"fraction comparison", fractionComparison},
        {"place value", placeValue},
    };
    // 4:3, the two 16:10 projectors and 16:9; an empty size stands for full
    // screen on the test platform's own square screen.
    for (const QSize board : {QSize(1024, 768), QSize(1280, 800), QSize(1920, 1080), QSize(1920, 1200), QSize()}) {
        for (const auto& [screen, open] : screens) {
            SCOPED_TRACE(describe(QRect(QPoint(), board)).toStdString() + ", " + screen);
            Harness app(board.isEmpty() ? QSize(951, 687) : board);
            if (board.isEmpty())
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
    const QPoint drop = inWindow(app.window, app.find(QStringLiteral("quotientDigit2"))).topLeft();
    drag(app, drop - start);
    expectKeypadClear(app);
    expectTogglePressable(app);
    EXPECT_LT((keypad.pos() - drop).manhattanLength(), (start - drop).manhattanLength());
}

TEST(KeypadPlacement, MovesOffACellThatAppearsUnderIt)
{
    KeypadWindow on({1024, 768});
    DigitCell* typed = on.cell(QStringLiteral("Typed"), {240, 480});
    on.show();
    typed->setFocus();
    Harness::settle();
    ASSERT_TRUE(on.keypad->isVisible() && !on.window.isSidePanelDocked());

    // With the focus and the keys unchanged, a cell shows up where it floats.
    const TwipPoint middle = on.page->toTwips(on.page->mapFrom(&on.window, on.keypad->geometry().center()));
    DigitCell* late = on.cell(QStringLiteral("Late"), middle);
    late->show();
    Harness::settle();
    EXPECT_FALSE(on.keypad->geometry().intersects(inWindow(on.window, late)));
    EXPECT_TRUE(typed->hasFocus());
}

// The program in full screen on a 16:9 board, 756 : 23 presented. The
// offscreen platform pins a full-screen window to its own small screen: the
// board is a 1920 x 1080 window with the keypad shown.
TEST(Keypad, StandsBesideTheFullScreenPageAndLeavesTheFocusAlone)
{
    Harness app({1920, 1080});
    const Whiteboard on(app, Way::Keypad);
    openDivision(app, 756, 23);
    Keypad& keypad = on.keypad();
    ASSERT_TRUE(app.window.isSidePanelShown() && app.window.isSidePanelDocked());
    const QRect page = inWindow(app.window, &app.page());
    const QRect band = inWindow(app.window, &keypad);
    EXPECT_EQ(page.height(), 1080) << "the page keeps its full size";
    EXPECT_FALSE(page.intersects(band));
    EXPECT_TRUE(app.window.rect().contains(page) && app.window.rect().contains(band));

    auto* cell = app.find<DigitCell>(QStringLiteral("quotientDigit1"));
    EXPECT_TRUE(cell->hasFocus()) << "the first quotient cell waits for its digit";
    EXPECT_EQ(offered(keypad), QStringLiteral("1234567890"));
    for (int code : keypad.offer()) {
        const QRect key = inWindow(app.window, keypad.keyFor(code));
        EXPECT_TRUE(band.contains(key));
        EXPECT_GE(key.width(), cell->width()) << "a key is as large as a cell";
        EXPECT_GE(key.height(), cell->height());
    }

    // The cursor cell wears its outline; the next one takes it on Tab.
    const auto outlined = [](QWidget* widget) {
        return widget->grab().toImage().pixelColor(2, widget->height() / 2) == QColor(0xFF, 0x80, 0x00);
    };
    EXPECT_TRUE(outlined(cell));
    // 756 : 23 is written 3, then 66 under the dividend: Tab goes there.
    QTest::keyClick(cell, Qt::Key_Tab);
    auto* next = app.find<DigitCell>(QStringLiteral("stepRow1Digit2"));
    EXPECT_TRUE(next->hasFocus());
    EXPECT_FALSE(outlined(cell));
    EXPECT_TRUE(outlined(next));

    // F12 and the toggle hide and show it; the cell keeps the keyboard.
    QTest::keyClick(next, Qt::Key_F12);
    EXPECT_FALSE(keypad.isVisible());
    EXPECT_NEAR(inWindow(app.window, &app.page()).center().x(), 960, 1)
        << "without the keypad the page stands in the middle";
    on.tap(app.window.findChild<QToolButton*>(QStringLiteral("keypadToggle")));
    EXPECT_TRUE(keypad.isVisible());
    EXPECT_TRUE(next->hasFocus());
    on.tap(keypad.keyFor('7'));
    EXPECT_EQ(next->text(), QStringLiteral("7"));
    EXPECT_TRUE(next->hasFocus());

    // Full screen brings the keypad unless the pupil chose otherwise.
    Harness fresh;
    fresh.window.setWindowState(Qt::WindowFullScreen);
    EXPECT_TRUE(fresh.window.isSidePanelShown());

    // The marking pen draws with a finger, in its strip only.
    const auto strip = [&app](int x, int y) { return app.page().mapTo(&app.window, app.page().toPixels({x, y}).toPoint()); };
    const int before = app.page().strokeCount();
    QTest::touchEvent(&app.window, touchScreen()).press(0, strip(400, 900), &app.window);
    QTest::touchEvent(&app.window, touchScreen()).move(0, strip(900, 950), &app.window);
    QTest::touchEvent(&app.window, touchScreen()).move(0, strip(1400, 900), &app.window);
    QTest::touchEvent(&app.window, touchScreen()).release(0, strip(1400, 900), &app.window);
    EXPECT_EQ(app.page().strokeCount(), before + 2);
}

TEST(Keypad, FloatsOverANarrowerWindowWhereTheFingerDragsIt)
{
    touchScreen();
    Harness app({1024, 768});
    EXPECT_TRUE(app.window.isSidePanelShown()) << "a touch screen starts with the keypad";
    const Whiteboard on(app, Way::Touch);
    Keypad& keypad = on.keypad();
    EXPECT_TRUE(keypad.isVisible());
    EXPECT_FALSE(app.window.isSidePanelDocked());
    on.press(QStringLiteral("nameBox"));
    EXPECT_TRUE(app.window.rect().contains(keypad.geometry()));
    EXPECT_LT(keypad.width() * keypad.height() * 2, 1024 * 768) << "a small panel";

    // Up and to the left, short of the menu's buttons, which it must not cover.
    const QPoint start = keypad.pos();
    drag(app, -QPoint(100, 150));
    EXPECT_EQ(keypad.pos(), start - QPoint(100, 150));
    on.write(QStringLiteral("nameBox"), QStringLiteral("Ugo"));
    EXPECT_EQ(app.find<TextBox>(QStringLiteral("nameBox"))->text(), QStringLiteral("Ugo"));
    EXPECT_TRUE(app.find(QStringLiteral("divisionButton"))->isEnabled());
}

}  // namespace
}  // namespace quillo::testing
