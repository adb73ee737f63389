#pragma once

#include "kit/verdict_word.h"

namespace quillo {

// The check of the families that answer a short series of cells (relation
// signs, decimal numbers): the errors are counted at the first check of an
// exercise only, so a pupil cannot mend the answers and check again for a
// better verdict; later checks only mark the cells again. No error is
// "Va bene" (10), one "Sta' più attento!!!" (6), more "Così non va bene!!!" (5).
class SeriesCheck {
public:
    // A new exercise: nothing checked yet.
    void reset();
    // One more check, which found this many wrong cells. Returns whether it
    // was the first check of the exercise (the one that counts the errors).
    bool record(int wrongCells);

    int checks() const { return checks_; }
    int errors() const { return errors_; }
    // An evaluation grades the exercise only after exactly one check.
    bool checkedOnce() const { return checks_ == 1; }

    VerdictWord verdict() const;
    int grade() const;

private:
    int checks_ = 0;
    int errors_ = 0;
};

}  // namespace quillo
