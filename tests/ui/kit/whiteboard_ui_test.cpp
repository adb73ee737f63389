#include "whiteboard.h"
#include "support/decimals_script.h"
#include "support/fraction_scripts.h"

#include <functional>

namespace quillo::testing {
namespace {

using Snap = std::function<void()>;
using Script = std::function<void(const Whiteboard&, const Snap&)>;

const QString kOk = QStringLiteral("newExerciseButton");
const QString kCheck = QStringLiteral("checkButton");
const QString kEvaluate = QStringLiteral("evaluateButton");

void checkAndEvaluate(const Whiteboard& on, const Snap& snap)
{
    snap();
    on.press(kCheck);
    snap();
    on.press(kEvaluate);
    snap();
}

// 7568 : 23 = 329 r 1, with one digit of the second step wrong.
void division(const Whiteboard& on, const Snap& snap)
{
    on.press(QStringLiteral("divisionButton"));
    on.press(QStringLiteral("dividendLength4"));
    on.app.random.push(drawing(7568, 1001, 1001 + 9999 - 1));
    on.app.random.push(drawing(23, 11, 109));
    on.press(kOk);
    const std::pair<const char*, const char*> cells[] = {
        {"quotientDigit1", "3"}, {"quotientDigit2", "2"}, {"quotientDigit3", "9"},
        {"stepRow1Digit3", "6"}, {"stepRow1Digit2", "6"}, {"stepRow2Digit4", "2"},
        {"stepRow2Digit3", "7"}, {"stepRow2Digit2", "8"}, {"stepRow3Digit2", "1"}};
    for (const auto& [cell, digit] : cells)
        on.write(QLatin1String(cell), QString::fromLatin1(digit));
    checkAndEvaluate(on, snap);
}

// 3/7 5/7, 2/7 2/7, 9/7 1/7, 4/7 8/7 answered "<", "=", "<", "<".
void fractionComparison(const Whiteboard& on, const Snap& snap)
{
    on.press(QStringLiteral("fractionsMenuButton"));
    on.press(QStringLiteral("fractionComparisonButton"));
    scriptComparison(on.app.random, 1, {3, 5, 2, 2, 9, 1, 4, 8}, 1, 7, 1);
    on.press(kOk);
    for (int cell = 0; cell < 4; ++cell)
        on.write(QStringLiteral("pair%1Sign").arg(cell + 1), QString(QLatin1Char("<=<<"[cell])));
    checkAndEvaluate(on, snap);
}

// 55,5 and 12,1; a slip corrected with Backspace, one mark wrong.
void placeValue(const Whiteboard& on, const Snap& snap)
{
    on.press(QStringLiteral("decimalsMenuButton"));
    on.press(QStringLiteral("placeValueButton"));
    scriptPlaceValue(on.app.random, 1, 2, {{5, 5, 5}, {1, 2, 1}});
    on.press(kOk);
    const std::pair<const char*, const char*> marks[] = {{"number1Mark1", "d"}, {"number1Mark4", "us"},
        {"number1Mark5", "dk\bas"}, {"number2Mark5", "dak"}, {"number2Mark1", "d"}};
    for (const auto& [box, mark] : marks)
        on.write(QLatin1String(box), QString::fromLatin1(mark));
    checkAndEvaluate(on, snap);
}

// Runs a script from the name box on, one way, and records the page at
// every step that shows something.
QStringList run(const Script& script, Way way)
{
    Harness app({1920, 1080});
    Whiteboard on(app, way);
    QStringList states;
    const Snap snap = [&] { states << pageState(app).join(QLatin1Char('\n')); };
    on.write(QStringLiteral("nameBox"), QStringLiteral("Anna Rossi 5A"));
    snap();
    script(on, snap);
    return states;
}

TEST(Whiteboard, KeypadTapsAndTouchGiveWhatTheKeyboardGives)
{
    const std::pair<const char*, Script> scripts[] = {
        {"division", division}, {"fraction comparison", fractionComparison}, {"place value", placeValue}};
    for (const auto& [name, script] : scripts) {
        const QStringList typed = run(script, Way::Typed);
        EXPECT_TRUE(typed.last().contains(QStringLiteral("Anna Rossi 5A"))) << name;
        EXPECT_EQ(run(script, Way::Keypad), typed) << name << " by keypad";
        EXPECT_EQ(run(script, Way::Touch), typed) << name << " by touch";
    }
}

}  // namespace
}  // namespace quillo::testing
