#pragma once

#include <cstdint>
#include <random>

namespace quillo {

// Uniform values in [0, 1). Exercises take the source as a parameter, so a
// test can hand them a scripted one and force an exact exercise.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double uniform() = 0;
    // Reseeds from the clock: seconds since midnight with their fraction, so
    // two presses of "OK" within one second still draw different exercises.
    virtual void seedFromClock() = 0;

    // The whole part of (uniform × width + lowest): lowest..highest, inclusive.
    int between(int lowest, int highest);
};

// The program's generator. A new one starts from a fixed state.
class ClockRandom final : public RandomSource {
public:
    ClockRandom();
    double uniform() override;
    void seedFromClock() override;
    void seed(std::uint64_t value);

private:
    std::mt19937_64 engine_;
};

// A worksheet's source: one reproducible stream from the sheet's seed. The
// exercises reseed from the clock before every draw, as they do on screen;
// here that is ignored, so a sheet of sixty exercises is sixty draws of the
// very same generator code, one after the other, and the same seed prints
// the same sheet again on any machine.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : engine_(seed) {}
    double uniform() override;
    void seedFromClock() override {}

private:
    std::mt19937_64 engine_;
};

// A sheet's seed: a whole number small enough to be read off the sheet and
// typed again.
using Seed = std::uint32_t;
inline constexpr Seed kLargestSeed = 999'999'999;
// A seed drawn afresh, for a sheet asked for without one.
Seed freshSeed();

// The value that makes between(lowest, highest) draw wanted: for scripting.
double drawing(int wanted, int lowest, int highest);

}  // namespace quillo
