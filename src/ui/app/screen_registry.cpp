#include "ui/app/screen_registry.h"

#include "ui/screens/menus/section_menus.h"
#include "ui/screens/report/global_evaluation_screen.h"
#include "ui/screens/menus/main_menu_screen.h"
#include "ui/screens/decimals/decimal_comparison_screen.h"
#include "ui/screens/decimals/place_value_screen.h"
#include "ui/screens/columns/addition_screen.h"
#include "ui/screens/columns/subtraction_screen.h"
#include "ui/screens/columns/multiplication_screen.h"
#include "ui/screens/fractions/fraction_concept_screen.h"
#include "ui/screens/fractions/fraction_kinds_screen.h"
#include "ui/screens/columns/division_screen.h"
#include "ui/screens/fractions/decimal_fractions_screen.h"
#include "ui/screens/fractions/fraction_comparison_screen.h"
#include "ui/kit/keypad.h"
#include "ui/toolkit/main_window.h"
#include "ui/toolkit/page.h"

#include <QCoreApplication>

namespace quillo {

namespace {
// One screen per family.
std::unique_ptr<Screen> createExerciseScreen(ExerciseFamily family, Services& services)
{
    switch (family) {
    case ExerciseFamily::PlaceValue: return std::make_unique<PlaceValueScreen>(services);
    case ExerciseFamily::DecimalComparison: return std::make_unique<DecimalComparisonScreen>(services);
    case ExerciseFamily::Addition: return std::make_unique<AdditionScreen>(services);
    case ExerciseFamily::Subtraction: return std::make_unique<SubtractionScreen>(services);
    case ExerciseFamily::Multiplication: return std::make_unique<MultiplicationScreen>(services);
    case ExerciseFamily::FractionConcept: return std::make_unique<FractionConceptScreen>(services);
    case ExerciseFamily::FractionKinds: return std::make_unique<FractionKindsScreen>(services);
    case ExerciseFamily::Division: return std::make_unique<DivisionScreen>(services);
    case ExerciseFamily::DecimalFractions: return std::make_unique<DecimalFractionsScreen>(services);
    case ExerciseFamily::FractionComparison: return std::make_unique<FractionComparisonScreen>(services);
    }
    return nullptr;
}

// The one list of the program's screens.
std::unique_ptr<Screen> createScreen(ScreenId id, Services& services)
{
    switch (id) {
    case ScreenId::MainMenu: return std::make_unique<MainMenuScreen>(services);
    case ScreenId::FractionsMenu: return std::make_unique<MenuScreen>(services, fractionsMenu());
    case ScreenId::DecimalsMenu: return std::make_unique<MenuScreen>(services, decimalsMenu());
    case ScreenId::GlobalEvaluation: return std::make_unique<GlobalEvaluationScreen>(services);
    }
    if (const std::optional<ExerciseFamily> family = familyOf(id))
        return createExerciseScreen(*family, services);
    // Only a number cast into the enumeration lands here.
    return nullptr;
}
}  // namespace

ScreenRegistry::ScreenRegistry(MainWindow& window, ScoreBoard& board, RandomSource& random)
    : window_(window), services_{board, random, *this}
{
    window_.onClosed = [this] { endProgram(); };
    window_.setSidePanel(new Keypad);
}

ScreenRegistry::~ScreenRegistry()
{
    window_.onClosed = nullptr;
}

Screen* ScreenRegistry::instance(ScreenId id)
{
    const auto index = static_cast<std::size_t>(id);
    if (index >= screens_.size())
        return nullptr;
    auto& slot = screens_[index];
    if (!slot)
        slot = createScreen(id, services_);
    return slot.get();
}

void ScreenRegistry::showScreen(ScreenId target)
{
    if (ended_)
        return;
    Screen* screen = instance(target);
    if (!screen)
        return;
    window_.showPage(screen->open());
    current_ = target;
}

void ScreenRegistry::endProgram()
{
    if (ended_)
        return;
    ended_ = true;
    window_.close();
    QCoreApplication::quit();
}

}  // namespace quillo
