#pragma once
// The fixed-step frame loop of the game phase: it spins on the tick counter until 16 ms have
// passed, then updates everything by exactly 16 ms, draws one frame and dispatches the events
// that arrived. Nothing catches up: a slow machine plays slower.
#include <SDL.h>

#include <cstdint>

class InputScript;

class FrameLoop {
public:
    static constexpr uint32_t kStepMs = 16;

    FrameLoop(bool showFps, InputScript* script);

    // Runs until Escape or a window close.
    void Run();
    // One step: update, draw, then drain and dispatch the event queue.
    void Step();
    void Dispatch(const SDL_Event& event);

    bool Running() const { return running_ == 1; }
    uint32_t StepsTaken() const { return stepsTaken_; }

private:
    void ReportFps();
    void Update();
    void Draw();
    void DrainEvents();

    bool showFps_;
    InputScript* script_;
    int running_ = 1;
    uint32_t lastStep_;
    uint32_t fpsWindowStart_;
    float stepCount_ = 0.0f;
    uint32_t stepsTaken_ = 0;
};
