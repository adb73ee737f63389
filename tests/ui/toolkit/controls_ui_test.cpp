#include "support/harness.h"
#include "ui/toolkit/plain_text.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QKeyEvent>
#include <QMimeData>
#include <QTest>

#include <vector>

namespace quillo::testing {
namespace {

const QString kName = QStringLiteral("nameBox");
const QString kGrin = QStringLiteral(u"\U0001F600");

TEST(TextBox, TheNameTakesFortyWholePlainCharactersHoweverTheyComeIn)
{
    Harness app;
    auto* name = app.find<TextBox>(kName);
    app.enterName(QStringLiteral("Annna"));
    name->setCursorPosition(2);
    app.key(kName, Qt::Key_Delete);
    EXPECT_EQ(name->text(), QStringLiteral("Anna"));
    EXPECT_EQ(app.board.pupilName(), "Anna") << "the name is stored after a Delete as after any edit";
    name->setText(QStringLiteral("A") + kGrin + QStringLiteral("B"));
    name->setCursorPosition(1);
    app.key(kName, Qt::Key_Delete);
    EXPECT_EQ(name->text(), QStringLiteral("AB")) << "both halves go";

    // A keyboard layout or a compose sequence gives a character beyond the
    // basic plane as one key event carrying both halves.
    const QString thirtyNine(39, QLatin1Char('a'));
    name->clear();
    app.enterName(thirtyNine);
    QTest::sendKeyEvent(QTest::Click, name, Qt::Key_unknown, kGrin, Qt::NoModifier);
    EXPECT_EQ(name->text(), thirtyNine + kGrin) << "typed at the limit";
    EXPECT_EQ(app.board.pupilName(), (thirtyNine + kGrin).toStdString());
    name->setText(thirtyNine);
    QGuiApplication::clipboard()->setText(kGrin + kGrin);
    app.key(kName, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(name->text(), thirtyNine + kGrin) << "pasted at the limit";
    name->clear();
    QGuiApplication::clipboard()->setText(kGrin.repeated(50));
    app.key(kName, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(name->text(), kGrin.repeated(40)) << "forty characters, not twenty";

    // No control or direction character enters the name.
    const QString dirty = QStringLiteral(u"Mario\tRossi\u001B\u202E\r\nV\u0000B\u2066");
    name->clear();
    QGuiApplication::clipboard()->setText(dirty);
    app.key(kName, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(name->text(), QStringLiteral("Mario Rossi VB"));
    EXPECT_EQ(app.board.pupilName(), "Mario Rossi VB");
    name->clear();
    // A box takes a drop only after the drag has entered it.
    QMimeData data;
    data.setText(dirty);
    QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(name, &enter);
    QDropEvent dropped(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(name, &dropped);
    EXPECT_EQ(name->text(), QStringLiteral("Mario Rossi VB")) << "dropped";

    name->setReadOnly(true);
    name->home(false);
    app.key(kName, Qt::Key_Delete);
    EXPECT_EQ(name->text(), QStringLiteral("Mario Rossi VB")) << "a read-only box keeps its text";
}

TEST(PlainText, KeepsWhatAPupilMeansToWrite)
{
    const std::pair<QString, QString> rows[] = {
        {QStringLiteral(u"Zoë D'Amico 5ªB \U0001F600"), QStringLiteral(u"Zoë D'Amico 5ªB \U0001F600")},
        {QStringLiteral(u"Giulia\u202Efdp.exe"), QStringLiteral("Giuliafdp.exe")},
        {QStringLiteral(u"a\u200Fb\u2067c\u061C"), QStringLiteral("abc")},
        {QStringLiteral(u"riga\r\n\tdue\u2028tre\u0085"), QStringLiteral("riga due tre ")},
        {QStringLiteral(u"a\u0000b\u007Fc\u0090d\u001B"), QStringLiteral("abcd")},
        {QStringLiteral("x") + QChar(0xD83D) + QStringLiteral("y") + QChar(0xDE00), QStringLiteral("xy")},
    };
    for (const auto& [text, plain] : rows)
        EXPECT_EQ(plainText(text), plain) << text.toStdString();

    const QString mixed = QStringLiteral(u"\U0001F600a\U0001F600");
    EXPECT_EQ(characterCount(mixed), 3);
    EXPECT_EQ(firstCharacters(mixed, 1), QStringLiteral(u"\U0001F600"));
    EXPECT_EQ(firstCharacters(mixed, 2), QStringLiteral(u"\U0001F600a"));
    EXPECT_EQ(firstCharacters(mixed, 9), mixed);
}

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
