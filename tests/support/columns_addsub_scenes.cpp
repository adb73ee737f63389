#include "exercises/columns/column_driving.h"
#include "support/scenes.h"

namespace quillo::testing {
namespace {

void walkAddition(Harness& app, const Shoot& shoot)
{
    app.enterName(QStringLiteral("Giulia Rossi V A"));
    app.click(QStringLiteral("Command4"));
    shoot(QStringLiteral("opened"));

    app.click(QStringLiteral("Text31"));
    force(app, {407'385, 86'249, 1});
    app.click(QStringLiteral("NewExerciseButton"));
    shoot(QStringLiteral("two-presented"));
    writeRow(app, 4, QStringLiteral("493534"));  // 493,634 with one slip
    shoot(QStringLiteral("two-filled"));
    app.click(QStringLiteral("CheckButton"));
    shoot(QStringLiteral("two-checked"));
    app.click(QStringLiteral("EvaluateButton"));
    shoot(QStringLiteral("two-evaluated"));

    app.click(QStringLiteral("Text32"));
    force(app, {52'718, 340'906, 9'475});
    app.click(QStringLiteral("NewExerciseButton"));
    shoot(QStringLiteral("three-presented"));
    writeRow(app, 5, QStringLiteral("413090"));  // 403,099 with two slips
    shoot(QStringLiteral("three-filled"));
    app.click(QStringLiteral("CheckButton"));
    shoot(QStringLiteral("three-checked"));
    app.click(QStringLiteral("EvaluateButton"));
    shoot(QStringLiteral("three-evaluated"));
}

void walkSubtraction(Harness& app, const Shoot& shoot)
{
    app.enterName(QStringLiteral("Giulia Rossi V A"));
    app.click(QStringLiteral("Command5"));
    shoot(QStringLiteral("opened"));

    force(app, {50'203, 17'468});
    app.click(QStringLiteral("NewExerciseButton"));
    shoot(QStringLiteral("presented"));
    writeRow(app, 3, QStringLiteral("32845"));  // 32,735 with two slips
    shoot(QStringLiteral("filled"));
    app.click(QStringLiteral("CheckButton"));
    shoot(QStringLiteral("checked"));
    app.click(QStringLiteral("EvaluateButton"));
    shoot(QStringLiteral("evaluated"));

    force(app, {5'000, 4'999});
    app.click(QStringLiteral("NewExerciseButton"));
    writeRow(app, 3, QStringLiteral("0001"));
    app.click(QStringLiteral("CheckButton"));
    app.click(QStringLiteral("EvaluateButton"));
    shoot(QStringLiteral("short-evaluated"));
}

const SceneRegistrar addsub{
    {QStringLiteral("addition"), {951, 687}, walkAddition},
    {QStringLiteral("subtraction"), {951, 687}, walkSubtraction},
    {QStringLiteral("subtraction-large"), {1400, 1012}, walkSubtraction},
};

}  // namespace
}  // namespace quillo::testing
