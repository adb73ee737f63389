#pragma once

namespace quillo {

// The fourteen screens of the program; ScreenRegistry holds one of each.
enum class ScreenId {
    MainMenu,
    FractionsMenu,
    DecimalsMenu,
    GlobalEvaluation,
    Division,
    Multiplication,
    Addition,
    Subtraction,
    FractionConcept,
    FractionKinds,
    DecimalFractions,
    FractionComparison,
    PlaceValue,
    DecimalComparison,
};

inline constexpr int kScreenCount = 14;

// How every screen opens another and how the program ends.
class Navigator {
public:
    virtual ~Navigator() = default;
    // Opens the target (built fresh from its design state), then closes the
    // current screen.
    virtual void showScreen(ScreenId target) = 0;
    // Ends the program at once, without asking.
    virtual void endProgram() = 0;
};

}  // namespace quillo
