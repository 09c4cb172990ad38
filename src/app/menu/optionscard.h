#pragma once
// The options, one card for the main menu and the pause menu alike: the music's and the
// effects' volumes, full screen, the window's size, the paper's motion, showing fps, pausing when
// the window loses the focus, how hard the pad rumbles, the game's speed (100 % down to 50 %),
// flashes full or soft, the language (at once: the card letters itself anew, and a screen under
// it hears that the settings changed), the Controls (app/menu/controlscard.h), "Back to defaults" and "Back". Every
// change is the player's choice through the settings keeper (in force at once and kept in the settings file) and is applied at
// once: the volumes are heard while they change (an effect plays at the new effects volume), the
// window changes as the switch of F11 does, and the full-screen line follows F11 and Alt+Enter.
// Should the file not be written, the card says so; what was wrong with the file when the game
// read it is said under the card the first time the options show.
#include "app/menu/controlscard.h"
#include "app/menu/menucard.h"
#include "app/profile/settings.h"
#include "app/text/lettering.h"

#include <memory>
#include <string>
#include <vector>

class Platform;
class SettingsKeeper;

class OptionsCard : public MenuCard {
public:
    // platform: the window the options switch and size (null: no window to change).
    OptionsCard(SettingsKeeper& settings, Platform* platform);

    // The Controls card's while it shows, else the options' own.
    Heard Hear(const GameEvent& event) override;
    void Draw() override;
    // The Controls card's hint while it shows (it may be waiting for a key).
    std::string Hint(const InputNames& names) const override
    {
        return controls_ ? controls_->Hint(names) : MenuCard::Hint(names);
    }
    // The lines said under the card about the settings file (none once it is good).
    const std::vector<std::string>& FileProblemLines() const { return fileProblemLines_; }

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
        kLanguage,
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
    void SayFileProblems(const std::vector<std::string>& problems);

    SettingsKeeper& settings_;
    Platform* platform_;
    std::unique_ptr<ControlsCard> controls_; // while the Controls card shows
    std::vector<std::string> fileProblemLines_;
    CSpriteContainer said_;
};
