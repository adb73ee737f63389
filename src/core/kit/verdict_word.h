#pragma once

#include <string_view>

namespace quillo {

// The fixed vocabulary of verdicts an exercise screen can show.
enum class VerdictWord {
    NotGood,       // "Così non va bene!!!"
    BeCareful,     // "Sta' più attento!!!"
    Sufficient,    // "Sufficiente"
    Good,          // "Buono"
    VeryGood,      // "Distinto"
    Excellent,     // "Ottimo"
    WellDone,      // "Bravo!!!"
    AllRight,      // "Va bene"
    Right,         // "Esatto"
    Wrong,         // "Errato"
};

std::string_view verdictText(VerdictWord word);

// The grade a word usually turns into; families with their own table say so.
int usualGrade(VerdictWord word);

// The ladder most exercises judge by: two errors or more "Così non va
// bene!!!", one "Sta' più attento!!!", none the word the exercise's
// difficulty earns (for a short series of answers, "Va bene").
VerdictWord verdictByErrors(int errors, VerdictWord flawless);

// What an error-free column operation earns by its difficulty (digits of
// the quotient, borrows): one or none "Sufficiente", then "Buono",
// "Distinto", "Ottimo", and five or more "Bravo!!!".
VerdictWord flawlessWordFor(int difficulty);

// The two words of the ladder that tell the pupil to take more care.
bool isWarning(VerdictWord word);

}  // namespace quillo
