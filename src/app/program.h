#pragma once
// The whole run of the game as one object that a driver ticks with the time: start-up, the title
// screen, one game phase, shutdown. No tick blocks or loops, so the native main loop, the tests
// and a browser's animation-frame callback all drive the same code; between ticks the native
// loop sleeps until the next one is due. The tools' input source, when one is given, plays and
// watches beside the person at the keyboard.
#include "app/commandline.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class EndingScreen;
class FrameLoop;
class InputSource;
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
    enum class Stage { kStartUp, kTitle, kGamePhase, kEnding, kDone };

    void StartUp();
    void TickTitle(uint32_t now);
    void StartGamePhase();
    void TickGamePhase(uint32_t now);
    void EndGamePhase();
    void TickEnding(uint32_t now);
    void ShutDown();

    CommandLine options_;
    InputSource* tools_;
    Stage stage_ = Stage::kStartUp;
    int exitStatus_ = 0;
    std::unique_ptr<TitleScreen> title_;
    std::unique_ptr<GamePhase> phase_;
    std::unique_ptr<FrameLoop> loop_;
    std::unique_ptr<EndingScreen> ending_;
};

// Runs the program on this machine: a tick, then asleep until the next is due, until it has shut
// down. Returns its exit status.
int RunProgram(const std::vector<std::string>& arguments, InputSource* tools);
