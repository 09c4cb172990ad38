#pragma once
// The pause menu over the paused game: Resume, Restart loop, Options, Main menu, Quit. Escape
// resumes (from the options it goes back to the pause menu first). The card says what the player
// took (WhatNext: kBack to resume, kRestartLoop, kMainMenu, kQuit); the frame loop acts on it.
#include "app/menu/menucard.h"
#include "app/menu/menuhint.h"
#include "app/menu/optionscard.h"

#include <memory>

class Platform;
class SettingsKeeper;

class PauseCard : public MenuCard {
public:
    enum Line { kResume, kRestartLoop, kOptions, kMainMenu, kQuit };

    PauseCard(SettingsKeeper& settings, Platform* platform);

    // The options' card while it shows, else the pause menu's own.
    Heard Hear(const GameEvent& event) override;
    void Draw() override;
    // Letters the hint under the menu for the device last used; true when that changed it.
    bool ShowHint();

private:
    Heard Take(int line) override;

    SettingsKeeper& settings_;
    Platform* platform_;
    std::unique_ptr<OptionsCard> options_; // while the options show
    MenuHint hint_;
};
