#pragma once

#include "ui/kit/screen_id.h"
#include "ui/kit/services.h"

#include <array>
#include <memory>

namespace quillo {

class MainWindow;
class Screen;

// Holds exactly one instance of each screen, created on first use and kept
// to the end of the run, and moves the one window from page to page.
class ScreenRegistry final : public Navigator {
public:
    ScreenRegistry(MainWindow& window, ScoreBoard& board, RandomSource& random);
    ~ScreenRegistry() override;

    void showScreen(ScreenId target) override;
    void endProgram() override;

    // The instance of a screen, creating it if needed; null while the screen
    // is not part of the program yet.
    Screen* instance(ScreenId id);
    ScreenId current() const { return current_; }
    bool hasEnded() const { return ended_; }

private:
    MainWindow& window_;
    Services services_;
    std::array<std::unique_ptr<Screen>, kScreenCount> screens_;
    ScreenId current_ = ScreenId::MainMenu;
    bool ended_ = false;
};

}  // namespace quillo
