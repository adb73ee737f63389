#include "support/decimals_script.h"
#include "support/scenes.h"

namespace quillo::testing {
namespace {

void practisePlaceValue(Harness& app, const Shoot& shoot)
{
    openNamed(app, {"decimalsMenuButton", "placeValueButton"}, shoot);
    // 658 432,853 and 377 921,371: three decimals, six whole digits.
    scriptPlaceValue(app.random, 3, 6, {{8, 5, 3, 2, 3, 4, 8, 5, 6}, {3, 7, 1, 1, 2, 9, 7, 7, 3}});
    playRound(
        app, shoot,
        [&] {
            const std::pair<const char*, const char*> marks[] = {
                {"number1Mark1", "d"},  {"number1Mark2", "c"},   {"number1Mark3", "m"},  {"number1Mark5", "das"},
                {"number1Mark7", "uk"}, {"number1Mark8", "dak"}, {"number2Mark1", "d"},  {"number2Mark2", "c"},
                {"number2Mark3", "M"},  {"number2Mark4", "us"},  {"number2Mark7", "hk"}, {"number2Mark8", "dak"},
                {"number2Mark9", "hk"}};
            for (const auto& [box, mark] : marks)
                app.type(QString::fromLatin1(box), QString::fromLatin1(mark));
        },
        {.filled = nullptr});
}

void practiseComparison(Harness& app, const Shoot& shoot)
{
    openNamed(app, {"decimalsMenuButton", "decimalComparisonButton"}, shoot);
    for (auto [mantissa, decimals] : {std::pair{999999, 1}, {1230, 3}, {9, 1}, {123, 3}, {450, 2}, {45, 1}})
        scriptDecimalNumber(app.random, mantissa, decimals);
    playRound(
        app, shoot,
        [&] {
            app.type(QStringLiteral("pair1Sign"), QStringLiteral(">"));
            app.type(QStringLiteral("pair2Sign"), QStringLiteral("<"));
            app.type(QStringLiteral("pair3Sign"), QStringLiteral("="));
        },
        {.filled = nullptr});
}

const SceneRegistrar decimals{
    {QStringLiteral("place-value"), {951, 687}, practisePlaceValue},
    {QStringLiteral("decimal-comparison"), {951, 687}, practiseComparison},
};

}  // namespace
}  // namespace quillo::testing
