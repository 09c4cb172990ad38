#include "app/play/frameloop.h"

#include "app/play/gamephase.h"
#include "app/control/inputnames.h"
#include "app/play/inputsource.h"
#include "app/text/keycaps.h"
#include "app/profile/settings.h"
#include "app/profile/settingskeeper.h"
#include "audio/audiodevice.h"
#include "engine/input/gamekeys.h"
#include "engine/input/padbuttons.h"
#include "engine/render/picturerect.h"
#include "engine/platform/platform.h"
#include "engine/render/renderdevice.h"
#include "engine/core/ticks.h"
#include "utils/log.h"
#include "world/world.h"

namespace {

// The pad's rumble at the hero's death, and at a big robot's blast (lighter and shorter).
constexpr float kDeathRumble = 1.0f;
constexpr uint32_t kDeathRumbleMs = 350;
constexpr float kBlastRumble = 0.5f;
constexpr uint32_t kBlastRumbleMs = 180;

// While the game is paused, what would start something in it (a key, a click, a pad button, which
// acts as space) is ignored; releases, moves and Escape still arrive, so that nothing stays held
// down and the game can always be left.
bool StartsSomething(const GameEvent& event)
{
    switch (event.type) {
    case GameEvent::Type::kKeyDown:
        return event.key != gamekeys::kEscape;
    case GameEvent::Type::kMouseDown:
    case GameEvent::Type::kPadDown:
    case GameEvent::Type::kPadUp:
        return true;
    default:
        return false;
    }
}

} // namespace

GameEvent FromToolsWindow(const GameEvent& event) { return PictureRect().MouseInPicture(event); }

FrameLoop::FrameLoop(const Options& options, GamePhase& phase, InputSource* input)
    : options_(options), phase_(phase), input_(input), levelFlow_(phase.gameplay, *phase.overlay, phase.levels, options.endsAfterLastLevel),
      focusPauseAllowed_(!input || !input->PlaysTheGame()), lastStep_(kolm::GetTicks()),
      fpsWindowStart_(kolm::GetTicks())
{
    NoteLevelForReplay();
    if (options.controls) {
        bindings_ = std::make_unique<Bindings>(*options.controls);
        UsePadZones(*options.controls);
    }
}

GameEvent FrameLoop::OwnZones()
{
    GameEvent zones = GameEvent::Of(GameEvent::Type::kPadZones);
    zones.x = JoystickMapping::kOwnDeadZone;
    zones.y = JoystickMapping::kOwnFireThreshold;
    return zones;
}

void FrameLoop::UsePadZones(const ControlSettings& controls)
{
    // Heard, so that a recording made with zones of the player's replays with them.
    GameEvent zones = GameEvent::Of(GameEvent::Type::kPadZones);
    zones.x = controls.padDeadZone;
    zones.y = controls.padFireThreshold;
    if (zones.x != zonesInForce_.x || zones.y != zonesInForce_.y)
        DispatchToGame(zones);
    zonesInForce_ = zones;
}

uint32_t FrameLoop::ToolTime() const
{
    return input_ && input_->DrivesMenus() ? options_.toolClockStart + everyStep_ * Gameplay::kStepMs : PhaseTime();
}

uint32_t FrameLoop::StepInterval() const
{
    if (paused_ || options_.gameSpeed >= 100 || options_.gameSpeed <= 0)
        return Gameplay::kStepMs;
    return (Gameplay::kStepMs * 100 + static_cast<uint32_t>(options_.gameSpeed) / 2) / static_cast<uint32_t>(options_.gameSpeed);
}

bool FrameLoop::Tick(uint32_t now)
{
    if (now - lastStep_ < StepInterval())
        return false;
    // Timed from the moment it was asked for: natively the moment the loop woke, so a late step
    // is simply late and the next one is due 16 ms after it; the page asks at the moments its
    // steps fell due.
    lastStep_ = now;
    Step();
    return true;
}

