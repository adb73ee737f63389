#pragma once

#include "core/kit/random_source.h"

#include <deque>
#include <initializer_list>

namespace quillo {

// Returns the values it is given, in order, and ignores seeding. Once the
// script runs out it keeps returning 0, the lowest draw.
class ScriptedRandom final : public RandomSource {
public:
    ScriptedRandom() = default;
    ScriptedRandom(std::initializer_list<double> values) : values_(values) {}
    void push(double value) { values_.push_back(value); }
    double uniform() override;
    void seedFromClock() override { ++seeds_; }
    int seeds() const { return seeds_; }
    bool exhausted() const { return values_.empty(); }

private:
    std::deque<double> values_;
    int seeds_ = 0;
};

}  // namespace quillo
