#include "core/exercises/fractions/fraction_kinds/fraction_kinds_exercise.h"

#include "support/scripted_random.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace quillo {
namespace {

using Exercise = FractionKindsExercise;
using Letters = std::array<std::string, Exercise::kCount>;

// 12/4, 7/7, 5/1, 3/8, 9/4, 7/12, 99/1, 1/99, 98/49, 50/49 through the real
// draw: numerators first, then denominators.
Exercise presented()
{
    constexpr int numerators[] = {12, 7, 5, 3, 9, 7, 99, 1, 98, 50};
    constexpr int denominators[] = {4, 7, 1, 8, 4, 12, 1, 99, 49, 49};
    ScriptedRandom random;
    for (int n : numerators)
        random.push(drawing(n, 1, 99));
    for (int d : denominators)
        random.push(drawing(d, 1, 99));
    Exercise exercise;
    exercise.newExercise(random);
    EXPECT_TRUE(random.exhausted());
    return exercise;
}

// The right letters with all but the first `right` of them spoilt.
Letters answering(int right)
{
    Letters letters = {"a", "a", "a", "p", "i", "p", "a", "p", "a", "i"};
    for (int i = right; i < Exercise::kCount; ++i)
        letters[static_cast<std::size_t>(i)] = "x";
    return letters;
}

TEST(FractionKindsExercise, CountsRightAnswersAtTheFirstCheckOnly)
{
    Exercise exercise = presented();
    Letters letters = answering(10);
    letters[0] = "i";  // wrong kind
    letters[4] = "";   // left empty
    letters[9] = "P";  // never typed by a cell, but wrong all the same
    auto wrong = exercise.check(letters);
    EXPECT_EQ(exercise.checks().checksDone(), 1);
    for (std::size_t i = 0; i < letters.size(); ++i)
        EXPECT_EQ(wrong[i], i == 0 || i == 4 || i == 9) << i;
    EXPECT_EQ(exercise.evaluate()->grade, 7);
    EXPECT_TRUE(exercise.evaluate()->counts);

    wrong = exercise.check(answering(10));
    EXPECT_EQ(exercise.checks().checksDone(), 2);
    EXPECT_EQ(std::count(wrong.begin(), wrong.end(), true), 0);
    EXPECT_EQ(exercise.rightAnswers(), 7) << "a later check only marks";
    EXPECT_FALSE(exercise.evaluate()->counts);
}

TEST(FractionKindsExercise, TheGradeIsTheRightAnswersAndTheWordFollowsIt)
{
    using W = VerdictWord;
    const W words[] = {W::NotGood,    W::NotGood, W::NotGood,  W::NotGood,   W::NotGood,  W::NotGood,
                       W::Sufficient, W::Good,    W::VeryGood, W::Excellent, W::WellDone};
    for (int right = 0; right <= 10; ++right) {
        Exercise exercise = presented();
        exercise.check(answering(right));
        const Evaluation evaluation = exercise.evaluate().value();
        EXPECT_EQ(evaluation.grade, right);
        EXPECT_EQ(evaluation.verdict, words[right]) << right;
        EXPECT_EQ(evaluation.negative, right <= 5) << right;
    }
}

}  // namespace
}  // namespace quillo
