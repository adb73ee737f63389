#include "ui/kit/cell_series.h"
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

// A row of six columns with cells in the lower three only, as a partial
// product that never reaches the higher places.
TEST(CellSeries, ARowNarrowerThanTheSeriesPassesItsMissingPlacesBy)
{
    Page page{QStringLiteral("test")};
    CellSeries<6> row;
    for (std::size_t i = 0; i < 3; ++i) {
        const int left = 240 + kSquare * static_cast<int>(i);
        auto* cell = page.add<DigitCell>(QStringLiteral("cell%1").arg(i + 1), cellAt(left, 480));
        cell->configure(KeyFilter::Digit, colour::LightCyan);
        row.set(i, cell);
    }
    page.show();

    row.showDigits(std::array<std::string, 2>{"4", ""});
    EXPECT_EQ(row[0].text(), QStringLiteral("4"));
    EXPECT_TRUE(row[0].isVisible());
    EXPECT_FALSE(row[1].isVisible()) << "an empty text hides its cell";
    EXPECT_FALSE(row[2].isVisible()) << "a place beyond the texts reads empty";

    row.showAnswerCells({"1", "2", "3", "4", "5", "6"});
    EXPECT_TRUE(row[2].isVisible() && row[0].text().isEmpty());
    row[1].setText(QStringLiteral("7"));
    const CellSeries<6>::Texts texts = row.texts();
    EXPECT_EQ(texts[1], "7");
    EXPECT_EQ(texts[5], "") << "no cell, no text";

    row.mark({true, false, false, true, true, true});
    EXPECT_TRUE(row[0].isMarkedWrong());
    EXPECT_FALSE(row[1].isMarkedWrong());
    row.reset();
    EXPECT_FALSE(row[0].isMarkedWrong());
    EXPECT_TRUE(row[1].text().isEmpty());

    int visited = 0;
    row.forEach([&visited](DigitCell&, std::size_t index) { visited += static_cast<int>(index) + 1; });
    EXPECT_EQ(visited, 1 + 2 + 3) << "only the cells the row has";

    // A cell closed with its page leaves a gap.
    delete &row[1];
    row.setVisible(true);
    row.clear();
    EXPECT_EQ(row.texts()[1], "");
}

}  // namespace
}  // namespace quillo
