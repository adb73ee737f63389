#include "decimals_app.h"
#include "exercises/decimals/decimals_script.h"

#include <gtest/gtest.h>

namespace quillo::testing {
namespace {

TEST(PlaceValueScreen, TypedCheckedEvaluatedAndAnUnevaluatedOneNeverGraded)
{
    DecimalsApp on("placeValueButton");
    auto& app = on.app;
    EXPECT_EQ(on.buttons(), QStringLiteral("100"));
    scriptPlaceValue(app.random, 1, 2, {{5, 5, 5}, {1, 2, 1}});  // 55,5 and 12,1
    on.click("newExercise");
    EXPECT_EQ(app.random.seeds(), 0) << "this screen draws on from the generator seeded at start-up";
    EXPECT_EQ(on.label(5) + on.label(4) + app.find<Label>(QStringLiteral("Comma1"))->text() + on.label(1),
              QStringLiteral("55,5"));
    for (int index : {1, 2, 4, 5, 6, 11, 14, 15})
        EXPECT_EQ(on.cell(index)->isVisible(), index != 2 && index != 6 && index != 14) << index;
    EXPECT_EQ(on.cell(1)->background(), 0x404040u);
    EXPECT_EQ(on.cell(1)->textColour(), 0xC0C0FFu);
    EXPECT_EQ(on.cell(5)->background(), colour::LightCyan);
    EXPECT_EQ(on.cell(5)->textColour(), colour::Red);
    EXPECT_EQ(on.cell(11)->accessibleName(), QStringLiteral("Posto della cifra dei decimi del numero 2"));

    // Whole boxes: one letter past the mark empties the box, what is already
    // there is lowered; a decimal box keeps the latest key, as typed.
    const std::tuple<int, const char*, const char*> keys[] = {
        {4, "das", ""}, {4, "U", "U"}, {4, "s", "us"}, {5, "dasx", ""}, {5, "das", "das"},
        {1, "cmD", "D"}, {15, "das", "das"}};
    for (const auto& [index, typed, shown] : keys) {
        on.type(index, typed);
        EXPECT_EQ(on.cell(index)->text(), QString::fromLatin1(shown)) << typed;
    }
    EXPECT_EQ(on.buttons(), QStringLiteral("000"));
    on.type(11, "d");
    EXPECT_EQ(on.buttons(), QStringLiteral("010")) << "the second number's last decimal box enables the check";

    on.click("check");
    EXPECT_EQ(on.cell(1)->background(), colour::White) << "a capital is not the mark";
    EXPECT_EQ(on.cell(1)->textColour(), 0xC0C0FFu);
    EXPECT_EQ(on.cell(4)->background(), colour::LightCyan);
    EXPECT_EQ(on.buttons(), QStringLiteral("001"));
    on.click("evaluate");
    EXPECT_EQ(on.verdict()->text(), QStringLiteral("Sta' più attento!!!")) << "the tenths stand in two pairs";
    EXPECT_EQ(on.verdict()->textColour(), colour::Red);
    EXPECT_EQ(app.board.grade(ExerciseFamily::PlaceValue), 6);
    EXPECT_EQ(on.buttons(), QStringLiteral("110"));

    // Checked, left unevaluated: the page comes back in its design state.
    scriptPlaceValue(app.random, 1, 1, {{7, 7}, {3, 3}});
    on.click("newExercise");
    EXPECT_EQ(on.verdict()->text(), QString());
    on.type(11, "x");
    on.click("check");
    on.click("sectionMenu");
    EXPECT_EQ(app.registry.current(), ScreenId::DecimalsMenu);
    app.click(QStringLiteral("placeValueButton"));
    EXPECT_EQ(on.buttons(), QStringLiteral("100"));
    EXPECT_EQ(on.label(1), QString());

    // The next one, all right, graded on its own: (6 + 10) / 2.
    scriptPlaceValue(app.random, 1, 1, {{7, 7}, {3, 3}});
    on.click("newExercise");
    for (auto [index, mark] : {std::pair{4, "us"}, {1, "d"}, {14, "us"}, {11, "d"}})
        on.type(index, mark);
    on.click("check");
    on.click("evaluate");
    EXPECT_EQ(on.verdict()->text(), QStringLiteral("Va bene"));
    EXPECT_EQ(app.board.grade(ExerciseFamily::PlaceValue), 8);
}

}  // namespace
}  // namespace quillo::testing
