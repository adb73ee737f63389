#include "support/scripted_random.h"

namespace quillo {

double ScriptedRandom::uniform()
{
    if (values_.empty())
        return 0.0;
    const double value = values_.front();
    values_.pop_front();
    return value;
}

}  // namespace quillo
