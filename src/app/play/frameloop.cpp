#include "app/play/frameloop.h"

#include "app/control/inputnames.h"
#include "app/play/gamephase.h"
#include "app/play/inputsource.h"
#include "app/profile/settingskeeper.h"
#include "app/text/keycaps.h"
#include "audio/audiodevice.h"
#include "engine/input/gamekeys.h"
#include "engine/render/picturerect.h"
#include "engine/render/renderdevice.h"
#include "engine/core/ticks.h"

GameEvent FromToolsWindow(const GameEvent& event) { return PictureRect().MouseInPicture(event); }

namespace {

// Only a person's game rumbles, and only outside the classic game (which gives no strength).
int RumbleOf(const FrameLoop::Options& options, bool personPlays) { return personPlays ? options.rumble : 0; }

} // namespace

FrameLoop::FrameLoop(const Options& options, GamePhase& phase, InputSource* tools)
    : options_(options), phase_(phase), tools_(tools),
      levelFlow_(phase.gameplay, *phase.overlay, phase.levels, options.endsAfterLastLevel),
      pause_(options.pause, options.platform), input_(options.controls),
      rumble_(options.platform, RumbleOf(options, !tools || !tools->PlaysTheGame())),
      focusPauseAllowed_(!tools || !tools->PlaysTheGame()), lastStep_(kolm::GetTicks())
{
    NoteLevelForReplay();
    if (options.controls)
        UsePadZones(*options.controls);
}

void FrameLoop::UsePadZones(const ControlSettings& controls)
{
    GameEvent zones;
    if (input_.ZonesToHear(controls, zones))
        DispatchToGame(zones);
}

uint32_t FrameLoop::ToolTime() const
{
    return tools_ && tools_->DrivesMenus() ? options_.pace.toolClockStart + everyStep_ * Gameplay::kStepMs : PhaseTime();
}

