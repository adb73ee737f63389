#pragma once

#include "ui/screens/exercise_app.h"

namespace quillo::testing {

// The cell of a number's row ("addend1", "difference") and column (1 the units).
inline QString cellName(const char* number, int column)
{
    return QStringLiteral("%1Digit%2").arg(QLatin1String(number)).arg(column);
}

// Loads the scripted source so that "OK" draws exactly these numbers.
inline void force(Harness& app, std::initializer_list<int> numbers)
{
    for (int number : numbers)
        app.random.push(drawing(number, 1, 999'999));
}

// Picks the dividend's length and loads the source so that "OK" draws
// dividend : divisor.
inline void forceDivision(Harness& app, int dividend, int divisor)
{
    const int digits = static_cast<int>(QString::number(dividend).size());
    const int lows[] = {0, 0, 11, 101, 1001, 10001, 100001};
    const int highs[] = {0, 0, 99, 999, 9999, 99999, 999999};
    app.click(QStringLiteral("dividendLength%1").arg(digits));
    app.random.push(drawing(dividend, lows[digits], lows[digits] + highs[digits] - 1));
    app.random.push(drawing(divisor, 11, 109));
}

// Types a number into a row as it reads on paper, units first, as a pupil
// does; "_" leaves a cell empty.
inline void writeRow(Harness& app, const char* row, const QString& leftToRight)
{
    for (int column = 1; column <= leftToRight.size(); ++column)
        if (const QChar digit = leftToRight.at(leftToRight.size() - column); digit != QLatin1Char('_'))
            app.type(cellName(row, column), digit);
}

struct ColumnApp : ExerciseApp {
    explicit ColumnApp(const char* menuCommand) : ExerciseApp({menuCommand}) {}
    // A row of an addition or subtraction as the page shows it, left to right:
    // a digit, "_" for an empty cell, "." for a hidden one.
    QString row(const char* row) const
    {
        QString shown;
        for (int column = 6; column >= 1; --column) {
            const DigitCell* c = cell(cellName(row, column));
            shown += !c->isVisibleTo(&page()) ? QStringLiteral(".") : c->text().isEmpty() ? QStringLiteral("_") : c->text();
        }
        return shown;
    }
};

}  // namespace quillo::testing
