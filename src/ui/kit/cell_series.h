#pragma once

#include "ui/kit/digit_cell.h"

#include <QPointer>

#include <array>
#include <cstddef>
#include <string>

namespace quillo {

// The answer cells of a screen that asks a short series of answers (signs,
// decimal numbers): they are enabled, emptied, read and marked together.
template <std::size_t N>
class CellSeries {
public:
    void set(std::size_t index, DigitCell* cell) { cells_.at(index) = cell; }
    DigitCell& operator[](std::size_t index) const { return *cells_.at(index); }
    DigitCell& last() const { return *cells_.back(); }

    void setEnabled(bool enabled) const
    {
        for (const auto& cell : cells_)
            cell->setEnabled(enabled);
    }
    // Ready for a new exercise: typing colours and no text.
    void reset() const
    {
        for (const auto& cell : cells_) {
            cell->resetColours();
            cell->clear();
        }
    }
    std::array<std::string, N> texts() const
    {
        std::array<std::string, N> all;
        for (std::size_t i = 0; i < N; ++i)
            all[i] = cells_[i]->text().toStdString();
        return all;
    }
    // Marks the cells found wrong; the right ones keep their colours.
    void mark(const std::array<bool, N>& wrong) const
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
