#include "app/frameloop.h"

#include "app/gamephase.h"
#include "app/inputsource.h"
#include "app/joystick.h"
#include "app/padlayout.h"
#include "audio/audiodevice.h"
#include "engine/renderdevice.h"
#include "engine/ticks.h"

#include <SDL_mixer.h>

#include <iostream>

namespace {

// The point of the 1280 x 720 picture that a mouse move aims at.
vector2 AimOf(const SDL_Event& motion)
{
    vector2 aim;
    WindowToVirtual(aim, vector2(static_cast<float>(motion.motion.x), static_cast<float>(motion.motion.y)));
    return aim;
}

// The mouse move with the point aimed at in place of the window pixel, so that a recording
// replayed at 1280 x 720 aims where the player aimed, whatever the window's size.
SDL_Event WithAim(const SDL_Event& motion, vector2 aim)
{
    SDL_Event heard = motion;
    heard.motion.x = static_cast<Uint16>(Clamp(aim.x, 0.0f, 65535.0f));
    heard.motion.y = static_cast<Uint16>(Clamp(aim.y, 0.0f, 65535.0f));
    return heard;
}

// While the game is paused, what would start something in it (a key, a click, a pad button, which
// acts as space) is ignored; releases, moves and Escape still arrive, so that nothing stays held
// down and the game can always be left.
bool StartsSomething(const SDL_Event& event)
{
    switch (event.type) {
    case SDL_KEYDOWN:
        return event.key.keysym.sym != SDLK_ESCAPE;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_JOYBUTTONDOWN:
    case SDL_JOYBUTTONUP:
        return true;
    default:
        return false;
    }
}

} // namespace

FrameLoop::FrameLoop(const Options& options, GamePhase& phase, InputSource* input)
    : options_(options), phase_(phase), input_(input), levelFlow_(phase.gameplay, *phase.overlay, options.endsAfterLastLevel),
      lastStep_(kolm::GetTicks()), fpsWindowStart_(kolm::GetTicks())
{
}

void FrameLoop::Tick(uint32_t now)
{
    if (now - lastStep_ < kStepMs)
        return;
    lastStep_ = kolm::GetTicks(); // a late step is simply late: the next one is due 16 ms after it
    StepAndHandleEvents();
}

void FrameLoop::StepAndHandleEvents()
{
    Step();
    // The tools stand still with the game while it is paused.
    if (input_ && !paused_)
        input_->Observe(PhaseTime(), phase_);
    HandleEvents();
}

void FrameLoop::Step()
{
    if (!paused_)
        KeepMusicPlaying();
    ++stepsThisSecond_;
    ReportFps();
    if (!paused_)
        Update();
    ShowPicture(phase_.status && phase_.status->Update(phase_.Where(), paused_));
    if (!paused_)
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
    std::cout << "fps: " << stepsThisSecond_ << std::endl;
    stepsThisSecond_ = 0;
}

void FrameLoop::Update()
{
    phase_.gameplay.Update(kStepMs);
    phase_.grid.Update(kStepMs);
    phase_.overlay->Update(kStepMs);
    if (phase_.progress)
        phase_.progress->AfterStep(phase_.gameplay, PhaseTime());
}

void FrameLoop::ShowPicture(bool statusChanged)
{
    if (!paused_ || statusChanged || redrawDue_) {
        Draw();
    } else if (presentDue_ || ++pausedStepsUnshown_ >= kPausedStepsPerPresent) {
        PresentAgain();
        presentDue_ = false;
        pausedStepsUnshown_ = 0;
    }
}

void FrameLoop::Draw()
{
    redrawDue_ = presentDue_ = false;
    pausedStepsUnshown_ = 0;
    BeginFrame();
    phase_.grid.Draw();
    phase_.gameplay.Draw();
    phase_.overlay->Draw();
    if (phase_.status)
        phase_.status->Draw();
    EndFrame();
}

void FrameLoop::HandleEvents()
{
    // The window's events first, then the input source's: where a person's key press made
    // during the step would be. Only a person pauses the game: to a script or the bot, P is a
    // key like any other.
    SDL_Event event;
    while (options_.readsWindow && SDL_PollEvent(&event))
        Dispatch(event);
    if (!input_ || paused_)
        return;
    pending_.clear();
    input_->TakeDue(PhaseTime(), pending_);
    for (const SDL_Event& pendingEvent : pending_)
        DispatchToGame(pendingEvent);
}

bool FrameLoop::TakePauseEvent(const SDL_Event& event)
{
    if (!options_.pausable)
        return false;
    if ((event.type == SDL_KEYDOWN || event.type == SDL_KEYUP) && event.key.keysym.sym == SDLK_p) {
        if (event.type == SDL_KEYDOWN)
            SetPaused(!paused_);
        return true;
    }
    // Only a real loss of focus pauses; gaining it back leaves the resuming to the player.
    const bool focusLost = event.type == SDL_ACTIVEEVENT && event.active.gain == 0 &&
                           (event.active.state & SDL_APPINPUTFOCUS) != 0;
    if (focusLost && options_.pauseOnFocusLoss)
        SetPaused(true);
    return false;
}

void FrameLoop::SetPaused(bool paused)
{
    if (paused == paused_)
        return;
    paused_ = paused;
    redrawDue_ = true;
    // The music and every effect, the firing loop among them, hold their place too.
    if (paused) {
        Mix_PauseMusic();
        Mix_Pause(-1);
    } else {
        Mix_ResumeMusic();
        Mix_Resume(-1);
    }
}

void FrameLoop::Dispatch(const SDL_Event& event)
{
    // The window's keys and size, and pausing, belong to the window and the loop, not to the
    // game: the tools never hear them, so a recording replays as if none had been used.
    if (HandleWindowEvent(event)) {
        presentDue_ = true;
        return;
    }
    if (TakePauseEvent(event) || (paused_ && StartsSomething(event)))
        return;
    // For a paused game: what reaches the game may change its picture (a mouse move moves the
    // crosshair), and a window that may have lost the picture needs it shown again.
    if (MayHaveLostPicture(event))
        presentDue_ = true;
    else
        redrawDue_ = true;
    DispatchToGame(InGameAxes(event));
}

void FrameLoop::DispatchToGame(const SDL_Event& event)
{
    Gameplay& gameplay = phase_.gameplay;
    const vector2 aim = event.type == SDL_MOUSEMOTION ? AimOf(event) : vector2();
    if (input_)
        input_->Heard(PhaseTime(), event.type == SDL_MOUSEMOTION ? WithAim(event, aim) : event);
    if (levelFlow_.Handle(event))
        return;
    switch (event.type) {
    case SDL_KEYDOWN:
        if (event.key.keysym.sym == SDLK_ESCAPE)
            running_ = false;
        else
            gameplay.KeyDown(event.key.keysym.sym); // the facade ignores all but the eight movement keys
        break;
    case SDL_KEYUP:
        gameplay.KeyUp(event.key.keysym.sym);
        break;
    case SDL_MOUSEMOTION:
        gameplay.SetAim(aim);
        if (CSprite* crosshair = phase_.overlay->crosshair)
            crosshair->SetCentre(aim);
        break;
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
    case SDL_JOYBUTTONDOWN:
    case SDL_JOYBUTTONUP:
        HandleJoystickEvent(event, &gameplay);
        break;
    case SDL_QUIT:
        running_ = false;
        break;
    default:
        break;
    }
}
