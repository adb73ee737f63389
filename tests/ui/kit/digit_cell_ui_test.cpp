#include "ui/kit/digit_cell.h"
#include "ui/toolkit/page.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>

namespace quillo {
namespace {

struct CellOnPage {
    Page page{QStringLiteral("test")};
    DigitCell* cell = page.add<DigitCell>(QStringLiteral("cell"), cellAt(240, 480));

    explicit CellOnPage(KeyFilter filter = KeyFilter::Digit, int length = 1)
    {
        cell->configure(filter, 0xFBEEDF, length);
        page.show();
        cell->setFocus();
    }
};

TEST(DigitCell, EveryKeyReplacesTheContentInTheTypingColours)
{
    CellOnPage on;
    // Each key typed after a 5: what the cell then holds.
    const std::pair<Qt::Key, const char*> keys[] = {{Qt::Key_3, "3"}, {Qt::Key_X, ""}, {Qt::Key_Slash, "/"},
        {Qt::Key_Backspace, ""}, {Qt::Key_Return, ""}, {Qt::Key_Space, ""}, {Qt::Key_Escape, ""}};
    for (const auto& [key, held] : keys) {
        QTest::keyClicks(on.cell, QStringLiteral("5"));
        EXPECT_EQ(on.cell->text(), QStringLiteral("5"));
        QTest::keyClick(on.cell, key);
        EXPECT_EQ(on.cell->text(), QString::fromLatin1(held)) << key;
    }

    // A key restores the typing colours of a cell marked wrong.
    on.cell->markWrong();
    EXPECT_TRUE(on.cell->isMarkedWrong());
    EXPECT_EQ(on.cell->background(), colour::White);
    EXPECT_EQ(on.cell->textColour(), colour::Red);
    QTest::keyClick(on.cell, Qt::Key_A);
    EXPECT_EQ(on.cell->background(), 0xFBEEDFu);
    EXPECT_EQ(on.cell->textColour(), colour::Blue);

    // A family's own step runs first and sees every key.
    std::vector<int> seen;
    on.cell->familyStep = [&](int code) {
        seen.push_back(code);
        EXPECT_EQ(on.cell->text(), seen.size() == 1 ? QString() : QStringLiteral("4"));
    };
    QTest::keyClicks(on.cell, QStringLiteral("4q"));
    EXPECT_EQ(seen, (std::vector<int>{'4', 'q'}));
}

TEST(DigitCell, NothingGoesAroundTheKeyHandler)
{
    CellOnPage on;
    QApplication::clipboard()->setText(QStringLiteral("12345"));
    QTest::keyClick(on.cell, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(on.cell, Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(on.cell->text(), QString());
    QTest::mouseClick(on.cell, Qt::MiddleButton);
    EXPECT_EQ(on.cell->text(), QString());
    EXPECT_EQ(on.cell->contextMenuPolicy(), Qt::NoContextMenu);

    QMimeData data;
    data.setText(QStringLiteral("999"));
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(on.cell, &drop);
    EXPECT_EQ(on.cell->text(), QString());
    QTest::keyClick(on.cell, Qt::Key_Delete);
    QTest::keyClick(on.cell, Qt::Key_F5);
    EXPECT_EQ(on.cell->text(), QString());
}

TEST(DigitCell, DecimalCellsEditTheirTextWithinTheirLength)
{
    CellOnPage on(KeyFilter::Decimal, 6);
    QTest::keyClicks(on.cell, QStringLiteral("0,07"));
    EXPECT_EQ(on.cell->text(), QStringLiteral("0,07"));
    QTest::keyClick(on.cell, Qt::Key_Backspace);
    EXPECT_EQ(on.cell->text(), QStringLiteral("0,0"));
    QTest::keyClicks(on.cell, QStringLiteral("a123456789"));
    EXPECT_EQ(on.cell->text(), QStringLiteral("0,0123"));
}

}  // namespace
}  // namespace quillo
