#include "core/kit/check_record.h"

#include <limits>

namespace quillo {

bool CheckRecord::noteCheck(int errors)
{
    // A pupil cannot press "Controllo" this often, but the count must not wrap
    // back to a "first" check.
    if (checksDone_ < std::numeric_limits<int>::max())
        ++checksDone_;
    const bool first = checksDone_ == 1;
    if (first)
        errorCount_ = errors;
    return first;
}

}  // namespace quillo
