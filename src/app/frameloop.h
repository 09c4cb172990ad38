#pragma once
// The fixed-step frame loop of the game phase: it spins on the tick counter until 16 ms have
// passed, then updates the world, the grid and the overlay by exactly 16 ms, draws one frame
// and dispatches the events that arrived. Nothing catches up: a slow machine plays slower.
#include <SDL.h>

#include <cstdint>
#include <iosfwd>
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
        std::ostream* record = nullptr; // every input of the phase is written here as a script
    };

    FrameLoop(const Options& options, GamePhase& phase, InputSource* input);

    // Runs until Escape or a window close.
    void Run();
    // One step without its events: music keep-alive, fps report, update and draw.
    void Step();
    // Reads SDL's queue (after the input source's due events) and dispatches every event.
    void DrainEvents();
    // Dispatches the input source's due events straight away, without SDL's queue (the
    // headless game has no window and so no queue).
    void DispatchInputDirectly();
    void Dispatch(const SDL_Event& event);

    bool Running() const { return running_ == 1; }
    // Game time since the loop began.
    uint32_t GameTime() const { return stepsTaken_ * kStepMs; }

private:
    void KeepMusicPlaying();
    void ReportFps();
    void Update();
    void Draw();
    void DispatchKeyDown(int key);
    void Record(const SDL_Event& event);

    Options options_;
    GamePhase& phase_;
    InputSource* input_;
    int running_ = 1;
    uint32_t lastStep_;
    uint32_t fpsWindowStart_;
    float stepCount_ = 0.0f;
    uint32_t stepsTaken_ = 0;
    std::vector<SDL_Event> pending_;
};
