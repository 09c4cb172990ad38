#pragma once
// The whole run of the game as one object that a driver ticks with the time: start-up, the title
// screen, the main menu and the game phases it starts (or, for the classic game, "-level",
// "-continue" and the tools, one game phase straight after the title), shutdown. No tick blocks or loops, so the native main loop, the tests
// and a browser's animation-frame callback all drive the same code; between ticks the native
// loop sleeps until the next one is due. The tools' input source, when one is given, plays and
// watches beside the person at the keyboard.
#include "app/commandline.h"
#include "app/settings.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class EndingScreen;
class FrameLoop;
class InputSource;
class MainMenu;
class SettingsKeeper;
class TitleScreen;
struct GamePhase;

class Program {
public:
    Program(const std::vector<std::string>& arguments, InputSource* tools);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Does what is due at `now` (a tick reading) and moves on to the next stage when one ends.
    // False once the program has shut down.
    bool Tick(uint32_t now);
    // When the next tick has something to do.
    uint32_t NextDue() const;
    // The process exit status: 0, or 1 when no window or render device could be made.
    int ExitStatus() const { return exitStatus_; }

private:
    enum class Stage { kStartUp, kTitle, kMainMenu, kGamePhase, kEnding, kDone };

    void StartUp();
    void OpenWindow();
    void TickTitle(uint32_t now);
    // Whether the game shows its menus: not for the classic game, "-level", "-continue" or a
    // tool, unless the tool drives the menus.
    bool ShowsMenus() const;
    void StartMainMenu();
    void TickMainMenu(uint32_t now);
    // Play starts after the list position (FirstLevel's kListOwnStart: where the list starts).
    void StartGamePhase(int startAfter);
    void TickGamePhase(uint32_t now);
    void EndGamePhase();
    void TickEnding(uint32_t now);
    void ShutDown();
    // The settings this run plays with: the file's and the command line's, or for the classic
    // game the command line's alone.
    const Settings& InForce() const;

    CommandLine options_;
    Settings classicSettings_;
    std::unique_ptr<SettingsKeeper> settings_; // outside the classic game
    InputSource* tools_;
    uint32_t toolClock_ = 0; // of an input source that drives the menus
    Stage stage_ = Stage::kStartUp;
    int exitStatus_ = 0;
    std::unique_ptr<TitleScreen> title_;
    std::unique_ptr<MainMenu> mainMenu_;
    std::unique_ptr<GamePhase> phase_;
    std::unique_ptr<FrameLoop> loop_;
    std::unique_ptr<EndingScreen> ending_;
};

// Runs the program on this machine: a tick, then asleep until the next is due, until it has shut
// down. Returns its exit status.
int RunProgram(const std::vector<std::string>& arguments, InputSource* tools);
