#include "decimals_app.h"
#include "support/decimals_script.h"

#include <gtest/gtest.h>

namespace quillo::testing {
namespace {

// A mark box, its place counted as the exercise counts it: 1 to 3 the decimals, 4 the units.
QString mark(int number, int place) { return QStringLiteral("number%1Mark%2").arg(number).arg(place); }

TEST(PlaceValueScreen, MarksTypedInTheirInksCheckedAndEvaluated)
{
    DecimalsApp on("placeValueButton");
    EXPECT_EQ(on.buttons(), QStringLiteral("O--"));
    scriptPlaceValue(on.random, 1, 2, {{5, 5, 5}, {1, 2, 1}});  // 55,5 and 12,1
    on.click(kOk);
    EXPECT_EQ(on.random.seeds(), 0) << "this screen draws on from the generator seeded at start-up";
    EXPECT_EQ(on.label(QStringLiteral("number1Digit5")) + on.label(QStringLiteral("number1Digit4")) +
                  on.label(QStringLiteral("number1Comma")) + on.label(QStringLiteral("number1Digit1")),
              QStringLiteral("55,5"));
    for (const auto& [number, place] : {std::pair{1, 1}, {1, 2}, {1, 4}, {1, 5}, {1, 6}, {2, 1}, {2, 4}, {2, 5}})
        EXPECT_EQ(on.cell(mark(number, place))->isVisible(), place == 1 || place == 5 || (number == 1 && place == 4))
            << number << "/" << place;
    // Each place its own ink, on dark boxes for the decimals and light ones for the whole part.
    const Colour inks[] = {0xC0C0FF, 0x80FF80, 0xC0FFFF, 0xFF0000, colour::Red, 0x00C000, 0xFF8080, 0x8080FF, 0x00FF00};
    for (int number : {1, 2})
        for (int place = 1; place <= 9; ++place) {
            EXPECT_EQ(on.cell(mark(number, place))->textColour(), inks[place - 1]) << number << "/" << place;
            EXPECT_EQ(on.cell(mark(number, place))->background(), place <= 3 ? colour::DarkGrey : colour::LightCyan)
                << number << "/" << place;
        }
    EXPECT_EQ(on.cell(mark(2, 1))->accessibleName(), QStringLiteral("Posto della cifra dei decimi del numero 2"));

    // Whole boxes: one letter past the mark empties the box, what is already
    // there is lowered; a decimal box keeps the latest key, as typed.
    const std::tuple<QString, const char*, const char*> keys[] = {
        {mark(1, 4), "das", ""}, {mark(1, 4), "U", "U"}, {mark(1, 4), "s", "us"}, {mark(1, 5), "dasx", ""}, {mark(1, 5), "das", "das"},
        {mark(1, 1), "cmD", "D"}, {mark(2, 5), "das", "das"}};
    for (const auto& [index, typed, shown] : keys) {
        on.type(index, typed);
        EXPECT_EQ(on.cell(index)->text(), QString::fromLatin1(shown)) << typed;
    }
    EXPECT_EQ(on.buttons(), QStringLiteral("---"));
    on.type(mark(2, 1), "d");
    EXPECT_EQ(on.buttons(), QStringLiteral("-C-")) << "the second number's last decimal box enables the check";

    on.click(kCheck);
    EXPECT_EQ(on.cell(mark(1, 1))->background(), colour::White) << "a capital is not the mark";
    EXPECT_EQ(on.cell(mark(1, 1))->textColour(), 0xC0C0FFu);
    EXPECT_EQ(on.cell(mark(1, 4))->background(), colour::LightCyan);
    EXPECT_EQ(on.buttons(), QStringLiteral("--V"));
    on.click(kEvaluate);
    EXPECT_EQ(on.verdict()->text(), QStringLiteral("Sta' più attento!!!")) << "the tenths stand in two pairs";
    EXPECT_EQ(on.verdict()->textColour(), colour::Red);
    EXPECT_EQ(on.board.grade(ExerciseFamily::PlaceValue), 6);
    EXPECT_EQ(on.buttons(), QStringLiteral("OC-"));
}

}  // namespace
}  // namespace quillo::testing
