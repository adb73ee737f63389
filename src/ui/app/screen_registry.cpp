#include "ui/app/screen_registry.h"

#include "ui/kit/family_screens.h"
#include "ui/screens/menus/main_menu_screen.h"
#include "ui/screens/menus/section_menus.h"
#include "ui/screens/report/global_evaluation_screen.h"
#include "ui/kit/keypad.h"
#include "ui/toolkit/main_window.h"
#include "ui/toolkit/page.h"

#include <QCoreApplication>

namespace quillo {

namespace {
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
        return makeFamilyScreen(*family, services);
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
