#include "support/fraction_scripts.h"
#include "support/scenes.h"

namespace quillo::testing {
namespace {

// One answer per cell, the cells named by `cell` with their number from 1.
void typeAll(Harness& app, const char* cell, std::initializer_list<const char*> answers)
{
    int number = 1;
    for (const char* answer : answers)
        app.type(QString::fromLatin1(cell).arg(number++), QString::fromLatin1(answer));
}

void compareFractions(Harness& app, const Shoot& shoot)
{
    openNamed(app, {"fractionsMenuButton", "fractionComparisonButton"}, shoot);
    // 5/437 against 8/437...: lone numerator digits over three.
    scriptComparison(app.random, 1, {5, 8, 3, 3, 9, 2, 1, 7}, 3, 437, 1);
    playRound(app, shoot, [&] { typeAll(app, "pair%1Sign", {"<", "=", "<", ">"}); },
              {"", "presented-lone-digits", nullptr, "checked-with-errors"});
    // 12/45 ... with a common numerator of two digits.
    scriptComparison(app.random, 2, {45, 18, 60, 60, 33, 71, 99, 10}, 2, 12, 2);
    playRound(app, shoot, [&] { typeAll(app, "pair%1Sign", {"<", "=", ">", "<"}); },
              {"", nullptr, "presented-common-numerator", nullptr, "evaluated-right"});
    // 3/8 against 5/8...: every number of one digit, the shortest bars and
    // the cells furthest right, three of them marked wrong.
    scriptComparison(app.random, 1, {3, 5, 7, 7, 9, 2, 1, 4}, 1, 8, 1);
    playRound(app, shoot, [&] { typeAll(app, "pair%1Sign", {">", "=", "<", ">"}); },
              {"", nullptr, nullptr, "one-digit-checked", nullptr});
}

void decimalFractions(Harness& app, const Shoot& shoot)
{
    openNamed(app, {"fractionsMenuButton", "decimalFractionsButton"}, shoot);
    scriptDecimalSeries(app.random, {7, 30, 125, 5}, {100, 100, 10, 1000});
    playRound(app, shoot, [&] { typeAll(app, "decimalNumber%1", {"0,07", "0,03", "12,5", "0,05"}); },
              {.filled = nullptr, .checked = "checked-with-errors"});
    scriptDecimalSeries(app.random, {3, 47, 999, 801}, {10, 10, 1000, 100});
    playRound(app, shoot, [&] { typeAll(app, "decimalNumber%1", {"0,3", "4,7", "0,999", "8,01"}); },
              {"", nullptr, nullptr, nullptr, "evaluated-right"});
}

const SceneRegistrar fractionsCompare{
    {QStringLiteral("fraction-comparison"), {951, 687}, compareFractions},
    {QStringLiteral("decimal-fractions"), {951, 687}, decimalFractions},
    {QStringLiteral("decimal-fractions-large"), {1400, 1012}, decimalFractions},
};

}  // namespace
}  // namespace quillo::testing
