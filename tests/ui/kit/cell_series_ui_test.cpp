#include "ui/kit/cell_series.h"
#include "ui/toolkit/page.h"

#include <gtest/gtest.h>

namespace quillo {
namespace {

// A row of six columns with cells in the lower three only, as a partial
// product that never reaches the higher places.
struct NarrowRow {
    Page page{QStringLiteral("test")};
    CellSeries<6> row;

    NarrowRow()
    {
        for (std::size_t i = 0; i < 3; ++i) {
            const int left = 240 + kSquare * static_cast<int>(i);
            auto* cell = page.add<DigitCell>(QStringLiteral("cell%1").arg(i + 1), cellAt(left, 480));
            cell->configure(KeyFilter::Digit, colour::LightCyan);
            row.set(i, cell);
        }
        page.show();
    }
};

TEST(CellSeries, ARowNarrowerThanTheSeriesPassesItsMissingPlacesBy)
{
    NarrowRow on;
    on.row.showDigits(std::array<std::string, 2>{"4", ""});
    EXPECT_EQ(on.row[0].text(), QStringLiteral("4"));
    EXPECT_TRUE(on.row[0].isVisible());
    EXPECT_FALSE(on.row[1].isVisible()) << "an empty text hides its cell";
    EXPECT_FALSE(on.row[2].isVisible()) << "a place beyond the texts reads empty";

    on.row.showAnswerCells({"1", "2", "3", "4", "5", "6"});
    EXPECT_TRUE(on.row[2].isVisible() && on.row[0].text().isEmpty());
    on.row[1].setText(QStringLiteral("7"));
    const CellSeries<6>::Texts texts = on.row.texts();
    EXPECT_EQ(texts[1], "7");
    EXPECT_EQ(texts[5], "") << "no cell, no text";

    on.row.mark({true, false, false, true, true, true});
    EXPECT_TRUE(on.row[0].isMarkedWrong());
    EXPECT_FALSE(on.row[1].isMarkedWrong());
    on.row.reset();
    EXPECT_FALSE(on.row[0].isMarkedWrong());
    EXPECT_TRUE(on.row[1].text().isEmpty());

    int visited = 0;
    on.row.forEach([&visited](DigitCell&, std::size_t index) { visited += static_cast<int>(index) + 1; });
    EXPECT_EQ(visited, 1 + 2 + 3) << "only the cells the row has";

    // A cell closed with its page leaves a gap.
    delete &on.row[1];
    on.row.setVisible(true);
    on.row.clear();
    EXPECT_EQ(on.row.texts()[1], "");
}

}  // namespace
}  // namespace quillo
