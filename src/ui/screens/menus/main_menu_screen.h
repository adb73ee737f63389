#pragma once

#include "ui/screens/menus/menu_screen.h"

#include <cstdint>

namespace quillo {

class TextBox;

// The first screen: takes the pupil's name on the first visit, shows it on
// the later ones, and opens everything else.
class MainMenuScreen final : public MenuScreen {
public:
    explicit MainMenuScreen(Services& services);

    std::int16_t menuVisits() const { return menuVisits_; }

    // The name box keeps at most this many characters.
    static constexpr int kNameLength = 40;

protected:
    void build(Page& page) override;

private:
    void enableNavigation(bool enabled) const;
    void nameKeyPressed();
    void storeName();

    std::int16_t menuVisits_ = 0;
    TextBox* nameBox_ = nullptr;
    Label* prompt_ = nullptr;
    Label* pupilCaption_ = nullptr;
    Label* pupilName_ = nullptr;
};

}  // namespace quillo
