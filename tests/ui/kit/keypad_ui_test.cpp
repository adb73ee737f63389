#include "whiteboard.h"
#include "ui/kit/digit_cell.h"
#include "ui/toolkit/twips.h"

#include <QToolButton>

namespace quillo::testing {
namespace {

QString offered(const Keypad& keypad)
{
    QString keys;
    for (int code : keypad.offer())
        keys += code == 8 ? QStringLiteral("<BS>") : QString(QChar(static_cast<char16_t>(code)));
    return keys + (keypad.capitalsKey() ? QStringLiteral("+ABC") : QString());
}

TEST(Keypad, OffersExactlyWhatEachKindOfBoxTakes)
{
    MainWindow window;
    auto* keypad = new Keypad;
    window.setSidePanel(keypad);
    window.resize(1920, 1080);
    window.toggleSidePanel();
    auto* page = new Page(QStringLiteral("boxes"));
    const auto cell = [page](int column, KeyFilter filter, int length = 1) {
        auto* box = page->add<DigitCell>(QStringLiteral("cell%1").arg(column), cellAt(240 + 600 * column, 480));
        box->configure(filter, colour::LightCyan, length);
        return box;
    };
    const std::pair<QWidget*, const char*> boxes[] = {
        {cell(0, KeyFilter::Digit), "1234567890"},
        {cell(1, KeyFilter::Decimal, 8), "1234567890,<BS>"},
        {cell(2, KeyFilter::Relation), "<=>"},
        {cell(3, KeyFilter::Kind), "pia"},
        {cell(4, KeyFilter::Mark), "acdhkmsu"},
        {cell(5, KeyFilter::Mark, 4), "acdhkmsu<BS>"},
        {cell(6, KeyFilter::Sign), "<=>"},
        {page->add<Button>(QStringLiteral("button"), cellAt(240, 1080)), ""},
    };
    auto* name = page->add<TextBox>(QStringLiteral("name"), {240, 1680, 4800, 480});
    setKeypadFilter(*name, KeyFilter::Name);
    name->setMaxLength(40);
    auto* readOnly = cell(7, KeyFilter::Digit);
    readOnly->setReadOnly(true);
    window.showPage(page);
    window.show();
    Harness::settle();

    for (const auto& [box, keys] : boxes) {
        box->setFocus();
        EXPECT_EQ(offered(*keypad), QString::fromUtf8(keys)) << box->objectName().toStdString();
    }
    name->setFocus();
    EXPECT_EQ(offered(*keypad),
              QStringLiteral("abcdefghijklmnopqrstuvwxyz\u00E0\u00E8\u00E9\u00EC\u00F2\u00F9' 1234567890<BS>+ABC"));
    // "Lo'è" with a capital: Shift holds for one letter only.
    for (QPushButton* key : {keypad->capitalsKey(), keypad->keyFor('l'), keypad->keyFor('o'), keypad->keyFor('\''),
                             keypad->keyFor(0xE8), keypad->keyFor(8), keypad->keyFor(0xE9)})
        QTest::mouseClick(key, Qt::LeftButton);
    EXPECT_EQ(name->text(), QStringLiteral("Lo'\u00E9"));
    EXPECT_TRUE(name->hasFocus());

    readOnly->setFocus();
    EXPECT_EQ(offered(*keypad), QString()) << "nothing for a box that cannot be typed in";
    readOnly->clearFocus();
    EXPECT_EQ(offered(*keypad), QString()) << "nor with no focus at all";
}

// The program in full screen on a 16:9 board, a division presented.
struct BoardDivision : Harness {
    Whiteboard on{*this, Way::Keypad};
    // The offscreen platform pins a full-screen window to its own small
    // screen: the board is a 1920 x 1080 window with the keypad shown.
    BoardDivision() : Harness({1920, 1080})
    {
        enterName();
        click(QStringLiteral("divisionButton"));
        click(QStringLiteral("dividendLength3"));
        random.push(drawing(756, 101, 101 + 999 - 1));
        random.push(drawing(23, 11, 109));
        click(QStringLiteral("newExerciseButton"));
    }
    QRect inWindow(const QWidget* widget) const { return QRect(widget->mapTo(&window, QPoint()), widget->size()); }
};

TEST(Keypad, StandsBesideTheFullScreenPageAndLeavesTheFocusAlone)
{
    BoardDivision app;
    Keypad& keypad = app.on.keypad();
    ASSERT_TRUE(app.window.isSidePanelShown() && app.window.isSidePanelDocked());
    const QRect page = app.inWindow(&app.page());
    const QRect band = app.inWindow(&keypad);
    EXPECT_EQ(page.height(), 1080) << "the page keeps its full size";
    EXPECT_FALSE(page.intersects(band));
    EXPECT_TRUE(app.window.rect().contains(page) && app.window.rect().contains(band));

    auto* cell = app.find<DigitCell>(QStringLiteral("quotientDigit1"));
    EXPECT_TRUE(cell->hasFocus()) << "the first quotient cell waits for its digit";
    EXPECT_EQ(offered(keypad), QStringLiteral("1234567890"));
    for (int code : keypad.offer()) {
        const QRect key = app.inWindow(keypad.keyFor(code));
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
    EXPECT_NEAR(app.inWindow(&app.page()).center().x(), 960, 1) << "without the keypad the page stands in the middle";
    app.on.tap(app.window.findChild<QToolButton*>(QStringLiteral("keypadToggle")));
    EXPECT_TRUE(keypad.isVisible());
    EXPECT_TRUE(next->hasFocus());
    app.on.tap(keypad.keyFor('7'));
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
    Whiteboard on(app, Way::Touch);
    Keypad& keypad = on.keypad();
    EXPECT_TRUE(keypad.isVisible());
    EXPECT_FALSE(app.window.isSidePanelDocked());
    on.press(QStringLiteral("nameBox"));
    EXPECT_TRUE(app.window.rect().contains(keypad.geometry()));
    EXPECT_LT(keypad.width() * keypad.height() * 2, 1024 * 768) << "a small panel";

    // Up and to the left, short of the menu's buttons, which it must not cover.
    const QPoint start = keypad.pos();
    const QPoint grip = keypad.mapTo(&app.window, QPoint(keypad.width() / 2, 5));
    QTest::touchEvent(&app.window, touchScreen()).press(0, grip, &app.window);
    QTest::touchEvent(&app.window, touchScreen()).move(0, grip - QPoint(100, 150), &app.window);
    QTest::touchEvent(&app.window, touchScreen()).release(0, grip - QPoint(100, 150), &app.window);
    EXPECT_EQ(keypad.pos(), start - QPoint(100, 150));
    on.write(QStringLiteral("nameBox"), QStringLiteral("Ugo"));
    EXPECT_EQ(app.find<TextBox>(QStringLiteral("nameBox"))->text(), QStringLiteral("Ugo"));
    EXPECT_TRUE(app.find(QStringLiteral("divisionButton"))->isEnabled());
}

}  // namespace
}  // namespace quillo::testing
