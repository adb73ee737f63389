#pragma once

#include "ui/kit/digit_cell.h"

#include <QPointer>

#include <array>
#include <cstddef>
#include <string>

namespace quillo {

// A row or series of answer cells that a screen fills, reads and marks
// together: the columns of a column operation (index 0 the units), the signs
// of a comparison, the decimal numbers of a series. A row narrower than the
// series has no cell in its highest places: every operation passes them by
// and their texts read empty. It does not own the cells, which belong to
// their page.
template <std::size_t N>
class CellSeries {
public:
    using Cells = std::array<DigitCell*, N>;
    using Texts = std::array<std::string, N>;
    using Marks = std::array<bool, N>;

    CellSeries() = default;
    explicit CellSeries(const Cells& cells)
    {
        for (std::size_t i = 0; i < N; ++i)
            cells_[i] = cells[i];
    }

    void set(std::size_t index, DigitCell* cell) { cells_.at(index) = cell; }
    DigitCell& operator[](std::size_t index) const { return *cells_.at(index); }

    // Runs f(cell, index) on each cell the series has.
    template <typename F>
    void forEach(F&& f) const
    {
        for (std::size_t i = 0; i < N; ++i) {
            if (cells_[i])
                f(*cells_[i], i);
        }
    }

    // Cells that show a given number: read only, out of the Tab order, and
    // deaf to keys, so a stray key can never clear a given digit.
    void makeGiven() const
    {
        forEach([](DigitCell& cell, std::size_t) {
            cell.setReadOnly(true);
            cell.setFocusPolicy(Qt::NoFocus);
            cell.onKeyPress = [](int) { return true; };
        });
    }
    void setEnabled(bool enabled) const { forEach([=](DigitCell& cell, std::size_t) { cell.setEnabled(enabled); }); }
    void setVisible(bool visible) const { forEach([=](DigitCell& cell, std::size_t) { cell.setVisible(visible); }); }
    void clear() const { forEach([](DigitCell& cell, std::size_t) { cell.clear(); }); }
    void resetColours() const { forEach([](DigitCell& cell, std::size_t) { cell.resetColours(); }); }
    // Ready for a new exercise: typing colours and no text.
    void reset() const
    {
        resetColours();
        clear();
    }
    // Writes the texts and shows exactly the cells that have one.
    template <std::size_t M>
    void showDigits(const std::array<std::string, M>& texts) const
    {
        forEach([&texts](DigitCell& cell, std::size_t i) {
            const QString text = i < M ? QString::fromStdString(texts[i]) : QString();
            cell.setText(text);
            cell.setVisible(!text.isEmpty());
        });
    }
    // Shows an empty cell where the expected texts have one, hides the rest.
    void showAnswerCells(const Texts& expected) const
    {
        forEach([&expected](DigitCell& cell, std::size_t i) {
            cell.clear();
            cell.setVisible(!expected[i].empty());
        });
    }
    Texts texts() const
    {
        Texts all;
        forEach([&all](DigitCell& cell, std::size_t i) { all[i] = cell.text().toStdString(); });
        return all;
    }
    // Marks the cells found wrong; the right ones keep their colours.
    void mark(const Marks& wrong) const
    {
        forEach([&wrong](DigitCell& cell, std::size_t i) {
            if (wrong[i])
                cell.markWrong();
        });
    }

private:
    std::array<QPointer<DigitCell>, N> cells_{};
};

}  // namespace quillo
