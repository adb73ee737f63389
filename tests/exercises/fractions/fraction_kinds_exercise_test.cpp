#include "exercises/fractions/fraction_kinds_exercise.h"

#include "app/evaluation_tally.h"
#include "app/score_board.h"
#include "kit/random_source.h"

#include <gtest/gtest.h>

#include <numeric>

namespace quillo {
namespace {

using Exercise = FractionKindsExercise;
using Letters = std::array<std::string, Exercise::kCount>;

// Forces ten fractions through the real draw: numerators first, then
// denominators.
void present(Exercise& exercise, const std::array<std::pair<int, int>, Exercise::kCount>& fractions)
{
    ScriptedRandom random;
    for (const auto& f : fractions)
        random.push(drawing(f.first, 1, 99));
    for (const auto& f : fractions)
        random.push(drawing(f.second, 1, 99));
    exercise.newExercise(random);
    ASSERT_TRUE(random.exhausted());
    for (std::size_t i = 0; i < fractions.size(); ++i) {
        ASSERT_EQ(exercise.fractions()[i].numerator, fractions[i].first);
        ASSERT_EQ(exercise.fractions()[i].denominator, fractions[i].second);
    }
}

const std::array<std::pair<int, int>, 10> kGroup = {
    {{12, 4}, {7, 7}, {5, 1}, {3, 8}, {9, 4}, {7, 12}, {99, 1}, {1, 99}, {98, 49}, {50, 49}}};
const Letters kRight = {"a", "a", "a", "p", "i", "p", "a", "p", "a", "i"};

// The right letters with all but the first `right` of them spoilt.
Letters answering(int right, const std::string& wrong)
{
    Letters letters = kRight;
    for (int i = right; i < Exercise::kCount; ++i)
        letters[static_cast<std::size_t>(i)] = wrong;
    return letters;
}

TEST(FractionKindsExercise, ClassifiesAsTheExamplesSay)
{
    EXPECT_EQ(classify(12, 4), FractionKind::Apparent);
    EXPECT_EQ(classify(7, 7), FractionKind::Apparent);
    EXPECT_EQ(classify(5, 1), FractionKind::Apparent);
    EXPECT_EQ(classify(3, 8), FractionKind::Proper);
    EXPECT_EQ(classify(9, 4), FractionKind::Improper);
    EXPECT_EQ(kindLetter(FractionKind::Apparent), "a");
    EXPECT_EQ(kindLetter(FractionKind::Proper), "p");
    EXPECT_EQ(kindLetter(FractionKind::Improper), "i");
}

TEST(FractionKindsExercise, ClassificationAgreesWithRationalArithmetic)
{
    // In lowest terms n/d is a whole number exactly when its denominator is
    // 1; otherwise it lies below or above 1.
    for (int n = 1; n <= 99; ++n) {
        for (int d = 1; d <= 99; ++d) {
            const int g = std::gcd(n, d);
            const int reducedN = n / g, reducedD = d / g;
            const FractionKind expected = reducedD == 1          ? FractionKind::Apparent
                                          : reducedN < reducedD ? FractionKind::Proper
                                                                : FractionKind::Improper;
            ASSERT_EQ(classify(n, d), expected) << n << "/" << d;
        }
    }
}

TEST(FractionKindsExercise, CountsRightAnswersAtTheFirstCheckOnly)
{
    Exercise exercise;
    present(exercise, kGroup);
    Letters letters = kRight;
    letters[0] = "i";   // wrong kind
    letters[4] = "";    // left empty
    letters[9] = "P";   // never typed by a cell, but wrong all the same
    auto result = exercise.check(letters);
    EXPECT_TRUE(result.firstCheck);
    EXPECT_EQ(exercise.rightAnswers(), 7);
    EXPECT_EQ(result.word, VerdictWord::Good);
    for (std::size_t i = 0; i < letters.size(); ++i)
        EXPECT_EQ(result.wrong[i], i == 0 || i == 4 || i == 9) << i;
    EXPECT_TRUE(exercise.evaluate().countable);
    EXPECT_EQ(exercise.evaluate().grade, 7);
    EXPECT_FALSE(exercise.evaluate().negative);

    result = exercise.check(kRight);
    EXPECT_FALSE(result.firstCheck);
    EXPECT_EQ(std::count(result.wrong.begin(), result.wrong.end(), true), 0);
    EXPECT_EQ(exercise.rightAnswers(), 7) << "a later check only marks";
    EXPECT_EQ(result.word, VerdictWord::Good);
    EXPECT_FALSE(exercise.evaluate().countable);
}

TEST(FractionKindsExercise, GradeWordsFollowTheRightAnswers)
{
    const VerdictWord words[] = {VerdictWord::NotGood,   VerdictWord::NotGood,    VerdictWord::NotGood,
                                 VerdictWord::NotGood,   VerdictWord::NotGood,    VerdictWord::NotGood,
                                 VerdictWord::Sufficient, VerdictWord::Good,      VerdictWord::VeryGood,
                                 VerdictWord::Excellent, VerdictWord::WellDone};
    for (int right = 0; right <= 10; ++right) {
        Exercise exercise;
        present(exercise, kGroup);
        exercise.check(answering(right, "x"));
        const auto evaluation = exercise.evaluate();
        EXPECT_EQ(evaluation.grade, right);
        EXPECT_EQ(evaluation.word, words[right]) << right;
        EXPECT_EQ(evaluation.negative, right <= 5) << right;
    }
}

TEST(FractionKindsExercise, GradeIsTheMeanOfTheRightAnswers)
{
    struct Case {
        std::vector<int> rights;
        int grade;
    };
    for (const Case& c : {Case{{8, 10}, 9}, Case{{3}, 3}, Case{{10, 9, 9}, 9}, Case{{0, 1}, 0}}) {
        ScoreBoard board;
        EvaluationTally tally;
        Exercise exercise;
        for (int right : c.rights) {
            recordPresented(board, ExerciseFamily::FractionKinds, tally);
            present(exercise, kGroup);
            exercise.check(answering(right, ""));
            const auto evaluation = exercise.evaluate();
            ASSERT_TRUE(evaluation.countable);
            recordEvaluation(board, ExerciseFamily::FractionKinds, tally, evaluation.grade);
        }
        EXPECT_EQ(board.grade(ExerciseFamily::FractionKinds), c.grade);
        EXPECT_EQ(tally.gradeTotal(), std::accumulate(c.rights.begin(), c.rights.end(), 0));
    }
}

TEST(FractionKindsExercise, DrawsStayWithinRangeAndRebuildFromTheirDigits)
{
    ClockRandom random;
    Exercise exercise;
    std::array<int, 3> kinds{};
    for (int round = 0; round < 2000; ++round) {
        exercise.newExercise(random);
        for (const auto& f : exercise.fractions()) {
            ASSERT_GE(f.numerator, 1);
            ASSERT_LE(f.numerator, 99);
            ASSERT_GE(f.denominator, 1);
            ASSERT_LE(f.denominator, 99);
            int n = 0, d = 0;
            for (auto it = f.numeratorDigits.rbegin(); it != f.numeratorDigits.rend(); ++it)
                n = n * 10 + (it->at(0) - '0');
            for (auto it = f.denominatorDigits.rbegin(); it != f.denominatorDigits.rend(); ++it)
                d = d * 10 + (it->at(0) - '0');
            ASSERT_EQ(n, f.numerator);
            ASSERT_EQ(d, f.denominator);
            ASSERT_EQ(f.digitWidth(), std::max(f.numeratorDigits.size(), f.denominatorDigits.size()));
            ++kinds[static_cast<std::size_t>(classify(f.numerator, f.denominator))];
        }
    }
    for (int count : kinds)
        EXPECT_GT(count, 0) << "every kind turns up";
}

}  // namespace
}  // namespace quillo
