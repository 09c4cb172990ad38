#pragma once
// The pause menu over the paused game: Resume, Restart loop, Options, How to play, Main menu,
// Quit; over the lesson: Resume, Restart loop, Skip the lesson, Options, How to play, Main menu,
// Quit. The help over a level offers the lesson (WhatNext: kLesson).
// Escape resumes (from the options or the help card it goes back to the pause menu first). The
// card says what the player took (WhatNext: kBack to resume, kRestartLoop, kPlay to skip the
// lesson, kMainMenu, kQuit); the frame loop, or the lesson, acts on it.
#include "app/menu/helpcard.h"
#include "app/menu/menucard.h"
#include "app/menu/menuhint.h"
#include "app/menu/optionscard.h"

#include <memory>
#include <vector>

class Platform;
class SettingsKeeper;

class PauseCard : public MenuCard {
public:
    enum class Over { kPlay, kLesson };
    // What a line does.
    enum class Line { kResume, kRestartLoop, kSkipLesson, kOptions, kHelp, kMainMenu, kQuit };

    PauseCard(SettingsKeeper& settings, Platform* platform, Over over = Over::kPlay);

    // The options' or the help card while one shows, else the pause menu's own.
    Heard Hear(const GameEvent& event) override;
    void Draw() override;
    // Enter takes, Escape resumes; or what the card over the pause menu says of its keys.
    std::string Hint(const InputNames& names) const override;
    // Letters the hint under the menu for the device last used, and moves the help card's
    // picture on by a step; true when either changed what shows.
    bool ShowHint();
    // The line at an index of the card.
    Line LineAt(int index) const { return lines_.at(static_cast<std::size_t>(index)); }

private:
    Heard Take(int line) override;

    SettingsKeeper& settings_;
    Platform* platform_;
    Over kind_;
    std::vector<Line> lines_;
    uint32_t speech_; // SpeechChanges() when the card was lettered
    std::unique_ptr<MenuCard> over_; // the options or the help, while one shows
    MenuHint hint_;
};
