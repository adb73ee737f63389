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

// The verdict of a short series of answers (relation signs, decimal numbers)
// by its errors: none "Va bene", one "Sta' più attento!!!", more "Così non va
// bene!!!", each worth its usual grade.
VerdictWord seriesVerdict(int errors);

}  // namespace quillo
