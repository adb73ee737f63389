#include "core/kit/series_check.h"

namespace quillo {

VerdictWord SeriesCheck::verdict() const
{
    if (errorCount() == 0)
        return VerdictWord::AllRight;
    return errorCount() == 1 ? VerdictWord::BeCareful : VerdictWord::NotGood;
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
