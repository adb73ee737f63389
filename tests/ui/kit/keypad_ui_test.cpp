#include "support/decimals_script.h"
#include "support/fraction_scripts.h"
#include "support/scenes.h"
#include "ui/kit/digit_cell.h"
#include "ui/kit/keypad.h"
#include "ui/screens/columns/column_driving.h"
#include "ui/toolkit/twips.h"

#include <gtest/gtest.h>

#include <QPointingDevice>
#include <QPushButton>
#include <QScreen>
#include <QStringList>
#include <QTest>
#include <QToolButton>

#include <functional>

namespace quillo::testing {
namespace {

// How a pupil answers: at a keyboard with a mouse, at the whiteboard with
// the mouse and the on-screen keypad, or with a finger alone.
enum class Way { Typed, Keypad, Touch };

QPointingDevice* touchScreen()
{
    static QPointingDevice* device = QTest::createTouchDevice();
    return device;
}

// Drives a whole program one way; the same script then runs every way.
struct Whiteboard {
    Harness& app;
    Way way;

    Whiteboard(Harness& harness, Way how) : app(harness), way(how)
    {
        if (way != Way::Typed && !app.window.isSidePanelShown())
            app.window.toggleSidePanel();
    }
    Keypad& keypad() const { return *static_cast<Keypad*>(app.window.sidePanel()); }

