#include "ui/screens/columns/column_driving.h"
#include "support/scenes.h"

namespace quillo::testing {
namespace {

struct Shown {
    const char* selector;
    double multiplicand;
    double multiplier;
    // Name and digits as on paper of each row the pupil fills, with a
    // few slips in them.
    std::vector<std::pair<const char*, const char*>> rows;
};

std::function<void(Harness&, const Shoot&)> drive(const Shown& shown)
{
    return [shown](Harness& app, const Shoot& shoot) {
        openNamed(app, {"multiplicationButton"}, shoot);
        app.click(QString::fromLatin1(shown.selector));
        app.random.push(shown.multiplicand);
        app.random.push(shown.multiplier);
        playRound(app, shoot, [&] {
            for (const auto& [units, digits] : shown.rows)
                writeRow(app, units, QString::fromLatin1(digits));
        });
    };
}

const SceneRegistrar multiplication{
    // 345 x 27 = 2415 + 6900 = 9315, with two slips.
    {QStringLiteral("multiplication-two-digit"), {951, 687},
     drive({"twoDigitMultiplier", drawing(345, 11, 1009), drawing(27, 11, 109),
            {{"partialProduct1", "2415"}, {"partialProduct2", "6800"}, {"productOfTwo", "9325"}}})},
    // 608 x 305 = 3040 + 0000 + 182400 = 185440, a placeholder forgotten.
    {QStringLiteral("multiplication-three-digit"), {951, 687},
     drive({"threeDigitMultiplier", drawing(608, 11, 1009), drawing(305, 101, 1099),
            {{"partialProduct1", "3040"}, {"partialProduct2", "0000"}, {"partialProduct3", "18240_"},
             {"productOfThree", "185440"}}})},
    // 45 x 90 = 4050, written without a slip.
    {QStringLiteral("multiplication-zero-ending"), {951, 687},
     drive({"zeroEndingMultiplier", drawing(45, 11, 1009), drawing(90, 20, 1009), {{"productOfZeroEnding", "4050"}}})},
    // A hint for the round multiplier, on a larger window.
    {QStringLiteral("multiplication-hint-large"), {1400, 1012},
     drive({"twoDigitMultiplier", drawing(764, 11, 1009), drawing(40, 11, 109),
            {{"partialProduct1", "000"}, {"partialProduct2", "30560"}, {"productOfTwo", "30560"}}})},
};

}  // namespace
}  // namespace quillo::testing
