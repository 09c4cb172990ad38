#include "app/frameloop.h"

#include "app/gamephase.h"
#include "harness/inputscript.h"
#include "app/joystick.h"
#include "audio/audiodevice.h"
#include "engine/renderdevice.h"
#include "engine/ticks.h"

#include <SDL_mixer.h>

#include <iostream>
#include <ostream>

FrameLoop::FrameLoop(const Options& options, GamePhase& phase, InputSource* input)
    : options_(options), phase_(phase), input_(input), lastStep_(kolm::GetTicks()), fpsWindowStart_(kolm::GetTicks())
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
        if (input_)
            input_->Observe(GameTime(), phase_);
        DrainEvents();
    }
}

void FrameLoop::Step()
{
    KeepMusicPlaying();
    stepCount_ += 1.0f;
    ReportFps();
    Update();
    Draw();
    ++stepsTaken_;
}

void FrameLoop::KeepMusicPlaying()
{
    // The track plays once per start; restarting it when it ends is what loops it.
    if (Mix_PlayingMusic() == 0 && !options_.musicFile.empty())
        StartMusic(options_.musicFile);
}

void FrameLoop::ReportFps()
{
    if (!options_.showFps || kolm::GetTicks() - fpsWindowStart_ < 1000)
        return;
    fpsWindowStart_ = kolm::GetTicks();
    std::cout << "fps: " << stepCount_ << std::endl;
    stepCount_ = 0.0f;
}

void FrameLoop::Update()
{
    phase_.gameplay.Update(kStepMs);
    phase_.grid.Update(kStepMs);
    phase_.overlay->Update(kStepMs);
}

void FrameLoop::Draw()
{
    BeginFrame();
    phase_.grid.Draw();
    phase_.gameplay.Draw();
    phase_.overlay->Draw();
    EndFrame();
}

void FrameLoop::DrainEvents()
{
    if (input_) {
        pending_.clear();
        input_->TakeDue(GameTime(), pending_);
        for (SDL_Event& event : pending_)
            SDL_PushEvent(&event);
    }
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
        Record(event);
        Dispatch(event);
    }
}

void FrameLoop::Record(const SDL_Event& event)
{
    if (!options_.record)
        return;
    SDL_Event recorded = event;
    if (event.type == SDL_MOUSEMOTION) {
        // Kept as the point aimed at, so that a replay at 1280 x 720 aims at the same point.
        vector2 aim;
        WindowToVirtual(aim, vector2(static_cast<float>(event.motion.x), static_cast<float>(event.motion.y)));
        recorded.motion.x = static_cast<Uint16>(Clamp(aim.x, 0.0f, 65535.0f));
        recorded.motion.y = static_cast<Uint16>(Clamp(aim.y, 0.0f, 65535.0f));
    }
    const std::string line = FormatScriptEvent(GameTime(), recorded);
    if (!line.empty())
        *options_.record << line << '\n';
}

void FrameLoop::DispatchInputDirectly()
{
    if (!input_)
        return;
    pending_.clear();
    input_->TakeDue(GameTime(), pending_);
    for (const SDL_Event& event : pending_)
        Dispatch(event);
}

void FrameLoop::DispatchKeyDown(int key)
{
    Gameplay& gameplay = phase_.gameplay;
    switch (key) {
    case SDLK_ESCAPE:
        running_ = 0;
        break;
    case SDLK_SPACE:
        HandleContinue(&gameplay, phase_.overlay.get());
        break;
    case SDLK_F5:
        gameplay.RetireCurrentPlayer();
        gameplay.RestartAttempt();
        phase_.overlay->Reset();
        break;
    default:
        gameplay.KeyDown(key); // the facade ignores every key but the eight movement keys
        break;
    }
}

void FrameLoop::Dispatch(const SDL_Event& event)
{
    Gameplay& gameplay = phase_.gameplay;
    switch (event.type) {
    case SDL_KEYDOWN:
        DispatchKeyDown(event.key.keysym.sym);
        break;
    case SDL_KEYUP:
        gameplay.KeyUp(event.key.keysym.sym);
        break;
    case SDL_MOUSEMOTION: {
        vector2 aim;
        WindowToVirtual(aim, vector2(static_cast<float>(event.motion.x), static_cast<float>(event.motion.y)));
        gameplay.SetAim(aim);
        if (CSprite* crosshair = phase_.overlay->crosshair)
            crosshair->SetCentre(aim);
        break;
    }
    case SDL_MOUSEBUTTONDOWN:
        if (event.button.button == SDL_BUTTON_LEFT)
            gameplay.FirePressed();
        break;
    case SDL_MOUSEBUTTONUP:
        if (event.button.button == SDL_BUTTON_LEFT)
            gameplay.FireReleased();
        break;
    case SDL_JOYAXISMOTION:
    case SDL_JOYHATMOTION:
        HandleJoystickEvent(event, &gameplay);
        break;
    case SDL_JOYBUTTONDOWN:
    case SDL_JOYBUTTONUP:
        HandleContinue(&gameplay, phase_.overlay.get());
        HandleJoystickEvent(event, &gameplay);
        break;
    case SDL_QUIT:
        running_ = 0;
        break;
    default:
        break;
    }
}