    void tap(QWidget* widget) const
    {
        if (way == Way::Touch) {
            const QPoint at = widget->mapTo(&app.window, widget->rect().center());
            QTest::touchEvent(&app.window, touchScreen()).press(0, at, &app.window);
            QTest::touchEvent(&app.window, touchScreen()).release(0, at, &app.window);
        } else {
            QTest::mouseClick(widget, Qt::LeftButton);
        }
        Harness::settle();
    }
    void press(const QString& name) const { tap(app.find(name)); }
    // Writes into a box: typed at the keyboard, or the box tapped and then
    // each character tapped on the keypad (a capital after its key).
    void write(const QString& name, const QString& text) const
    {
        if (way == Way::Typed) {
            app.type(name, text);
            return;
        }
        press(name);
        for (QChar c : text) {
            if (c.isUpper())
                tap(keypad().capitalsKey());
            QPushButton* key = keypad().keyFor(c.toLower().unicode());
            ASSERT_NE(key, nullptr) << "no key for " << QString(c).toStdString();
            tap(key);
        }
    }
};

// Everything a pupil can see of a page's boxes and buttons, and the grades.
QStringList pageState(const Harness& app)
{
    QStringList state;
    for (const TextBox* box : app.page().findChildren<TextBox*>())
        state << QStringLiteral("%1 '%2' %3/%4 %5%6")
                     .arg(box->objectName(), box->text())
                     .arg(box->background(), 0, 16)
                     .arg(box->textColour(), 0, 16)
                     .arg(box->isEnabled() ? QLatin1Char('E') : QLatin1Char('-'))
                     .arg(box->isVisibleTo(&app.page()) ? QLatin1Char('V') : QLatin1Char('-'));
    for (const Button* button : app.page().findChildren<Button*>())
        state << button->objectName() + (button->isEnabled() ? QStringLiteral(" on") : QStringLiteral(" off"));
    for (ExerciseFamily family : kAllFamilies)
        state << QStringLiteral("grade %1: %2").arg(static_cast<int>(family)).arg(app.board.grade(family));
    state << QString::fromStdString(app.board.pupilName());
    state.sort();
    return state;
}

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

// A cell of its own on the page shown.
DigitCell* addCell(const Harness& app, const QString& name, TwipPoint at, KeyFilter filter = KeyFilter::Digit,
                   int length = 1)
{
    auto* cell = app.page().add<DigitCell>(name, cellAt(at.x, at.y));
    cell->configure(filter, colour::LightCyan, length);
    cell->show();
    return cell;
}

TEST(Keypad, OffersWhatTheFocusedBoxTakes)
{
    Harness app({1920, 1080});
    const Whiteboard on(app, Way::Keypad);
    const Keypad& keypad = on.keypad();
    // What each filter takes is the core's to say; the keypad follows the
    // box with the keyboard, and its length, which brings Backspace.
    const std::pair<QWidget*, const char*> boxes[] = {
        {addCell(app, QStringLiteral("digit"), {240, 4800}), "1234567890"},
        {addCell(app, QStringLiteral("mark"), {840, 4800}, KeyFilter::Mark), "acdhkmsu"},
        {addCell(app, QStringLiteral("marks"), {1440, 4800}, KeyFilter::Mark, 4), "acdhkmsu<BS>"},
        {app.find(QStringLiteral("exitButton")), ""},
    };
    DigitCell* readOnly = addCell(app, QStringLiteral("readOnly"), {2040, 4800});
    readOnly->setReadOnly(true);
    Harness::settle();

    for (const auto& [box, keys] : boxes) {
        box->setFocus();
        EXPECT_EQ(offered(keypad), QString::fromUtf8(keys)) << box->objectName().toStdString();
    }
    auto* name = app.find<TextBox>(QStringLiteral("nameBox"));
    name->setFocus();
    ASSERT_TRUE(offered(keypad).endsWith(QStringLiteral("<BS>+ABC")));
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
    // Wherever a finger lands on it, inside the window, it is the toggle that is touched.
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

// Screens as the pupil reaches them from the main menu, a name given, an
// exercise on each.
using Opening = std::function<void(Harness&)>;

void threeAddends(Harness& app)
{
    openNamed(app, {"additionButton", "threeAddends"});
    force(app, {456789, 123456, 98765});
    app.click(kOk);
}

// 987654 : 23, the quotient's five cells and every step row in play.
void sixDigitDivision(Harness& app)
{
    openNamed(app, {"divisionButton"});
    forceDivision(app, 987654, 23);
    app.click(kOk);
    app.type(QStringLiteral("quotientDigit1"), QStringLiteral("4"));
    app.type(QStringLiteral("stepRow1Digit6"), QStringLiteral("9"));
}

// 123/997 456/997, 789/997 101/997, 202/997 303/997, 404/997 505/997.
void fractionComparison(Harness& app)
{
    app.click(QStringLiteral("fractionsMenuButton"));
    app.click(QStringLiteral("fractionComparisonButton"));
    scriptComparison(app.random, 3, {123, 456, 789, 101, 202, 303, 404, 505}, 3, 997, 1);
    app.click(kOk);
}

void placeValue(Harness& app)
{
    openNamed(app, {"decimalsMenuButton", "placeValueButton"});
    scriptPlaceValue(app.random, 3, 6, {{8, 5, 3, 2, 3, 4, 8, 5, 6}, {3, 7, 1, 1, 2, 9, 7, 7, 3}});
    app.click(kOk);
}

TEST(KeypadPlacement, ToggleAndKeypadStayClearOfEveryCellInPlay)
{
    const std::pair<const char*, Opening> screens[] = {
        {"name box", [](Harness& app) { app.enterName(); }},
        {"three addends", threeAddends},
        {"six-digit division", sixDigitDivision},
        {"fraction comparison", [](Harness& app) { app.enterName(); fractionComparison(app); }},
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
            QWidget* typing = app.window.focusWidget();
            ASSERT_TRUE(keypadFilter(typing)) << "a box to type in";
            expectKeypadClear(app);
            expectTogglePressable(app);
            // Hidden and opened again by the toggle, tapped as a finger does.
            finger.tap(toggleOf(app));
            ASSERT_FALSE(app.window.isSidePanelShown());
            expectTogglePressable(app);
            finger.tap(toggleOf(app));
            expectKeypadClear(app);
            expectTogglePressable(app);
            EXPECT_EQ(app.window.focusWidget(), typing) << "the box keeps the keyboard";
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

TEST(KeypadPlacement, FloatsOverANarrowerWindowWhereTheFingerDragsIt)
{
    touchScreen();
    Harness app({1024, 768});
    EXPECT_TRUE(app.window.isSidePanelShown()) << "a touch screen starts with the keypad";
    const Whiteboard on(app, Way::Touch);
    const QWidget& keypad = on.keypad();
    EXPECT_FALSE(app.window.isSidePanelDocked());
    on.press(QStringLiteral("nameBox"));
    EXPECT_LT(keypad.width() * keypad.height() * 2, 1024 * 768) << "a small panel";

    // Up and to the left, short of the menu's buttons, which it must not cover.
    QPoint start = keypad.pos();
    drag(app, -QPoint(100, 150));
    EXPECT_EQ(keypad.pos(), start - QPoint(100, 150));
    on.write(QStringLiteral("nameBox"), QStringLiteral("Ugo"));
    EXPECT_EQ(app.find<TextBox>(QStringLiteral("nameBox"))->text(), QStringLiteral("Ugo"));

    // Dropped with its corner on the quotient's second cell, it slides off
    // the cells, and no farther than it has to: nearer the drop than where
    // it came from.
    sixDigitDivision(app);
    start = keypad.pos();
    const QPoint drop = inWindow(app.window, app.find(QStringLiteral("quotientDigit2"))).topLeft();
    drag(app, drop - start);
    expectKeypadClear(app);
    expectTogglePressable(app);
    EXPECT_LT((keypad.pos() - drop).manhattanLength(), (start - drop).manhattanLength());
}

TEST(KeypadPlacement, MovesOffACellThatAppearsUnderIt)
{
    Harness app({1024, 768});
    const Whiteboard on(app, Way::Keypad);
    const Keypad& keypad = on.keypad();
    DigitCell* typed = addCell(app, QStringLiteral("typed"), {240, 4800});
    typed->setFocus();
    Harness::settle();
    ASSERT_TRUE(keypad.isVisible() && !app.window.isSidePanelDocked());

    // With the focus and the keys unchanged, a cell shows up where it floats.
    const TwipPoint middle = app.page().toTwips(app.page().mapFrom(&app.window, keypad.geometry().center()));
    DigitCell* late = addCell(app, QStringLiteral("late"), middle);
    Harness::settle();
    EXPECT_FALSE(keypad.geometry().intersects(inWindow(app.window, late)));
    EXPECT_TRUE(typed->hasFocus());
}

// The program in full screen on a 16:9 board. The offscreen platform pins a
// full-screen window to its own small screen: the board is a 1920 x 1080
// window with the keypad shown.
TEST(Keypad, StandsBesideTheFullScreenPageTillF12HidesIt)
{
    Harness app({1920, 1080});
    const Whiteboard on(app, Way::Keypad);
    sixDigitDivision(app);
    ASSERT_TRUE(app.window.isSidePanelShown() && app.window.isSidePanelDocked());
    EXPECT_EQ(inWindow(app.window, &app.page()).height(), 1080) << "the page keeps its full size";
    QTest::keyClick(app.window.focusWidget(), Qt::Key_F12);
    EXPECT_FALSE(on.keypad().isVisible());

    // Full screen brings the keypad unless the pupil chose otherwise.
    Harness fresh;
    fresh.window.setWindowState(Qt::WindowFullScreen);
    EXPECT_TRUE(fresh.window.isSidePanelShown());

    // The marking pen draws blue with a finger, in its strip only: the
    // stroke ends below it and does not resume on the way back.
    const auto strip = [&app](int x, int y) { return app.page().mapTo(&app.window, app.page().toPixels({x, y}).toPoint()); };
    const int before = app.page().strokeCount();
    QTest::touchEvent(&app.window, touchScreen()).press(0, strip(400, 900), &app.window);
    QTest::touchEvent(&app.window, touchScreen()).move(0, strip(900, 950), &app.window);
    QTest::touchEvent(&app.window, touchScreen()).move(0, strip(1400, 900), &app.window);
    QTest::touchEvent(&app.window, touchScreen()).move(0, strip(1600, 1300), &app.window);
    QTest::touchEvent(&app.window, touchScreen()).move(0, strip(1800, 900), &app.window);
    QTest::touchEvent(&app.window, touchScreen()).release(0, strip(1800, 900), &app.window);
    EXPECT_EQ(app.page().strokeCount(), before + 2);
    const QPoint inked = app.page().toPixels({1150, 925}).toPoint();
    EXPECT_EQ(fromQColor(app.page().grab().toImage().pixelColor(inked)), colour::Blue);
}

// Writes an answer one way, from the main menu on.
using Script = std::function<void(const Whiteboard&)>;

// 7568 : 23 = 329 r 1, with one digit of the second step wrong.
void dividing(const Whiteboard& on)
{
    on.press(QStringLiteral("divisionButton"));
    on.press(QStringLiteral("dividendLength4"));
    on.app.random.push(drawing(7568, 1001, 1001 + 9999 - 1));
    on.app.random.push(drawing(23, 11, 109));
    on.press(kOk);
    const std::pair<const char*, const char*> cells[] = {
        {"quotientDigit1", "3"}, {"quotientDigit2", "2"}, {"quotientDigit3", "9"},
        {"stepRow1Digit3", "6"}, {"stepRow1Digit2", "6"}, {"stepRow2Digit4", "2"},
        {"stepRow2Digit3", "7"}, {"stepRow2Digit2", "8"}, {"stepRow3Digit2", "1"}};
    for (const auto& [cell, digit] : cells)
        on.write(QLatin1String(cell), QString::fromLatin1(digit));
}

// 55,5 and 12,1; a slip corrected with Backspace, one mark wrong.
void placing(const Whiteboard& on)
{
    on.press(QStringLiteral("decimalsMenuButton"));
    on.press(QStringLiteral("placeValueButton"));
    scriptPlaceValue(on.app.random, 1, 2, {{5, 5, 5}, {1, 2, 1}});
    on.press(kOk);
    const std::pair<const char*, const char*> marks[] = {{"number1Mark1", "d"}, {"number1Mark4", "us"},
        {"number1Mark5", "dk\bas"}, {"number2Mark5", "dak"}, {"number2Mark1", "d"}};
    for (const auto& [box, mark] : marks)
        on.write(QLatin1String(box), QString::fromLatin1(mark));
}

// Runs a script from the name box on, one way, and records the page at
// every step that shows something: the name given, the answer written,
// checked and evaluated.
QStringList run(const Script& script, Way way)
{
    Harness app({1920, 1080});
    Whiteboard on(app, way);
    QStringList states;
    const auto snap = [&] { states << pageState(app).join(QLatin1Char('\n')); };
    on.write(QStringLiteral("nameBox"), QStringLiteral("Anna Rossi 5A"));
    snap();
    script(on);
    snap();
    on.press(kCheck);
    snap();
    on.press(kEvaluate);
    snap();
    return states;
}

TEST(Whiteboard, KeypadTapsAndTouchGiveWhatTheKeyboardGives)
{
    const std::pair<const char*, Script> scripts[] = {{"division", dividing}, {"place value", placing}};
    for (const auto& [name, script] : scripts) {
        const QStringList typed = run(script, Way::Typed);
        EXPECT_TRUE(typed.last().contains(QStringLiteral("Anna Rossi 5A"))) << name;
        EXPECT_EQ(run(script, Way::Keypad), typed) << name << " by keypad";
        EXPECT_EQ(run(script, Way::Touch), typed) << name << " by touch";
    }
}

}  // namespace
}  // namespace quillo::testing
