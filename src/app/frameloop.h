#pragma once
// The fixed-step frame loop of the game phase: it spins on the tick counter until 16 ms have
// passed, then updates the world, the grid and the overlay by exactly 16 ms, draws one frame
// and dispatches the events that arrived. Nothing catches up: a slow machine plays slower.
//
// The game can be paused (P, or the window losing its input focus): the loop then keeps drawing
// and reading events, but the world, the grid and the overlay stand still and game time does not
// advance, so a game recorded with pauses in it replays to the same end without them.
#include "app/levelflow.h"

#include <SDL.h>

#include <cstdint>
#include <string>
#include <vector>

class InputSource;
struct GamePhase;

class FrameLoop {
public:
    static constexpr uint32_t kStepMs = 16;

    struct Options {
        bool showFps = false;
        std::string musicFile; // restarted whenever it ends; empty for none
        bool readsWindow = true; // false for the headless game, which has no window to read
        bool pausable = false;   // P pauses and resumes
        bool pauseOnFocusLoss = false; // and so does losing the window's input focus
    };

    FrameLoop(const Options& options, GamePhase& phase, InputSource* input);

    // Runs until Escape or a window close.
    void Run();
    // One whole step: update and draw, the input source looks, then the events are handled.
    void StepAndHandleEvents();
    // Handles an event of the person at the keyboard (the window's), which may pause the game.
    void Dispatch(const SDL_Event& event);

    bool Running() const { return running_; }
    bool Paused() const { return paused_; }
    // Game time since the frame loop began: it never restarts, unlike the world's time, which
    // starts again at 0 with every loop of a level.
    uint32_t PhaseTime() const { return stepsTaken_ * kStepMs; }

private:
    // One step without its events: music keep-alive, fps report, update and draw.
    void Step();
    // Reads the window's events, then the input source's due ones, and dispatches them in order.
    void HandleEvents();
    // Hands an event to the game (and to the tools, which hear every one).
    void DispatchToGame(const SDL_Event& event);
    void KeepMusicPlaying();
    void ReportFps();
    void Update();
    void Draw();
    // Takes the events that pause and resume the game; true when the event was one of them.
    bool TakePauseEvent(const SDL_Event& event);
    void SetPaused(bool paused);

    Options options_;
    GamePhase& phase_;
    InputSource* input_;
    LevelFlow levelFlow_;
    bool running_ = true; // until Escape or a window close
    bool paused_ = false;
    uint32_t lastStep_;
    uint32_t fpsWindowStart_;
    uint32_t stepsThisSecond_ = 0; // the fps report's count
    uint32_t stepsTaken_ = 0;
    std::vector<SDL_Event> pending_;
};
