#include "exercises/decimals/decimals_script.h"
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
    const std::pair<int, const char*> marks[] = {
        {1, "d"},  {2, "c"},  {3, "m"},  {5, "das"}, {7, "uk"},   {8, "dak"},
        {11, "d"}, {12, "c"}, {13, "M"}, {14, "us"}, {17, "hk"}, {18, "dak"}, {19, "hk"}};
    for (const auto& [box, mark] : marks)
        app.type(QStringLiteral("Text%1").arg(box), QString::fromLatin1(mark));
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
    app.type(QStringLiteral("Text1"), QStringLiteral(">"));
    app.type(QStringLiteral("Text2"), QStringLiteral("<"));
    app.type(QStringLiteral("Text3"), QStringLiteral("="));
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
