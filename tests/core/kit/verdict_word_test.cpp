#include "core/kit/verdict_word.h"

#include <gtest/gtest.h>

#include <string>

namespace quillo {
namespace {

using V = VerdictWord;

TEST(VerdictWord, EveryWordReadsAndGradesAsItsTableSays)
{
    const std::tuple<V, const char*, int> table[] = {
        {V::NotGood, "Così non va bene!!!", 5}, {V::BeCareful, "Sta' più attento!!!", 6},
        {V::Sufficient, "Sufficiente", 7},      {V::Good, "Buono", 8},
        {V::VeryGood, "Distinto", 9},           {V::Excellent, "Ottimo", 10},
        {V::WellDone, "Bravo!!!", 10},          {V::AllRight, "Va bene", 10},
        {V::Right, "Esatto", 10},               {V::Wrong, "Errato", 5},
    };
    for (const auto& [word, text, grade] : table) {
        EXPECT_EQ(verdictText(word), text);
        EXPECT_EQ(usualGrade(word), grade) << text;
    }
}

TEST(VerdictWord, TwoErrorsOrMoreAreNotGoodOneCallsForCareNoneEarnsTheExercisesWord)
{
    for (const V flawless : {V::Sufficient, V::WellDone, V::AllRight}) {
        EXPECT_EQ(verdictByErrors(0, flawless), flawless);
        EXPECT_EQ(verdictByErrors(1, flawless), V::BeCareful);
        for (int errors : {2, 3, 30})
            EXPECT_EQ(verdictByErrors(errors, flawless), V::NotGood) << errors;
    }
}

}  // namespace
}  // namespace quillo
