#pragma once

#include "core/families/exercise_family.h"

#include <array>
#include <cstdint>
#include <string>

namespace quillo {

// The only state the screens share: the pupil's name and, per family, the
// grade and the number of exercises presented. It lives for one run.
class ScoreBoard {
public:
    void setPupilName(std::string name) { pupilName_ = std::move(name); }
    const std::string& pupilName() const { return pupilName_; }

    void notePresented(ExerciseFamily family);
    std::int16_t presentedCount(ExerciseFamily family) const { return presented_[slotOf(family)]; }

    void setGrade(ExerciseFamily family, long long value);
    std::int16_t grade(ExerciseFamily family) const { return grades_[slotOf(family)]; }

private:
    std::string pupilName_;
    std::array<std::int16_t, kFamilyCount> grades_{};
    std::array<std::int16_t, kFamilyCount> presented_{};
};

}  // namespace quillo
