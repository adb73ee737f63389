#include "core/exercises/fractions/fraction_concept/fraction_concept_exercise.h"

#include "support/scripted_random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace quillo {
namespace {

using Exercise = FractionConceptExercise;

// Forces n/d through the real draw: n from 1 to 13, d from 3 to 16.
void present(Exercise& exercise, int n, int d)
{
    ScriptedRandom random{drawing(n, 1, 13), drawing(d, 3, 16)};
    exercise.newExercise(random);
    ASSERT_EQ(exercise.denominator(), d);
}

// Clicks the parts of the whole in order; 'r' or 'b' picks that swatch
// first, '-' clicks with the pointer as it is.
void colour(Exercise& exercise, const std::string& pattern)
{
    const std::vector<int> parts = exercise.wholeParts();
    ASSERT_EQ(pattern.size(), parts.size());
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (pattern[i] != '-')
            exercise.choosePointer(pattern[i] == 'r' ? PartColour::Red : PartColour::Blue);
        ASSERT_TRUE(exercise.clickPart(parts[i]).accepted);
    }
}

TEST(FractionConceptExercise, FirstCheckJudgesColoursAndCells)
{
    using W = VerdictWord;
    using Marks = std::array<bool, 2>;
    struct Row {
        const char* name;
        int n, d;
        const char* pattern;
        Exercise::Answer answer;
        int red, blue, errors;
        std::vector<int> whitened;
        Marks numeratorWrong, denominatorWrong;
        W word;
    };
    const Row rows[] = {
        {"2/5 red red red blue blue", 2, 5, "rrrbb", {{"3", ""}, {"5", ""}}, 3, 2, 1, {12}, {}, {}, W::Wrong},
        {"2/5 right, tens not shown", 2, 5, "rrbbb", {{"3", "x"}, {"5", "x"}}, 2, 3, 0, {}, {}, {}, W::Right},
        // Clicked before any swatch: white and counted in neither colour.
        {"2/5 a part before any swatch", 2, 5, "-rrbb", {{"3", ""}, {"5", ""}}, 2, 2, 0, {}, {}, {}, W::Right},
        // Cells are compared as texts: "0" of 10 left empty, "1" of 14 typed "/".
        {"4/14 two-digit complement", 4, 14, "rrrrbbbbbbbbbb", {{"", "1"}, {"4", "/"}}, 4, 10, 2, {},
         {true, false}, {false, true}, W::Wrong},
    };
    for (const Row& row : rows) {
        Exercise exercise;
        present(exercise, row.n, row.d);
        colour(exercise, row.pattern);
        const auto result = exercise.check(row.answer);
        EXPECT_EQ(exercise.redCount(), row.red) << row.name;
        EXPECT_EQ(exercise.blueCount(), row.blue) << row.name;
        EXPECT_EQ(exercise.totalErrors(), row.errors) << row.name;
        EXPECT_EQ(result.whitenedParts, row.whitened) << row.name;
        EXPECT_EQ(result.numeratorWrong, row.numeratorWrong) << row.name;
        EXPECT_EQ(result.denominatorWrong, row.denominatorWrong) << row.name;
        const Evaluation evaluation = exercise.evaluate().value();
        EXPECT_EQ(evaluation.verdict, row.word) << row.name;
        EXPECT_EQ(evaluation.grade, row.word == W::Right ? 10 : 5) << row.name;
    }
}

TEST(FractionConceptExercise, ALaterCheckOnlyMarksAndANewExerciseForgetsTheColours)
{
    Exercise exercise;
    present(exercise, 2, 5);
    colour(exercise, "rrbbb");
    exercise.check({{"3", ""}, {"5", ""}});
    const auto again = exercise.check({{"2", ""}, {"5", ""}});
    EXPECT_TRUE(again.numeratorWrong[0]) << "a later check marks...";
    EXPECT_EQ(exercise.resultWord(), VerdictWord::Right) << "...but the first check's result stays";
    EXPECT_FALSE(exercise.evaluate()->counts) << "only an exercise checked once is graded";

    // The same whole again, checked before any click: the old colours must
    // not make it right.
    present(exercise, 2, 5);
    EXPECT_EQ(exercise.pointer(), PartColour::Blue) << "the pointer carries over";
    for (int part = Exercise::kFirstPart; part <= Exercise::kLastPart; ++part)
        EXPECT_EQ(exercise.partCode(part), PartColour::None) << part;
    exercise.check({{"3", ""}, {"5", ""}});
    EXPECT_EQ(exercise.colourErrors(), 1);
    EXPECT_EQ(exercise.resultWord(), VerdictWord::Wrong);
    EXPECT_FALSE(exercise.partReachable(11)) << "the new whole starts again from its first part";
}

// The digits of every draw are read back on every sheet's key.
TEST(FractionConceptExercise, EveryDrawIsAProperFractionAndEveryOneTurnsUp)
{
    // 13 forces 14, even from a source stuck on its lowest value.
    Exercise exercise;
    ScriptedRandom scripted{drawing(13, 1, 13), drawing(5, 3, 16), drawing(16, 3, 16), drawing(13, 3, 16),
                            drawing(15, 3, 16), drawing(14, 3, 16)};
    exercise.newExercise(scripted);
    EXPECT_EQ(exercise.denominator(), 14);
    EXPECT_TRUE(scripted.exhausted());
    ScriptedRandom stuck{drawing(13, 1, 13)};
    exercise.newExercise(stuck);
    EXPECT_EQ(exercise.denominator(), 14);

    ClockRandom random;
    std::set<std::pair<int, int>> seen;
    for (int i = 0; i < 20000; ++i) {
        exercise.newExercise(random);
        const int n = exercise.numerator(), d = exercise.denominator();
        ASSERT_TRUE(n >= 1 && n < d && d >= 3 && d <= 14) << n << "/" << d;
        seen.insert({n, d});
    }
    EXPECT_EQ(seen.size(), 90u) << "2 + 3 + ... + 13 proper fractions";
}

TEST(FractionConceptExercise, EveryWholeHasPartsOfItsOwn)
{
    std::set<int> numbered;
    for (int d = Exercise::kLowestDenominator; d <= Exercise::kHighestDenominator; ++d) {
        const std::vector<int> parts = Exercise::wholeParts(d);
        ASSERT_EQ(parts.size(), static_cast<std::size_t>(d));
        for (int part : parts) {
            EXPECT_EQ(Exercise::wholeOf(part), d);
            EXPECT_TRUE(numbered.insert(part).second) << "part " << part << " in two wholes";
        }
    }
    EXPECT_EQ(numbered.size(), 102u);
    EXPECT_EQ(*numbered.begin(), Exercise::kFirstPart);
    EXPECT_EQ(*numbered.rbegin(), Exercise::kLastPart);
    EXPECT_EQ(Exercise::wholeOf(Exercise::kLastPart + 1), 0);
}

}  // namespace
}  // namespace quillo
