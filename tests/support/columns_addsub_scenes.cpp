#include "ui/screens/columns/column_driving.h"
#include "support/scenes.h"

namespace quillo::testing {
namespace {

void walkAddition(Harness& app, const Shoot& shoot)
{
    openNamed(app, {"additionButton"}, shoot);
    app.click(QStringLiteral("twoAddends"));
    force(app, {407'385, 86'249, 1});
    // 493,634 with one slip.
    playRound(app, shoot, [&] { writeRow(app, "sumOfTwo", QStringLiteral("493534")); }, {.prefix = "two-"});
    app.click(QStringLiteral("threeAddends"));
    force(app, {52'718, 340'906, 9'475});
    // 403,099 with two slips.
    playRound(app, shoot, [&] { writeRow(app, "sumOfThree", QStringLiteral("413090")); }, {.prefix = "three-"});
}

void walkSubtraction(Harness& app, const Shoot& shoot)
{
    openNamed(app, {"subtractionButton"}, shoot);
    force(app, {50'203, 17'468});
    // 32,735 with two slips.
    playRound(app, shoot, [&] { writeRow(app, "difference", QStringLiteral("32845")); });
    force(app, {5'000, 4'999});
    playRound(app, shoot, [&] { writeRow(app, "difference", QStringLiteral("0001")); },
              {"short-", nullptr, nullptr, nullptr});
}

const SceneRegistrar addsub{
    {QStringLiteral("addition"), {951, 687}, walkAddition},
    {QStringLiteral("subtraction"), {951, 687}, walkSubtraction},
    {QStringLiteral("subtraction-large"), {1400, 1012}, walkSubtraction},
};

}  // namespace
}  // namespace quillo::testing
