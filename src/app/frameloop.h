#pragma once
// The fixed-step frame loop of the game phase. A driver ticks it with the time (the native loop,
// the tests, a browser's animation frames) and no tick blocks: once 16 ms have passed since the
// last step began, the tick updates the world, the grid and the overlay by exactly 16 ms, draws
// one frame and dispatches the events that arrived. Nothing catches up: a slow machine plays
// slower.
//
// The game can be paused (P, or the window losing its input focus): the loop then keeps reading
// events every step, but the world, the grid and the overlay stand still and game time does not
// advance, so a game recorded with pauses in it replays to the same end without them. Nothing
// moves then, so a frame is drawn only when the picture changes (the paused scrap appears, an
// event reaches the game); the last one is presented again when the window may have lost it
// (uncovered, resized) and a few times a second besides.
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
        bool endsAfterLastLevel = false; // space after the list's last clear ends the phase
    };

    // Paused steps between two presents of an unchanged picture: about a quarter of a second.
    static constexpr uint32_t kPausedStepsPerPresent = 16;

    FrameLoop(const Options& options, GamePhase& phase, InputSource* input);

    // Does what is due at `now` (a tick reading): nothing before the next step is due; then one
    // whole step, which begins at a fresh reading of the tick counter.
    void Tick(uint32_t now);
    // When the next step is due: 16 ms after the last one began.
    uint32_t NextDue() const { return lastStep_ + kStepMs; }
    // One whole step: update and draw, the input source looks, then the events are handled.
    void StepAndHandleEvents();
    // Handles an event of the person at the keyboard (the window's), which may pause the game.
    void Dispatch(const SDL_Event& event);

    // Until Escape, a window close, or (with endsAfterLastLevel) the end of the level list.
    bool Running() const { return running_ && !levelFlow_.AllCleared(); }
    // The phase ended because every level of the list has been played through.
    bool AllLevelsCleared() const { return levelFlow_.AllCleared(); }
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
    // Draws the frame while the game runs. While it is paused, only when the picture may have
    // changed (statusChanged, or since the last draw); otherwise presents the last frame again
    // when the window may have lost it or it has stood a while.
    void ShowPicture(bool statusChanged);
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
    bool redrawDue_ = false;  // something may have changed the picture since the last draw
    bool presentDue_ = false; // the window may have lost the picture since it was last shown
    uint32_t pausedStepsUnshown_ = 0;
    std::vector<SDL_Event> pending_;
};
