#pragma once
// The main menu after the title splash: "Continue at level N" (after the furthest level cleared,
// first and only when there is progress), "New game", "Levels", "Options" and "Quit", on the
// ruled paper. The level select and the options open over the same paper; Escape goes back from
// them. Like the title screen, a driver ticks it with the time and no tick blocks: it reads the
// events every 16 ms, draws when the picture changes, and presents the last picture again when
// the window may have lost it and a few times a second besides.
//
// An input source that drives the menus (a script under "-menus") sends its events here too, as
// a person's: its clock advances 16 ms with each of these polls.
#include "app/levelsscreen.h"
#include "app/menu.h"
#include "app/optionsscreen.h"
#include "app/pollcadence.h"
#include "app/stillpicture.h"
#include "grid/papergrid.h"

#include <SDL.h>

#include <cstdint>
#include <memory>
#include <vector>

class InputSource;
class SettingsKeeper;

class MainMenu {
public:
    enum class Outcome { kShowing, kPlay, kQuit };

    // tools: the input source that drives the menus, or null; toolClock: its clock, which the
    // menu advances.
    MainMenu(SettingsKeeper& settings, InputSource* tools, uint32_t& toolClock);
    MainMenu(const MainMenu&) = delete;
    MainMenu& operator=(const MainMenu&) = delete;

    Outcome Tick(uint32_t now);
    uint32_t NextDue() const { return poll_.Next(); }
    // Once Tick said kPlay: the list position after which play starts (the next level is played).
    int StartAfter() const { return startAfter_; }

private:
    enum class Action { kContinue, kNewGame, kLevels, kOptions, kQuit };

    void Poll();
    void Show();
    void Handle(const SDL_Event& event);
    void HandleMain(const SDL_Event& event);
    void HandleLevels(const SDL_Event& event);
    void HandleOptions(const SDL_Event& event);
    void Take(Action action);
    void Play(int startAfter);

    SettingsKeeper& settings_;
    InputSource* tools_;
    uint32_t& toolClock_;
    int levelCount_;
    Progress progress_;
    std::vector<Action> actions_; // of the main menu's lines
    CPaperGrid paper_;
    std::unique_ptr<Menu> main_;
    std::unique_ptr<LevelsScreen> levels_;   // while the level select shows
    std::unique_ptr<OptionsScreen> options_; // while the options show
    Outcome outcome_ = Outcome::kShowing;
    int startAfter_ = 0;
    PollCadence poll_;
    StillPicture still_;
    std::vector<SDL_Event> toolEvents_;
};
