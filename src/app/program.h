#pragma once
// The whole run of the game as one object that a driver ticks with the time: start-up, then the
// screen that shows (the title, the main menu, the lesson, play, the ending), one after the
// other, then shutdown. No tick blocks or loops, so the native main loop, the tests and a browser's
// animation-frame callback all drive the same code; between ticks the native loop sleeps until
// the next one is due.
//
// Program owns the platform (the window, its device and the pads) and is the one event pump of
// the game: after each tick in which the screen did something, it hands the screen every waiting
// event of the platform (mouse positions turned into points of the 1280 x 720 picture), lets
// the tools' input source, when one is given, look at the screen and hands the screen its due
// events. The classic game, "-level", "-continue" and the tools go from the title straight into
// one game phase, "-replay" into watching the replay; otherwise the main menu follows the title.
#include "app/edit/levelcheck.h"
#include "app/profile/commandline.h"
#include "app/screen/gamescreen.h"
#include "app/screens/editorscreen.h"
#include "app/screens/playscreen.h"
#include "app/profile/settings.h"
#include "utils/levellist/clevellist.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class InputSource;
class Platform;
class SettingsKeeper;

class Program {
public:
    // check: how the editor has the bot check a level (null: it cannot).
    Program(const std::vector<std::string>& arguments, InputSource* tools, LevelCheckMaker check = {});
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Does what is due at `now` (a tick reading) and moves on to the next screen when one is
    // done. False once the program has shut down.
    bool Tick(uint32_t now);
    // When the next tick has something to do.
    uint32_t NextDue() const;
    // The process exit status: 0, 1 when no window or render device could be made, 2 for a
    // "-daily" date with no level.
    int ExitStatus() const { return exitStatus_; }
    // The screen that shows (null before start-up and after shutdown), for the tests that look.
    GameScreen* Shown() const { return screen_.get(); }

private:
    void StartUp();
    bool FindDailyLevel();
    void OpenWindow();
    GameScreen::Change PlaySharedLevel(const GameScreen::Change& otherwise) const;
    // Whether the game shows its menus: not for the classic game, "-level", "-continue",
    // "-replay" or a tool, unless the tool drives the menus.
    bool ShowsMenus() const;
    // The person's waiting events, then the tools' due ones, to the screen.
    void PumpEvents();
    void MoveOn(const GameScreen::Change& change);
    std::unique_ptr<GameScreen> ScreenFor(const GameScreen::Change& change);
    EditorScreen::Setup EditorSetup(const GameScreen::Change& change);
    PlayScreen::Setup PlaySetup();
    std::unique_ptr<GameScreen> DailyScreenFor(const GameScreen::Change& change);
    std::unique_ptr<GameScreen> EndingFor(const GameScreen::Change& change);
    void ShutDown();
    // The settings this run plays with: the file's and the command line's, or for the classic
    // game the command line's alone.
    const Settings& InForce() const;

    CommandLine options_;
    kolm::CLevelList levels_; // read when first asked, once the data folder has been found
    std::unique_ptr<kolm::CLevelList> book_; // a pack's or the player's levels, while they are played
    Settings classicSettings_;
    std::unique_ptr<SettingsKeeper> settings_; // outside the classic game
    InputSource* tools_;
    LevelCheckMaker check_;
    std::unique_ptr<Platform> platform_;
    std::unique_ptr<GameScreen> screen_;
    bool started_ = false;
    bool done_ = false;
    int exitStatus_ = 0;
    uint32_t toolClock_ = 0; // of an input source that drives the menus: 16 ms a tick that counts
    std::vector<GameEvent> toolEvents_;
};

// Runs the program on this machine: a tick, then asleep until the next is due, until it has shut
// down. Returns its exit status.
int RunProgram(const std::vector<std::string>& arguments, InputSource* tools, LevelCheckMaker check = {});
