#pragma once
// The options, one card for the main menu and the pause menu alike: the music's and the
// effects' volumes, full screen, the window's size, the paper's motion, showing fps, pausing when
// the window loses the focus, how hard the pad rumbles, the game's speed (100 % down to 50 %),
// flashes full or soft, the Controls (app/menu/controlscard.h), "Back to defaults" and "Back". Every
// change is the player's choice through the settings keeper (in force at once and kept in the settings file) and is applied at
// once: the volumes are heard while they change (an effect plays at the new effects volume), the
// window changes as the switch of F11 does. Should the file not be written, the card says so.
#include "app/menu/controlscard.h"
#include "app/menu/menucard.h"
#include "app/profile/settings.h"

#include <memory>

class Platform;
class SettingsKeeper;

class OptionsCard : public MenuCard {
public:
    // platform: the window the options switch and size (null: no window to change).
    OptionsCard(SettingsKeeper& settings, Platform* platform);

    // The Controls card's while it shows, else the options' own.
    Heard Hear(const GameEvent& event) override;
    void Draw() override;

    // The lines of the card.
    enum Line {
        kMusic,
        kEffects,
        kFullScreen,
        kWindowSize,
        kPaperMotion,
        kShowFps,
        kFocusPause,
        kRumble,
        kGameSpeed,
        kFlashes,
        kControls,
        kDefaults,
        kBack
    };

private:
    Heard Take(int line) override;
    Heard ChangeValue(int line, int value) override;
    // Puts the choice in force and keeps it. windowChosen: the player chose full screen or the
    // window's size, so the window follows the choice (even where only F11 had changed it).
    Heard Choose(const Settings& chosen, bool windowChosen);
    void ShowSettings();

    SettingsKeeper& settings_;
    Platform* platform_;
    std::unique_ptr<ControlsCard> controls_; // while the Controls card shows
};
