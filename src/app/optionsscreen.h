#pragma once
// The options, one screen for the main menu and the pause menu alike: the music's and the
// effects' volumes, full screen, the window's size, the paper's motion, showing fps, pausing when
// the window loses the focus, how hard the pad rumbles, "Back to defaults" and "Back". Every change is the player's choice
// through the settings keeper (in force at once and kept in the settings file) and is applied at
// once: the volumes are heard while they change (an effect plays at the new effects volume), the
// window changes as the switch of F11 does. Should the file not be written, the card says so.
#include "app/menu.h"
#include "app/settings.h"

#include "engine/gameevent.h"

class Platform;
class SettingsKeeper;

class OptionsScreen {
public:
    enum class Outcome {
        kUnchanged, // the event changed nothing on the screen
        kShowing,   // the screen changed (a move, a value)
        kChanged,   // and a setting changed with it: whoever uses the settings takes them anew
        kBack,      // the player is done with the options
    };

    // platform: the window the options switch and size (null: no window to change).
    OptionsScreen(SettingsKeeper& settings, Platform* platform);

    Outcome Handle(const GameEvent& event);
    void Draw() { menu_.Draw(); }
    const Menu& Card() const { return menu_; }

    // The lines of the card.
    enum Line { kMusic, kEffects, kFullScreen, kWindowSize, kPaperMotion, kShowFps, kFocusPause, kRumble, kDefaults, kBack };

private:
    Outcome Change(int line, int value);
    // Puts the choice in force and keeps it. windowChosen: the player chose full screen or the
    // window's size, so the window follows the choice (even where only F11 had changed it).
    Outcome Choose(const Settings& chosen, bool windowChosen);
    void ShowSettings();

    SettingsKeeper& settings_;
    Platform* platform_;
    Menu menu_;
};
