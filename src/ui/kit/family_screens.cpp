#include "ui/kit/family_screens.h"

#include "ui/toolkit/screen.h"

#include <array>

namespace quillo {

std::unique_ptr<Screen> makeFamilyScreen(ExerciseFamily family, Services& services)
{
    using Maker = std::unique_ptr<Screen> (*)(Services&);
    static constexpr std::array<Maker, kFamilyCount> kMakers = {
#define QUILLO_SCREEN_MAKER(name) &make##name##Screen,
        QUILLO_FOR_EACH_FAMILY(QUILLO_SCREEN_MAKER)
#undef QUILLO_SCREEN_MAKER
    };
    return kMakers[slotOf(family)](services);
}

}  // namespace quillo
