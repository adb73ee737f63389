#include "exercises/fractions/fraction_concept_exercise.h"

#include "kit/random_source.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <utility>

namespace quillo {
namespace {

using Exercise = FractionConceptExercise;
using Digits = std::vector<std::string>;

// Forces n/d through the real draw: n from 1 to 13, d from 3 to 16.
void present(Exercise& exercise, int n, int d)
{
    ScriptedRandom random{drawing(n, 1, 13), drawing(d, 3, 16)};
    exercise.newExercise(random);
    ASSERT_EQ(exercise.numerator(), n);
    ASSERT_EQ(exercise.denominator(), d);
}

// Clicks the parts of the current whole in order, one colour each.
void colour(Exercise& exercise, std::initializer_list<PartColour> colours)
{
    const std::vector<int> parts = exercise.wholeParts();
    ASSERT_EQ(colours.size(), parts.size());
    std::size_t i = 0;
    for (PartColour c : colours) {
        if (c != PartColour::None)
            exercise.choosePointer(c);
        ASSERT_TRUE(exercise.clickPart(parts[i++]).accepted);
    }
}

Exercise::Answer answer(std::array<std::string, 2> numerator, std::array<std::string, 2> denominator)
{
    return {std::move(numerator), std::move(denominator)};
}

constexpr auto R = PartColour::Red;
constexpr auto B = PartColour::Blue;

TEST(FractionConceptExercise, DrawsAgainUntilTheDenominatorFits)
{
    Exercise exercise;
    ScriptedRandom random{drawing(13, 1, 13), drawing(5, 3, 16), drawing(16, 3, 16), drawing(13, 3, 16),
                          drawing(15, 3, 16), drawing(14, 3, 16)};
    exercise.newExercise(random);
    EXPECT_EQ(exercise.numerator(), 13);
    EXPECT_EQ(exercise.denominator(), 14);
    EXPECT_TRUE(random.exhausted());
    EXPECT_EQ(random.seeds(), 1) << "each exercise reseeds from the clock";

    // A source stuck on its lowest value would never give d > 13.
    ScriptedRandom stuck{drawing(13, 1, 13)};
    exercise.newExercise(stuck);
    EXPECT_EQ(exercise.denominator(), 14);
}

TEST(FractionConceptExercise, DigitsAndBarsFollowTheNumbers)
{
    Exercise exercise;
    present(exercise, 4, 14);
    EXPECT_EQ(exercise.complement(), 10);
    EXPECT_EQ(exercise.numeratorDigits(), (Digits{"4"}));
    EXPECT_EQ(exercise.denominatorDigits(), (Digits{"4", "1"}));
    EXPECT_EQ(exercise.complementDigits(), (Digits{"0", "1"}));
    EXPECT_EQ(Exercise::barStart(2), 7440);
    EXPECT_EQ(Exercise::barStart(1), 8040);
    EXPECT_EQ(exercise.wholeParts().front(), 91);
    EXPECT_EQ(exercise.wholeParts().back(), 104);

    present(exercise, 2, 3);
    EXPECT_EQ(exercise.complementDigits(), (Digits{"1"}));
    EXPECT_EQ(exercise.wholeParts(), (std::vector<int>{3, 4, 5}));
}

TEST(FractionConceptExercise, SurplusRedAndShortBlueIsOneColourError)
{
    Exercise exercise;
    present(exercise, 2, 5);
    colour(exercise, {R, R, R, B, B});
    const auto result = exercise.check(answer({"3", ""}, {"5", ""}));
    EXPECT_TRUE(result.firstCheck);
    EXPECT_EQ(result.whitenedParts, std::vector<int>{12});
    EXPECT_EQ(exercise.redCount(), 3);
    EXPECT_EQ(exercise.blueCount(), 2);
    EXPECT_EQ(exercise.colourErrors(), 1);
    EXPECT_EQ(exercise.totalErrors(), 1);
    const auto evaluation = exercise.evaluate();
    EXPECT_EQ(evaluation.word, VerdictWord::Wrong);
    EXPECT_TRUE(evaluation.negative);
    EXPECT_EQ(evaluation.grade, 5);
    EXPECT_TRUE(evaluation.countable);
    EXPECT_EQ(exercise.partCode(12), R) << "whitening keeps the code";
}

TEST(FractionConceptExercise, ARightFractionIsExatto)
{
    Exercise exercise;
    present(exercise, 2, 5);
    colour(exercise, {R, R, B, B, B});
    const auto result = exercise.check(answer({"3", "x"}, {"5", "x"}));
    EXPECT_TRUE(result.whitenedParts.empty());
    EXPECT_EQ(result.numeratorWrong, (std::array<bool, 2>{false, false})) << "tens are not shown for 3";
    EXPECT_EQ(exercise.evaluate().word, VerdictWord::Right);
    EXPECT_EQ(exercise.evaluate().grade, 10);
}

TEST(FractionConceptExercise, APartClickedBeforeAnySwatchIsWhiteAndUncounted)
{
    Exercise exercise;
    present(exercise, 2, 5);
    const auto click = exercise.clickPart(10);
    EXPECT_EQ(click.paint, colour::White);
    EXPECT_EQ(exercise.partCode(10), PartColour::None);
    colour(exercise, {PartColour::None, R, R, B, B});
    exercise.check(answer({"3", ""}, {"5", ""}));
    EXPECT_EQ(exercise.redCount(), 2);
    EXPECT_EQ(exercise.blueCount(), 2);
    EXPECT_EQ(exercise.colourErrors(), 0) << "the red count is right, so the colouring passes";
    EXPECT_EQ(exercise.evaluate().word, VerdictWord::Right);
}

TEST(FractionConceptExercise, CellsAreComparedAsTexts)
{
    Exercise exercise;
    present(exercise, 4, 14);
    colour(exercise, {R, R, R, R, B, B, B, B, B, B, B, B, B, B});
    // Units "0" of 10 left empty, tens "1" of 14 typed as "/".
    const auto result = exercise.check(answer({"", "1"}, {"4", "/"}));
    EXPECT_EQ(result.numeratorWrong, (std::array<bool, 2>{true, false}));
    EXPECT_EQ(result.denominatorWrong, (std::array<bool, 2>{false, true}));
    EXPECT_EQ(exercise.numeratorErrors(), 1);
    EXPECT_EQ(exercise.denominatorErrors(), 1);
    EXPECT_EQ(exercise.colourErrors(), 0);
    EXPECT_EQ(exercise.totalErrors(), 2);

    // Put right at a second check: marks follow, the result stays.
    const auto again = exercise.check(answer({"0", "1"}, {"4", "1"}));
    EXPECT_FALSE(again.firstCheck);
    EXPECT_EQ(again.numeratorWrong, (std::array<bool, 2>{false, false}));
    EXPECT_EQ(exercise.resultWord(), VerdictWord::Wrong);
    EXPECT_EQ(exercise.totalErrors(), 2);
    EXPECT_FALSE(exercise.evaluate().countable) << "only an exercise checked once is graded";
}

TEST(FractionConceptExercise, ANewExerciseForgetsTheColoursOfTheLastOne)
{
    Exercise exercise;
    present(exercise, 2, 5);
    colour(exercise, {R, R, B, B, B});
    exercise.check(answer({"3", ""}, {"5", ""}));
    ASSERT_EQ(exercise.resultWord(), VerdictWord::Right);

    // The same whole again: checked before any part is clicked, the earlier
    // colours must not make it right.
    present(exercise, 2, 5);
    EXPECT_EQ(exercise.pointer(), B) << "the pointer carries over";
    for (int part = Exercise::kFirstPart; part <= Exercise::kLastPart; ++part)
        EXPECT_EQ(exercise.partCode(part), PartColour::None) << part;
    EXPECT_EQ(exercise.checks(), 0);
    const auto result = exercise.check(answer({"3", ""}, {"5", ""}));
    EXPECT_TRUE(result.whitenedParts.empty());
    EXPECT_EQ(exercise.colourErrors(), 1);
    EXPECT_EQ(exercise.resultWord(), VerdictWord::Wrong);
    EXPECT_FALSE(exercise.partReachable(11)) << "the new whole starts again from its first part";
}

TEST(FractionConceptExercise, DiagnosticLineRunsItsItemsTogether)
{
    EXPECT_EQ(diagnosticLine({20, 6, 1, 3, 2}),
              "valutazione complessiva 20  6 valutazionecontrollo 1 n frazioni 3 n valutazioni 2 ");
    EXPECT_EQ(diagnosticLine({0, 0, 2, 1, 0}),
              "valutazione complessiva 0  0 valutazionecontrollo 2 n frazioni 1 n valutazioni 0 ");
}

TEST(FractionConceptExercise, EveryDrawIsAProperFractionAndEveryOneTurnsUp)
{
    ClockRandom random;
    Exercise exercise;
    std::set<std::pair<int, int>> seen;
    const auto number = [](const Digits& digits) {
        int value = 0;
        for (auto it = digits.rbegin(); it != digits.rend(); ++it)
            value = value * 10 + (it->at(0) - '0');
        return value;
    };
    for (int i = 0; i < 20000; ++i) {
        exercise.newExercise(random);
        const int n = exercise.numerator();
        const int d = exercise.denominator();
        ASSERT_GE(n, 1);
        ASSERT_LT(n, d);
        ASSERT_GE(d, 3);
        ASSERT_LE(d, 14);
        ASSERT_EQ(number(exercise.numeratorDigits()), n);
        ASSERT_EQ(number(exercise.denominatorDigits()), d);
        ASSERT_EQ(number(exercise.complementDigits()), d - n);
        ASSERT_EQ(exercise.wholeParts().size(), static_cast<std::size_t>(d));
        seen.insert({n, d});
    }
    // Every proper fraction with 3 <= d <= 14: 2 + 3 + ... + 13 of them.
    EXPECT_EQ(seen.size(), 90u);
}

TEST(FractionConceptExercise, EveryWholeIsTiledByItsPartsWithoutGaps)
{
    std::set<int> numbered;
    for (int d = Exercise::kLowestDenominator; d <= Exercise::kHighestDenominator; ++d) {
        const std::vector<int> parts = Exercise::wholeParts(d);
        ASSERT_EQ(parts.size(), static_cast<std::size_t>(d));
        std::vector<PartPlace> places;
        for (int part : parts) {
            EXPECT_EQ(Exercise::wholeOf(part), d);
            EXPECT_TRUE(numbered.insert(part).second) << "part " << part << " belongs to two wholes";
            places.push_back(Exercise::partPlace(part));
            EXPECT_EQ(places.back().width, places.front().width) << "parts of a whole are equal";
            EXPECT_EQ(places.back().height, places.front().height);
        }
        int left = 1 << 20, top = 1 << 20, right = 0, bottom = 0;
        std::set<int> xs, ys;
        for (const PartPlace& p : places) {
            left = std::min(left, p.left);
            top = std::min(top, p.top);
            right = std::max(right, p.left + p.width);
            bottom = std::max(bottom, p.top + p.height);
            xs.insert({p.left, p.left + p.width});
            ys.insert({p.top, p.top + p.height});
        }
        // The whole stands on the paper, left of the fraction column and
        // above the buttons.
        EXPECT_GE(left, 240) << d;
        EXPECT_LE(right, 7080) << d;
        EXPECT_EQ(top, 1680) << d;
        EXPECT_LE(bottom, 5292) << d;

        // Between any two neighbouring edges the union is constant, so one
        // sample per cell of the edge grid tells whether it is covered.
        const std::vector<int> xv(xs.begin(), xs.end()), yv(ys.begin(), ys.end());
        for (std::size_t i = 0; i + 1 < xv.size(); ++i) {
            for (std::size_t j = 0; j + 1 < yv.size(); ++j) {
                const double x = (xv[i] + xv[i + 1]) / 2.0, y = (yv[j] + yv[j + 1]) / 2.0;
                int covering = 0;
                for (const PartPlace& p : places)
                    covering += (x > p.left && x < p.left + p.width && y > p.top && y < p.top + p.height) ? 1 : 0;
                EXPECT_GE(covering, 1) << "gap in the whole of " << d << " at " << x << ";" << y;
            }
        }
        // Neighbours share only their 12-twip border, never more.
        for (std::size_t a = 0; a < places.size(); ++a) {
            for (std::size_t b = a + 1; b < places.size(); ++b) {
                const PartPlace &p = places[a], &q = places[b];
                const int w = std::min(p.left + p.width, q.left + q.width) - std::max(p.left, q.left);
                const int h = std::min(p.top + p.height, q.top + q.height) - std::max(p.top, q.top);
                if (w > 0 && h > 0) {
                    EXPECT_LE(std::min(w, h), 12) << "parts overlap in the whole of " << d;
                }
            }
        }
    }
    EXPECT_EQ(numbered.size(), 102u);
    EXPECT_EQ(*numbered.begin(), Exercise::kFirstPart);
    EXPECT_EQ(*numbered.rbegin(), Exercise::kLastPart);
    EXPECT_EQ(Exercise::wholeOf(2), 0);
    EXPECT_TRUE(Exercise::wholeParts(15).empty());
}

}  // namespace
}  // namespace quillo
