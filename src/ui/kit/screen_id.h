#pragma once

#include "core/families/exercise_family.h"

#include <optional>

namespace quillo {

// The screens that are not exercises. One exercise screen per family follows
// them, in the families' order: screenOf() names it.
enum class ScreenId {
    MainMenu,
    FractionsMenu,
    DecimalsMenu,
    GlobalEvaluation,
};

inline constexpr int kMenuScreenCount = static_cast<int>(ScreenId::GlobalEvaluation) + 1;
inline constexpr int kScreenCount = kMenuScreenCount + static_cast<int>(kFamilyCount);

constexpr ScreenId screenOf(ExerciseFamily family)
{
    return static_cast<ScreenId>(kMenuScreenCount + static_cast<int>(family));
}

// The family whose exercises a screen shows, if it shows any.
constexpr std::optional<ExerciseFamily> familyOf(ScreenId screen)
{
    const int family = static_cast<int>(screen) - kMenuScreenCount;
    if (family < 0 || family >= static_cast<int>(kFamilyCount))
        return std::nullopt;
    return static_cast<ExerciseFamily>(family);
}

// How every screen opens another and how the program ends.
class Navigator {
public:
    virtual ~Navigator() = default;
    // Opens the target (its page built fresh), then closes the
    // current screen.
    virtual void showScreen(ScreenId target) = 0;
    // Ends the program at once, without asking.
    virtual void endProgram() = 0;
};

}  // namespace quillo
