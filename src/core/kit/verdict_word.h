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

}  // namespace quillo
