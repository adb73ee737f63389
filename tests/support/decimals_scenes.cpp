#include "support/decimals_script.h"
#include "support/scenes.h"

namespace quillo::testing {
namespace {

void practisePlaceValue(Harness& app, const Shoot& shoot)
{
    app.enterName(QStringLiteral("Giulia Rossi V A"));
    app.click(QStringLiteral("decimalsMenuButton"));
    app.click(QStringLiteral("placeValueButton"));
    shoot(QStringLiteral("opened"));
    // 658 432,853 and 377 921,371: three decimals, six whole digits.
    scriptPlaceValue(app.random, 3, 6, {{8, 5, 3, 2, 3, 4, 8, 5, 6}, {3, 7, 1, 1, 2, 9, 7, 7, 3}});
    app.click(QStringLiteral("newExerciseButton"));
    shoot(QStringLiteral("presented"));
    const std::pair<QString, const char*> marks[] = {
        {QStringLiteral("number1Mark1"), "d"},  {QStringLiteral("number1Mark2"), "c"},  {QStringLiteral("number1Mark3"), "m"},  {QStringLiteral("number1Mark5"), "das"}, {QStringLiteral("number1Mark7"), "uk"},   {QStringLiteral("number1Mark8"), "dak"},
        {QStringLiteral("number2Mark1"), "d"}, {QStringLiteral("number2Mark2"), "c"}, {QStringLiteral("number2Mark3"), "M"}, {QStringLiteral("number2Mark4"), "us"}, {QStringLiteral("number2Mark7"), "hk"}, {QStringLiteral("number2Mark8"), "dak"}, {QStringLiteral("number2Mark9"), "hk"}};
    for (const auto& [box, mark] : marks)
        app.type(box, QString::fromLatin1(mark));
    app.click(QStringLiteral("checkButton"));
    shoot(QStringLiteral("checked"));
    app.click(QStringLiteral("evaluateButton"));
    shoot(QStringLiteral("evaluated"));
}

void practiseComparison(Harness& app, const Shoot& shoot)
{
    app.enterName(QStringLiteral("Giulia Rossi V A"));
    app.click(QStringLiteral("decimalsMenuButton"));
    app.click(QStringLiteral("decimalComparisonButton"));
    shoot(QStringLiteral("opened"));
    for (auto [mantissa, decimals] : {std::pair{999999, 1}, {1230, 3}, {9, 1}, {123, 3}, {450, 2}, {45, 1}})
        scriptDecimalNumber(app.random, mantissa, decimals);
    app.click(QStringLiteral("newExerciseButton"));
    shoot(QStringLiteral("presented"));
    app.type(QStringLiteral("pair1Sign"), QStringLiteral(">"));
    app.type(QStringLiteral("pair2Sign"), QStringLiteral("<"));
    app.type(QStringLiteral("pair3Sign"), QStringLiteral("="));
    app.click(QStringLiteral("checkButton"));
    shoot(QStringLiteral("checked"));
    app.click(QStringLiteral("evaluateButton"));
    shoot(QStringLiteral("evaluated"));
}

const SceneRegistrar decimals{
    {QStringLiteral("place-value"), {951, 687}, practisePlaceValue},
    {QStringLiteral("decimal-comparison"), {951, 687}, practiseComparison},
};

}  // namespace
}  // namespace quillo::testing