void FrameLoop::StepAndHandleEvents(bool drawn)
{
    drawing_ = drawn;
    Step();
    drawing_ = true;
    LetInputLook();
    HandleDueInputEvents();
}

void FrameLoop::HandleDueInputEvents()
{
    pending_.clear();
    TakeInputEvents(pending_);
    for (const GameEvent& event : pending_)
        HandleInputEvent(FromToolsWindow(event));
}

void FrameLoop::LetInputLook()
{
    // The tools stand still with the game while it is paused, but for one that drives the menus.
    if (input_ && (!paused_ || input_->DrivesMenus()))
        input_->Observe(ToolTime(), phase_);
}

// Only a person pauses the game: to a script or the bot, P is a key like any other. A source
// that drives the menus is heard as a person: its Escape opens the pause menu, its P pauses, and
// the menu takes its events while it shows.
void FrameLoop::TakeInputEvents(std::vector<GameEvent>& out)
{
    if (input_ && (!paused_ || input_->DrivesMenus()))
        input_->TakeDue(ToolTime(), out);
}

void FrameLoop::HandleInputEvent(const GameEvent& event)
{
    if (!input_->DrivesMenus())
        DispatchToGame(event);
    else if (running_)
        DispatchHeard(event);
}

void FrameLoop::Step()
{
    if (!paused_ && !options_.musicFile.empty())
        KeepMusicPlaying(options_.musicFile);
    ++stepsThisSecond_;
    ReportFps();
    NamePressKey();
    if (!paused_) {
        Update();
        RumbleForStep();
    }
    // The paused scrap gives way to the pause menu.
    const bool hintChanged = pauseMenu_ && pauseMenu_->ShowHint();
    const bool statusChanged = phase_.status && phase_.status->Update(Where(), paused_ && !pauseMenu_);
    if (drawing_)
        ShowPicture(hintChanged || statusChanged);
    else
        phase_.gameplay.SweepSprites(); // what a drawn frame does to the world
    // The world as the step leaves it, drawn: what a replay checks.
    if (!paused_ && phase_.replays)
        phase_.replays->AfterStep(phase_.gameplay, PhaseTime(), options_.gameSpeed < 100);
    if (!paused_)
        ++stepsTaken_;
    ++everyStep_;
}

void FrameLoop::ReportFps()
{
    if (!options_.showFps || kolm::GetTicks() - fpsWindowStart_ < 1000)
        return;
    fpsWindowStart_ = kolm::GetTicks();
    kolm::Say("fps: " + std::to_string(stepsThisSecond_));
    stepsThisSecond_ = 0;
}

void FrameLoop::NamePressKey()
{
    // The classic game and the tools keep the game's own "press space" and "level cleared".
    if (!options_.pausable || !options_.platform)
        return;
    const std::string wayOn = InputNames(options_.platform, options_.controls).Action(Action::kContinue);
    phase_.overlay->pressMessage = PressPicture(wayOn);
    phase_.overlay->clearedMessage = ClearedPicture(wayOn);
}

StatusLayer::Place FrameLoop::Where()
{
    StatusLayer::Place place = phase_.Where();
    place.padGone = padGone_;
    place.pauseKey = InputNames(options_.platform, options_.controls).Action(Action::kPause);
    return place;
}

void FrameLoop::NoteLevelForReplay()
{
    if (phase_.replays)
        phase_.replays->NoteLevel(phase_.gameplay, PhaseTime(), joystick_.Saved());
}

void FrameLoop::Update()
{
    phase_.gameplay.Update(Gameplay::kStepMs);
    phase_.grid.Update(Gameplay::kStepMs);
    phase_.overlay->Update(Gameplay::kStepMs);
    if (phase_.progress)
        phase_.progress->AfterStep(phase_.gameplay, PhaseTime(), options_.gameSpeed < 100);
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
    if (pauseMenu_)
        pauseMenu_->Draw();
    if (options_.drawOver)
        options_.drawOver();
    EndFrame();
}

