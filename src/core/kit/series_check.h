#pragma once

#include "core/kit/check_record.h"
#include "core/kit/verdict_word.h"

namespace quillo {

// The checks of the families that answer a short series of cells (relation
// signs, decimal numbers), with their shared verdict table: no error is
// "Va bene" (10), one "Sta' più attento!!!" (6), more "Così non va bene!!!" (5).
class SeriesCheck : public CheckRecord {
public:
    // An evaluation grades the exercise only after exactly one check.
    bool checkedOnce() const { return checksDone() == 1; }

    VerdictWord verdict() const;
    int grade() const;
};

}  // namespace quillo
