#pragma once
// The pause menu over the paused game: Resume, Restart loop, Options, Main menu, Quit. Escape
// resumes (from the options it goes back to the pause menu first). The menu reports what the
// player took; the frame loop acts on it.
#include "app/menu.h"
#include "app/menuhint.h"
#include "app/optionsscreen.h"

#include "engine/gameevent.h"

#include <memory>

class Platform;
class SettingsKeeper;

class PauseMenu {
public:
    enum class Outcome { kUnchanged, kShowing, kSettingsChanged, kResume, kRestartLoop, kMainMenu, kQuit };
    enum Line { kResume, kRestartLoop, kOptions, kMainMenu, kQuit };

    PauseMenu(SettingsKeeper& settings, Platform* platform);

    Outcome Handle(const GameEvent& event);
    void Draw();
    // Letters the hint under the menu for the device last used; true when that changed it.
    bool ShowHint();

private:
    Outcome HandleOptions(const GameEvent& event);

    SettingsKeeper& settings_;
    Platform* platform_;
    Menu menu_;
    std::unique_ptr<OptionsScreen> options_; // while the options show
    MenuHint hint_;
};
