#include "core/kit/random_source.h"
#include "support/scripted_random.h"

#include <gtest/gtest.h>

#include <set>

namespace quillo {
namespace {

TEST(RandomSource, NewGeneratorsAgreeClockSeedsWithinOneSecondDifferAndDrawsCoverTheRange)
{
    ClockRandom first;
    ClockRandom second;
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(first.uniform(), second.uniform());
    first.seedFromClock();
    second.seedFromClock();
    EXPECT_NE(first.uniform(), ClockRandom().uniform());
    // Both seeds fall in the same second; their fraction must tell them apart.
    bool differ = false;
    for (int i = 0; i < 4 && !differ; ++i)
        differ = first.uniform() != second.uniform();
    EXPECT_TRUE(differ);

    ClockRandom& random = first;
    int seen[10] = {};
    for (int i = 0; i < 5000; ++i) {
        const double u = random.uniform();
        ASSERT_TRUE(u >= 0.0 && u < 1.0) << u;
        const int value = random.between(1, 10);
        ASSERT_TRUE(value >= 1 && value <= 10) << value;
        ++seen[value - 1];
    }
    for (int count : seen)
        EXPECT_GT(count, 350);
}

// Every forced draw in the exercise tests goes through between(); a
// scripted 1, which no real source returns, must not leave the range.
TEST(RandomSource, AScriptedOneStaysInTheRange)
{
    ScriptedRandom script{1.0};
    EXPECT_EQ(script.between(1, 13), 13);
}

TEST(RandomSource, SeedMakesOneStreamThatClockSeedingCannotBreak)
{
    SeededRandom sheet(4711);
    SeededRandom again(4711);
    SeededRandom other(4712);
    int differences = 0;
    for (int i = 0; i < 100; ++i) {
        again.seedFromClock();
        const double u = sheet.uniform();
        ASSERT_TRUE(u >= 0.0 && u < 1.0) << u;
        EXPECT_EQ(u, again.uniform());
        differences += u != other.uniform() ? 1 : 0;
    }
    EXPECT_GT(differences, 90);
    // The standard fixes the 10,000th output of the 64-bit Mersenne twister
    // seeded with 5489; a seed printed on a sheet must draw the same on any
    // machine, so the stream is that engine's output read as 53-bit fractions.
    SeededRandom standard(5489);
    double u = 0;
    for (int i = 0; i < 10000; ++i)
        u = standard.uniform();
    EXPECT_EQ(u, static_cast<double>(9981545732273789042ULL >> 11) * 0x1.0p-53);
    std::set<Seed> fresh;
    for (int i = 0; i < 20; ++i)
        EXPECT_LE(*fresh.insert(freshSeed()).first, kLargestSeed);
    EXPECT_GT(fresh.size(), 15u) << "fresh seeds differ";
}

}  // namespace
}  // namespace quillo