uint32_t FrameLoop::StepInterval() const
{
    const int speed = options_.pace.gameSpeed;
    if (pause_.Paused() || speed >= 100 || speed <= 0)
        return Gameplay::kStepMs;
    return (Gameplay::kStepMs * 100 + static_cast<uint32_t>(speed) / 2) / static_cast<uint32_t>(speed);
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

// The tools stand still with the game while it is paused, but for one that drives the menus: that
// one is heard as a person (its Escape opens the pause card, its P pauses, the card takes its
// events while it shows).
void FrameLoop::LetInputLook()
{
    if (tools_ && (!pause_.Paused() || tools_->DrivesMenus()))
        tools_->Observe(ToolTime(), phase_);
}

void FrameLoop::TakeInputEvents(std::vector<GameEvent>& out)
{
    if (tools_ && (!pause_.Paused() || tools_->DrivesMenus()))
        tools_->TakeDue(ToolTime(), out);
}

void FrameLoop::HandleInputEvent(const GameEvent& event)
{
    if (!tools_->DrivesMenus())
        DispatchToGame(event);
    else if (running_)
        DispatchHeard(event);
}

void FrameLoop::Step()
{
    const bool paused = pause_.Paused();
    if (!paused && !options_.pace.musicFile.empty())
        KeepMusicPlaying(options_.pace.musicFile);
    fps_.Step(options_.pace.showFps);
    NamePressKey();
    if (!paused) {
        phase_.gameplay.Update(Gameplay::kStepMs);
        phase_.grid.Update(Gameplay::kStepMs);
        phase_.overlay->Update(Gameplay::kStepMs);
        MeetRobots();
    }
    // The paused scrap gives way to the pause card and to a robot's introduction.
    PauseCard* card = pause_.Card();
    RobotCard* intro = pause_.Intro();
    const bool hintChanged = (card && card->ShowHint()) || (intro && intro->Animate(Gameplay::kStepMs));
    const bool statusChanged = phase_.status && phase_.status->Update(Where(), paused && !card && !intro);
    if (pause_.TakeChanged())
        picture_.Changed();
    if (drawing_)
        ShowPicture(hintChanged || statusChanged);
    else
        phase_.SweepSprites(); // what a drawn frame does to the world and the overlay
    if (!paused) {
        TellObservers();
        ++stepsTaken_;
    }
    ++everyStep_;
}

// A later kind the player has never met that came on in this step pauses the game under its card.
void FrameLoop::MeetRobots()
{
    if (!phase_.robots)
        return;
    if (const std::optional<LaterRobot> robot = phase_.robots->Meets(phase_.gameplay))
        pause_.Introduce(*robot);
}

// The world as the step leaves it, drawn: what a replay checks.
void FrameLoop::TellObservers()
{
    StepObserver* observers[] = {&rumble_, phase_.progress.get(), phase_.replays.get()};
    for (StepObserver* observer : observers) {
        if (observer)
            observer->AfterStep(phase_.gameplay, PhaseTime(), options_.pace.gameSpeed < 100);
    }
}

void FrameLoop::NamePressKey()
{
    // The classic game and the tools keep the game's own "press space" and "level cleared".
    if (!pause_.Pausable() || !options_.platform)
        return;
    const std::string wayOn = InputNames(options_.platform, options_.controls).Action(Action::kContinue);
    phase_.overlay->pressMessage = PressPicture(wayOn);
    phase_.overlay->clearedMessage = ClearedPicture(wayOn);
}

StatusLayer::Place FrameLoop::Where()
{
    StatusLayer::Place place = phase_.Where();
    place.padGone = pause_.PadGone();
    place.pauseKey = InputNames(options_.platform, options_.controls).Action(Action::kPause);
    return place;
}

void FrameLoop::NoteLevelForReplay()
{
    if (phase_.replays)
        phase_.replays->NoteLevel(phase_.gameplay, PhaseTime(), input_.Sticks().Saved());
}

void FrameLoop::ShowPicture(bool statusChanged)
{
    if (!pause_.Paused() || statusChanged)
        picture_.Changed();
    picture_.Show([this] { DrawLayers(); });
}

void FrameLoop::Draw()
{
    BeginFrame();
    DrawLayers();
    EndFrame();
}

void FrameLoop::DrawLayers()
{
    phase_.grid.Draw();
    phase_.gameplay.Draw();
    phase_.overlay->Draw();
    if (phase_.status)
        phase_.status->Draw();
    if (RobotCard* intro = pause_.Intro())
        intro->Draw();
    if (PauseCard* card = pause_.Card())
        card->Draw();
    if (options_.drawOver)
        options_.drawOver();
}

void FrameLoop::StandAt(const Standing& standing)
{
    stepsTaken_ = standing.stepsTaken;
    everyStep_ = standing.everyStep;
    input_.Sticks().Restore(standing.sticks);
}

void FrameLoop::PadWentAway()
{
    for (const GameEvent& centre : input_.Sticks().CentringEvents())
        DispatchToGame(centre);
    pause_.PadWentAway();
}

void FrameLoop::Dispatch(const GameEvent& event)
{
    // A window that may have lost the picture shows it again.
    if (picture_.TakeWindowEvent(event))
        return;
    if (event.type == GameEvent::Type::kPadRemoved) {
        if (input_.PadWentAway(event))
            PadWentAway();
        return;
    }
    input_.NotePad(event);
    if (pause_.ResumesWith(event))
        return;
    if (event.type == GameEvent::Type::kTap) {
        ContinueOnTap();
        return;
    }
    if (pause_.Card()) {
        HandlePauseCard(input_.InMenu(event));
        return;
    }
    for (const GameEvent& heard : input_.InPlay(event))
        DispatchHeard(heard);
}

// A tap on the picture is heard as the game's own continue key, so that a recording of it replays
// with the key: after a death or a clear it goes on, at any other moment the level flow takes it
// and it changes nothing (the click the browser makes of the tap is heard as a click). The classic
// game never hears one.
void FrameLoop::ContinueOnTap()
{
    if (!pause_.Pausable() || pause_.Paused() || pause_.Card())
        return;
    DispatchHeard(GameEvent::Key(gamekeys::kSpace, true));
    DispatchHeard(GameEvent::Key(gamekeys::kSpace, false));
}

void FrameLoop::DispatchHeard(const GameEvent& event)
{
    // Pausing belongs to the loop, not to the game: the tools never hear it, so a recording
    // replays as if no pause had been made.
    if (pause_.Card()) {
        HandlePauseCard(event);
        return;
    }
    if (pause_.Take(event))
        return;
    // For a paused game: what reaches the game may change its picture (a mouse move moves the
    // crosshair).
    picture_.Changed();
    DispatchToGame(event);
}

void FrameLoop::DispatchToGame(const GameEvent& event)
{
    if (tools_)
        tools_->Heard(PhaseTime(), event);
    if (phase_.replays)
        phase_.replays->Heard(PhaseTime(), event);
    if (levelFlow_.Handle(event)) {
        NoteLevelForReplay();
        return;
    }
    if (event.IsKeyDown(gamekeys::kEscape) || event.type == GameEvent::Type::kQuit)
        running_ = false;
    else
        input_.Apply(event, phase_.gameplay, phase_.overlay->crosshair);
}

void FrameLoop::HandlePauseCard(const GameEvent& event)
{
    switch (pause_.HearOnCard(event)) {
    case PauseControl::Asked::kSettingsChanged:
        TakeSettings(options_.pause.card->InForce());
        break;
    case PauseControl::Asked::kRestartLoop:
        DispatchToGame(GameEvent::Key(gamekeys::kF5, true));
        DispatchToGame(GameEvent::Key(gamekeys::kF5, false));
        break;
    case PauseControl::Asked::kMainMenu:
        ending_ = Ending::kMainMenu;
        running_ = false;
        break;
    case PauseControl::Asked::kLesson:
        ending_ = Ending::kLesson;
        running_ = false;
        break;
    case PauseControl::Asked::kQuit:
        running_ = false;
        break;
    default:
        break;
    }
}

void FrameLoop::TakeSettings(const Settings& settings)
{
    options_.pace.showFps = settings.showFps;
    pause_.SetPauseOnFocusLoss(settings.pauseOnFocusLoss && focusPauseAllowed_);
    if (focusPauseAllowed_)
        rumble_.SetStrength(settings.rumble);
    if (options_.pace.speedFromOptions)
        options_.pace.gameSpeed = settings.gameSpeed;
    phase_.grid.noGrid = !settings.paperMotion;
    phase_.gameplay.SoftenFlashes(settings.softFlashes);
    if (options_.controls) {
        input_.SetControls(settings.controls);
        UsePadZones(settings.controls);
    }
}

std::optional<LaterRobot> FrameLoop::Introducing() const
{
    if (const RobotCard* intro = pause_.Intro())
        return intro->Robot();
    return std::nullopt;
}
