#include "kit/series_check.h"

namespace quillo {

void SeriesCheck::reset()
{
    checks_ = 0;
    errors_ = 0;
}

bool SeriesCheck::record(int wrongCells)
{
    // Saturates: a pupil pressing "Controllo" forever must never wrap back
    // to a first check.
    if (checks_ < 32767)
        ++checks_;
    if (checks_ != 1)
        return false;
    errors_ = wrongCells;
    return true;
}

VerdictWord SeriesCheck::verdict() const
{
    if (errors_ == 0)
        return VerdictWord::AllRight;
    return errors_ == 1 ? VerdictWord::BeCareful : VerdictWord::NotGood;
}

int SeriesCheck::grade() const
{
    switch (verdict()) {
    case VerdictWord::AllRight: return 10;
    case VerdictWord::BeCareful: return 6;
    default: return 5;
    }
}

}  // namespace quillo
