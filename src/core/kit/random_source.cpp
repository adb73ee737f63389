#include "core/kit/random_source.h"

#include <chrono>
#include <cmath>

namespace quillo {

int RandomSource::between(int lowest, int highest)
{
    const double width = static_cast<double>(highest) - lowest + 1;
    const int value = static_cast<int>(std::floor(uniform() * width + lowest));
    // A value of exactly 1 (which a scripted source may return) stays in range.
    return value > highest ? highest : value;
}

ClockRandom::ClockRandom() : engine_(0x5157494c4c4fULL) {}

double ClockRandom::uniform()
{
    return std::generate_canonical<double, 53>(engine_);
}

void ClockRandom::seedFromClock()
{
    using namespace std::chrono;
    const auto now = system_clock::now().time_since_epoch();
    const auto sinceMidnight = duration_cast<nanoseconds>(now) % duration_cast<nanoseconds>(hours(24));
    seed(static_cast<std::uint64_t>(sinceMidnight.count()));
}

void ClockRandom::seed(std::uint64_t value)
{
    std::seed_seq sequence{static_cast<std::uint32_t>(value), static_cast<std::uint32_t>(value >> 32)};
    engine_.seed(sequence);
}

double SeededRandom::uniform()
{
    // The top 53 bits as a fraction: the same value on every standard
    // library, which generate_canonical does not promise, and never 1.
    return static_cast<double>(engine_() >> 11) * 0x1.0p-53;
}

Seed freshSeed()
{
    std::random_device device;
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    const std::uint64_t mixed = (static_cast<std::uint64_t>(device()) << 32) ^ static_cast<std::uint64_t>(now);
    return static_cast<Seed>(mixed % (static_cast<std::uint64_t>(kLargestSeed) + 1));
}

double drawing(int wanted, int lowest, int highest)
{
    const double width = static_cast<double>(highest) - lowest + 1;
    return (wanted - lowest + 0.5) / width;
}

}  // namespace quillo
