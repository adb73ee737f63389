#pragma once

#include "ui/kit/digit_cell.h"

#include <QPointer>

#include <array>
#include <cstddef>
#include <string>

namespace quillo {

// A row or series of answer cells that a screen fills, reads and marks
// together: the columns of a column operation (index 0 the units), the signs
// of a comparison, the decimal numbers of a series. It does not own the
// cells, which belong to their page.
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
    DigitCell& last() const { return *cells_.back(); }

    // Cells that show a given number: read only, out of the Tab order, and
    // deaf to keys, so a stray key can never clear a given digit.
    void makeGiven() const
    {
        for (const auto& cell : cells_) {
            cell->setReadOnly(true);
            cell->setFocusPolicy(Qt::NoFocus);
            cell->onKeyPress = [](int) { return true; };
        }
    }
    void setEnabled(bool enabled) const
    {
        for (const auto& cell : cells_)
            cell->setEnabled(enabled);
    }
    void setVisible(bool visible) const
    {
        for (const auto& cell : cells_)
            cell->setVisible(visible);
    }
    void clear() const
    {
        for (const auto& cell : cells_)
            cell->clear();
    }
    void resetColours() const
    {
        for (const auto& cell : cells_)
            cell->resetColours();
    }
    // Ready for a new exercise: typing colours and no text.
    void reset() const
    {
        resetColours();
        clear();
    }
    // Writes the texts and shows exactly the cells that have one.
    void showDigits(const Texts& texts) const
    {
        for (std::size_t i = 0; i < N; ++i) {
            cells_[i]->setText(QString::fromStdString(texts[i]));
            cells_[i]->setVisible(!texts[i].empty());
        }
    }
    // Shows an empty cell where the expected texts have one, hides the rest.
    void showAnswerCells(const Texts& expected) const
    {
        for (std::size_t i = 0; i < N; ++i) {
            cells_[i]->clear();
            cells_[i]->setVisible(!expected[i].empty());
        }
    }
    Texts texts() const
    {
        Texts all;
        for (std::size_t i = 0; i < N; ++i)
            all[i] = cells_[i]->text().toStdString();
        return all;
    }
    // Marks the cells found wrong; the right ones keep their colours.
    void mark(const Marks& wrong) const
    {
        for (std::size_t i = 0; i < N; ++i) {
            if (wrong[i])
                cells_[i]->markWrong();
        }
    }

private:
    std::array<QPointer<DigitCell>, N> cells_{};
};

}  // namespace quillo