bool FrameLoop::TakePauseEvent(const GameEvent& event)
{
    if (!options_.pausable)
        return false;
    if (event.IsKey() && event.key == gamekeys::kP) {
        if (event.type == GameEvent::Type::kKeyDown)
            SetPaused(!paused_);
        return true;
    }
    // Only a real loss of focus pauses; gaining it back leaves the resuming to the player.
    if (event.type == GameEvent::Type::kFocusLost && options_.pauseOnFocusLoss)
        SetPaused(true);
    return false;
}

void FrameLoop::PadWentAway()
{
    for (const GameEvent& centre : joystick_.CentringEvents())
        DispatchToGame(centre);
    padInUse_ = -1;
    if (options_.pausable && !paused_) {
        SetPaused(true);
        padGone_ = true;
    }
}

void FrameLoop::RumbleForStep()
{
    const Gameplay::CQuenlowZarnImpl* world = phase_.gameplay.World();
    const bool dead = phase_.gameplay.IsPlayerDead();
    const uint32_t blasts = world ? world->bigRobotBlasts : 0;
    const bool rumbles = options_.platform && options_.rumble > 0 && focusPauseAllowed_;
    if (rumbles && dead && !wasDead_)
        options_.platform->Rumble(kDeathRumble * RumbleStrength(options_.rumble), kDeathRumbleMs);
    else if (rumbles && blasts > blastsSeen_)
        options_.platform->Rumble(kBlastRumble * RumbleStrength(options_.rumble), kBlastRumbleMs);
    wasDead_ = dead;
    blastsSeen_ = blasts;
}

void FrameLoop::SetPaused(bool paused)
{
    if (paused == paused_)
        return;
    paused_ = paused;
    padGone_ = false;
    redrawDue_ = true;
    // The music and every effect, the firing loop among them, hold their place too.
    HoldAllSound(paused);
}

void FrameLoop::Dispatch(const GameEvent& event)
{
    // A window that may have lost the picture shows it again.
    if (event.type == GameEvent::Type::kExposed) {
        presentDue_ = true;
        return;
    }
    if (event.type == GameEvent::Type::kPadRemoved) {
        if (event.pad == padInUse_)
            PadWentAway();
        return;
    }
    if (event.IsPad() && event.type != GameEvent::Type::kPadAdded)
        padInUse_ = event.pad;
    // A game paused for a pad that went away resumes with the pad, or with any key.
    if (padGone_ && (event.type == GameEvent::Type::kPadAdded || event.type == GameEvent::Type::kKeyDown)) {
        SetPaused(false);
        return;
    }
    if (event.type == GameEvent::Type::kTap) {
        ContinueOnTap();
        return;
    }
    if (!bindings_) {
        DispatchHeard(event);
        return;
    }
    if (pauseMenu_) {
        HandlePauseMenu(bindings_->InMenu(event));
        return;
    }
    heardNow_.clear();
    bindings_->InPlay(event, heardNow_);
    for (const GameEvent& heard : heardNow_)
        DispatchHeard(heard);
}

// A tap on the picture is heard as the game's own continue key, so that a recording of it replays
// with the key: after a death or a clear it goes on, at any other moment the level flow takes it
// and it changes nothing (the click the browser makes of the tap is heard as a click). The classic
// game never hears one.
void FrameLoop::ContinueOnTap()
{
    if (!options_.pausable || paused_ || pauseMenu_)
        return;
    DispatchHeard(GameEvent::Key(gamekeys::kSpace, true));
    DispatchHeard(GameEvent::Key(gamekeys::kSpace, false));
}

void FrameLoop::DispatchHeard(const GameEvent& event)
{
    // Pausing belongs to the loop, not to the game: the tools never hear it, so a recording
    // replays as if no pause had been made.
    if (pauseMenu_) {
        HandlePauseMenu(event);
        return;
    }
    if (options_.pauseMenu && event.IsKeyDown(gamekeys::kEscape) && !padGone_) {
        OpenPauseMenu();
        return;
    }
    if (TakePauseEvent(event) || (paused_ && StartsSomething(event)))
        return;
    // For a paused game: what reaches the game may change its picture (a mouse move moves the
    // crosshair).
    redrawDue_ = true;
    DispatchToGame(event);
}

