#pragma once

#include "kit/widgets/verdict_box.h"
#include "support/harness.h"

namespace quillo::testing {

// The cell of a column operation's row (1 at the top) and column (1 the units).
inline QString cellName(int row, int column)
{
    return QStringLiteral("Text%1").arg(6 * (row - 1) + column);
}

// Loads the scripted source so that "OK" draws exactly these numbers.
inline void force(Harness& app, std::initializer_list<int> numbers)
{
    for (int number : numbers)
        app.random.push(drawing(number, 1, 999'999));
}

// Types a number into a row, units first, as a pupil does.
inline void writeRow(Harness& app, int row, const QString& leftToRight)
{
    for (int column = 1; column <= leftToRight.size(); ++column)
        app.type(cellName(row, column), leftToRight.at(leftToRight.size() - column));
}

// A row as the page shows it, left to right: a digit, "_" for an empty cell,
// "." for a hidden one.
inline QString rowText(Harness& app, int row)
{
    QString text;
    for (int column = 6; column >= 1; --column) {
        const auto* cell = app.find<DigitCell>(cellName(row, column));
        if (!cell->isVisibleTo(&app.page()))
            text += QLatin1Char('.');
        else
            text += cell->text().isEmpty() ? QStringLiteral("_") : cell->text();
    }
    return text;
}

// "OCV" for enabled "OK", "Controllo" and "Valutazione", "-" where disabled.
inline QString buttonStates(Harness& app)
{
    QString text;
    for (auto [name, letter] : {std::pair{"NewExerciseButton", 'O'}, std::pair{"CheckButton", 'C'},
                                std::pair{"EvaluateButton", 'V'}})
        text += QLatin1Char(app.find(QString::fromLatin1(name))->isEnabled() ? letter : '-');
    return text;
}

inline VerdictBox* verdictBox(Harness& app) { return app.find<VerdictBox>(QStringLiteral("VerdictBox")); }

}  // namespace quillo::testing
