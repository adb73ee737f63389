#include "core/kit/verdict_word.h"

#include <algorithm>

namespace quillo {

std::string_view verdictText(VerdictWord word)
{
    switch (word) {
    case VerdictWord::NotGood: return "Così non va bene!!!";
    case VerdictWord::BeCareful: return "Sta' più attento!!!";
    case VerdictWord::Sufficient: return "Sufficiente";
    case VerdictWord::Good: return "Buono";
    case VerdictWord::VeryGood: return "Distinto";
    case VerdictWord::Excellent: return "Ottimo";
    case VerdictWord::WellDone: return "Bravo!!!";
    case VerdictWord::AllRight: return "Va bene";
    case VerdictWord::Right: return "Esatto";
    case VerdictWord::Wrong: return "Errato";
    }
    return {};
}

int usualGrade(VerdictWord word)
{
    switch (word) {
    case VerdictWord::NotGood:
    case VerdictWord::Wrong: return 5;
    case VerdictWord::BeCareful: return 6;
    case VerdictWord::Sufficient: return 7;
    case VerdictWord::Good: return 8;
    case VerdictWord::VeryGood: return 9;
    case VerdictWord::Excellent:
    case VerdictWord::WellDone:
    case VerdictWord::AllRight:
    case VerdictWord::Right: return 10;
    }
    return 0;
}

VerdictWord verdictByErrors(int errors, VerdictWord flawless)
{
    if (errors >= 2)
        return VerdictWord::NotGood;
    return errors == 1 ? VerdictWord::BeCareful : flawless;
}

VerdictWord flawlessWordFor(int difficulty)
{
    static constexpr VerdictWord kByDifficulty[] = {VerdictWord::Sufficient, VerdictWord::Good, VerdictWord::VeryGood,
                                                    VerdictWord::Excellent, VerdictWord::WellDone};
    return kByDifficulty[std::clamp(difficulty, 1, 5) - 1];
}

bool isWarning(VerdictWord word)
{
    return word == VerdictWord::NotGood || word == VerdictWord::BeCareful;
}

}  // namespace quillo