void FrameLoop::DispatchToGame(const GameEvent& event)
{
    using Type = GameEvent::Type;
    Gameplay& gameplay = phase_.gameplay;
    if (input_)
        input_->Heard(PhaseTime(), event);
    if (phase_.replays)
        phase_.replays->Heard(PhaseTime(), event);
    if (levelFlow_.Handle(event)) {
        NoteLevelForReplay();
        return;
    }
    switch (event.type) {
    case Type::kKeyDown:
        if (event.key == gamekeys::kEscape)
            running_ = false;
        else
            gameplay.KeyDown(event.key); // the facade ignores all but the eight movement keys
        break;
    case Type::kKeyUp:
        gameplay.KeyUp(event.key);
        break;
    case Type::kMouseMotion: {
        const vector2 aim(static_cast<float>(event.x), static_cast<float>(event.y));
        gameplay.SetAim(aim);
        if (CSprite* crosshair = phase_.overlay->crosshair)
            crosshair->SetCentre(aim);
        break;
    }
    case Type::kMouseDown:
    case Type::kMouseUp:
        if (event.button != GameEvent::kLeftButton)
            break;
        if (event.type == Type::kMouseDown)
            gameplay.FirePressed();
        else
            gameplay.FireReleased();
        break;
    case Type::kPadAxis:
        joystick_.HandleEvent(event, &gameplay);
        break;
    case Type::kPadZones:
        joystick_.SetZones(event.x, event.y);
        break;
    case Type::kQuit:
        running_ = false;
        break;
    default:
        break;
    }
}

void FrameLoop::OpenPauseMenu()
{
    SetPaused(true);
    pauseMenu_ = std::make_unique<PauseCard>(*options_.pauseMenu, options_.platform);
    redrawDue_ = true;
    if (options_.platform)
        options_.platform->ShowCursor(true);
}

void FrameLoop::ClosePauseMenu()
{
    pauseMenu_.reset();
    redrawDue_ = true;
    if (options_.platform)
        options_.platform->ShowCursor(false);
}

void FrameLoop::HandlePauseMenu(const GameEvent& event)
{
    // A window close quits at once, menu or not.
    if (event.type == GameEvent::Type::kQuit) {
        running_ = false;
        return;
    }
    const MenuCard::Heard heard = pauseMenu_->Hear(event);
    if (heard == MenuCard::Heard::kNothing)
        return;
    redrawDue_ = true;
    if (heard == MenuCard::Heard::kSettingsChanged)
        TakeLoopSettings();
    FollowPauseMenu(pauseMenu_->WhatNext().to);
}

void FrameLoop::FollowPauseMenu(GameScreen::Change::To next)
{
    using To = GameScreen::Change::To;
    if (next == To::kStay)
        return;
    if (next == To::kBack || next == To::kRestartLoop) {
        ClosePauseMenu();
        SetPaused(false);
    }
    if (next == To::kRestartLoop) {
        DispatchToGame(GameEvent::Key(gamekeys::kF5, true));
        DispatchToGame(GameEvent::Key(gamekeys::kF5, false));
    } else if (next == To::kMainMenu) {
        ending_ = Ending::kMainMenu;
        running_ = false;
    } else if (next == To::kQuit) {
        running_ = false;
    }
}

void FrameLoop::TakeLoopSettings()
{
    const Settings& settings = options_.pauseMenu->InForce();
    options_.showFps = settings.showFps;
    options_.pauseOnFocusLoss = settings.pauseOnFocusLoss && focusPauseAllowed_;
    options_.rumble = settings.rumble;
    if (options_.speedFromOptions)
        options_.gameSpeed = settings.gameSpeed;
    phase_.grid.noGrid = !settings.paperMotion;
    phase_.gameplay.SoftenFlashes(settings.softFlashes);
    if (bindings_) {
        bindings_->Set(settings.controls);
        UsePadZones(settings.controls);
    }
}
