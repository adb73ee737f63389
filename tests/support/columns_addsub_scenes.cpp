#include "ui/screens/columns/column_driving.h"
#include "support/scenes.h"

namespace quillo::testing {
namespace {

void walkAddition(Harness& app, const Shoot& shoot)
{
    app.enterName(QStringLiteral("Giulia Rossi V A"));
    app.click(QStringLiteral("additionButton"));
    shoot(QStringLiteral("opened"));

    app.click(QStringLiteral("twoAddends"));
    force(app, {407'385, 86'249, 1});
    app.click(QStringLiteral("newExerciseButton"));
    shoot(QStringLiteral("two-presented"));
    writeRow(app, "sumOfTwo", QStringLiteral("493534"));  // 493,634 with one slip
    shoot(QStringLiteral("two-filled"));
    app.click(QStringLiteral("checkButton"));
    shoot(QStringLiteral("two-checked"));
    app.click(QStringLiteral("evaluateButton"));
    shoot(QStringLiteral("two-evaluated"));

    app.click(QStringLiteral("threeAddends"));
    force(app, {52'718, 340'906, 9'475});
    app.click(QStringLiteral("newExerciseButton"));
    shoot(QStringLiteral("three-presented"));
    writeRow(app, "sumOfThree", QStringLiteral("413090"));  // 403,099 with two slips
    shoot(QStringLiteral("three-filled"));
    app.click(QStringLiteral("checkButton"));
    shoot(QStringLiteral("three-checked"));
    app.click(QStringLiteral("evaluateButton"));
    shoot(QStringLiteral("three-evaluated"));
}

void walkSubtraction(Harness& app, const Shoot& shoot)
{
    app.enterName(QStringLiteral("Giulia Rossi V A"));
    app.click(QStringLiteral("subtractionButton"));
    shoot(QStringLiteral("opened"));

    force(app, {50'203, 17'468});
    app.click(QStringLiteral("newExerciseButton"));
    shoot(QStringLiteral("presented"));
    writeRow(app, "difference", QStringLiteral("32845"));  // 32,735 with two slips
    shoot(QStringLiteral("filled"));
    app.click(QStringLiteral("checkButton"));
    shoot(QStringLiteral("checked"));
    app.click(QStringLiteral("evaluateButton"));
    shoot(QStringLiteral("evaluated"));

    force(app, {5'000, 4'999});
    app.click(QStringLiteral("newExerciseButton"));
    writeRow(app, "difference", QStringLiteral("0001"));
    app.click(QStringLiteral("checkButton"));
    app.click(QStringLiteral("evaluateButton"));
    shoot(QStringLiteral("short-evaluated"));
}

const SceneRegistrar addsub{
    {QStringLiteral("addition"), {951, 687}, walkAddition},
    {QStringLiteral("subtraction"), {951, 687}, walkSubtraction},
    {QStringLiteral("subtraction-large"), {1400, 1012}, walkSubtraction},
};

}  // namespace
}  // namespace quillo::testing
