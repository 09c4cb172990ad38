#include "app/frameloop.h"

#include "app/inputscript.h"
#include "engine/renderdevice.h"
#include "engine/ticks.h"

#include <iostream>

FrameLoop::FrameLoop(bool showFps, InputScript* script)
    : showFps_(showFps), script_(script), lastStep_(kolm::GetTicks()), fpsWindowStart_(kolm::GetTicks())
{
}

void FrameLoop::Run()
{
    while (running_ == 1) {
        // Spin, without sleeping and without reading events, until the step is due.
        if (kolm::GetTicks() - lastStep_ < kStepMs)
            continue;
        lastStep_ = kolm::GetTicks();
        Step();
    }
}

void FrameLoop::Step()
{
    stepCount_ += 1.0f;
    ReportFps();
    Update();
    Draw();
    ++stepsTaken_;
    DrainEvents();
}

void FrameLoop::ReportFps()
{
    if (!showFps_ || kolm::GetTicks() - fpsWindowStart_ < 1000)
        return;
    fpsWindowStart_ = kolm::GetTicks();
    std::cout << "fps: " << stepCount_ << std::endl;
    stepCount_ = 0.0f;
}

void FrameLoop::Update() {}

void FrameLoop::Draw()
{
    BeginFrame();
    EndFrame();
}

void FrameLoop::DrainEvents()
{
    if (script_)
        script_->PushDue(stepsTaken_ * kStepMs);
    SDL_Event event;
    while (SDL_PollEvent(&event))
        Dispatch(event);
}

void FrameLoop::Dispatch(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_KEYDOWN:
        if (event.key.keysym.sym == SDLK_ESCAPE)
            running_ = 0;
        break;
    case SDL_QUIT:
        running_ = 0;
        break;
    default:
        break;
    }
}
