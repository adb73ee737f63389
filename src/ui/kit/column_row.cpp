#include "ui/kit/column_row.h"

#include "ui/kit/digit_cell.h"
#include "ui/toolkit/controls.h"
#include "ui/toolkit/page.h"

namespace quillo {

void addPlaceValueHeaders(Page& page, int top, FontSpec font)
{
    for (int column = 1; column <= kPlaceColumns; ++column) {
        const QString text = toQString(placeHeader(column));
        auto* header = page.add<Label>(QStringLiteral("Header_") + text, {columnLeft(column), top, kCellSize, 240}, font);
        header->setText(text);
        header->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        header->setTextColour(placeHeaderColour(column));
    }
}

void ColumnRow::makeGiven() const
{
    for (DigitCell* cell : cells_) {
        cell->setReadOnly(true);
        cell->setFocusPolicy(Qt::NoFocus);
        cell->onKeyPress = [](int) { return true; };
    }
}

void ColumnRow::setVisible(bool visible) const
{
    for (DigitCell* cell : cells_)
        cell->setVisible(visible);
}

void ColumnRow::clear() const
{
    for (DigitCell* cell : cells_)
        cell->clear();
}

void ColumnRow::resetColours() const
{
    for (DigitCell* cell : cells_)
        cell->resetColours();
}

void ColumnRow::showDigits(const ColumnTexts& digits) const
{
    for (std::size_t i = 0; i < cells_.size(); ++i) {
        cells_[i]->setText(QString::fromStdString(digits[i]));
        cells_[i]->setVisible(!digits[i].empty());
    }
}

void ColumnRow::showAnswerCells(const ColumnTexts& expected) const
{
    for (std::size_t i = 0; i < cells_.size(); ++i) {
        cells_[i]->clear();
        cells_[i]->setVisible(!expected[i].empty());
    }
}

ColumnTexts ColumnRow::texts() const
{
    ColumnTexts texts;
    for (std::size_t i = 0; i < cells_.size(); ++i)
        texts[i] = cells_[i]->text().toStdString();
    return texts;
}

void ColumnRow::mark(const ColumnMarks& wrong) const
{
    for (std::size_t i = 0; i < cells_.size(); ++i)
        if (wrong[i])
            cells_[i]->markWrong();
}

}  // namespace quillo
