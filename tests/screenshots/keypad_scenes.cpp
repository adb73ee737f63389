#include "support/decimals_script.h"
#include "support/scenes.h"
#include "ui/screens/columns/column_driving.h"

namespace quillo::testing {
namespace {

// A 16:9 whiteboard: the keypad stands in the band. (The offscreen platform
// pins a full-screen window to its own small screen, so the board is a
// window of the board's size with the keypad shown, as full screen shows it.)
void onTheBoard(Harness& app)
{
    app.window.toggleSidePanel();
    Harness::settle();
}

void divisionOnTheBoard(Harness& app, const Shoot& shoot)
{
    onTheBoard(app);
    openNamed(app, {"divisionButton"});
    forceDivision(app, 7568, 23);
    app.click(QStringLiteral("newExerciseButton"));
    for (const auto& [cell, digit] : {std::pair{"quotientDigit1", "3"}, {"quotientDigit2", "2"}, {"quotientDigit3", "9"},
                                      {"stepRow1Digit3", "6"}, {"stepRow1Digit2", "6"}})
        app.type(QLatin1String(cell), QString::fromLatin1(digit));
    app.find(QStringLiteral("stepRow2Digit4"))->setFocus();
    shoot(QStringLiteral("keypad"));
}

void placeValueOnTheBoard(Harness& app, const Shoot& shoot)
{
    onTheBoard(app);
    openNamed(app, {"decimalsMenuButton", "placeValueButton"});
    scriptPlaceValue(app.random, 3, 6, {{8, 5, 3, 2, 3, 4, 8, 5, 6}, {3, 7, 1, 1, 2, 9, 7, 7, 3}});
    app.click(QStringLiteral("newExerciseButton"));
    app.type(QStringLiteral("number1Mark1"), QStringLiteral("d"));
    app.type(QStringLiteral("number1Mark5"), QStringLiteral("da"));
    shoot(QStringLiteral("keypad"));
}

// 987654 : 23, the quotient waiting for its second digit.
void sixDigitDivision(Harness& app)
{
    app.click(QStringLiteral("divisionButton"));
    forceDivision(app, 987654, 23);
    app.click(QStringLiteral("newExerciseButton"));
    app.type(QStringLiteral("quotientDigit1"), QStringLiteral("4"));
    app.find(QStringLiteral("quotientDigit2"))->setFocus();
}

// A 4:3 window leaves no band: the keypad floats where nothing is in play.
void nameOnA4to3Window(Harness& app, const Shoot& shoot)
{
    app.window.toggleSidePanel();
    app.type(QStringLiteral("nameBox"), QStringLiteral("Giulia"));
    shoot(QStringLiteral("name"));
    app.click(QStringLiteral("additionButton"));
    shoot(QStringLiteral("addition"));
    app.click(QStringLiteral("threeAddends"));
    force(app, {456789, 123456, 98765});
    app.click(QStringLiteral("newExerciseButton"));
    shoot(QStringLiteral("three-addends"));
    app.click(QStringLiteral("mainMenuButton"));
    sixDigitDivision(app);
    shoot(QStringLiteral("division"));
}

// A 16:10 projector leaves a narrow band: the keypad docks there all the
// same, its keys as large as the band allows.
void onA16to10Projector(Harness& app, const Shoot& shoot)
{
    onTheBoard(app);
    app.type(QStringLiteral("nameBox"), QStringLiteral("Giulia"));
    shoot(QStringLiteral("name"));
    sixDigitDivision(app);
    shoot(QStringLiteral("division"));
}

const SceneRegistrar keypad{
    {QStringLiteral("board-division"), {1920, 1080}, divisionOnTheBoard},
    {QStringLiteral("board-place-value"), {1920, 1080}, placeValueOnTheBoard},
    {QStringLiteral("floating-keypad"), {1024, 768}, nameOnA4to3Window},
    {QStringLiteral("projector"), {1280, 800}, onA16to10Projector},
};

}  // namespace
}  // namespace quillo::testing
