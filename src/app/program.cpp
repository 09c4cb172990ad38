#include "app/program.h"

#include "app/endingscreen.h"
#include "app/applysettings.h"
#include "app/frameloop.h"
#include "app/gamephase.h"
#include "app/inputsource.h"
#include "app/joystick.h"
#include "app/mainmenu.h"
#include "app/settingskeeper.h"
#include "app/titlescreen.h"
#include "audio/audiodevice.h"
#include "audio/soundbank.h"
#include "engine/renderdevice.h"
#include "engine/ticks.h"
#include "utils/datafiles.h"
#include "utils/levellist/clevellist.h"

#include <SDL.h>

#include <algorithm>

namespace {

const char* const kCaption = "Tobrakka - release 5";

void StartAudio(const Settings& settings)
{
    // The track starts quietly while the effects load (never louder than the player's volume).
    StartMusic(datafiles::kMusic, std::min(12, MusicMixerVolume(settings.musicVolume)));
    LoadAllSoundEffects();
    ApplyVolumes(settings);
}

// Where the player asked to start: after the furthest level cleared ("-continue"), at a list
// position ("-level N"), or where the list itself starts.
int StartAfter(const CommandLine& options)
{
    if (options.startLevel)
        return options.startLevel - 1;
    const int cleared = options.continueGame ? ProgressFile(ProgressFile::DefaultPath()).LastCleared() : 0;
    return cleared ? cleared : FirstLevel::kListOwnStart;
}

} // namespace

Program::Program(const std::vector<std::string>& arguments, InputSource* tools)
    : options_(ParseCommandLine(arguments)), classicSettings_(ForThisRun(Settings::Defaults(), options_)),
      tools_(tools)
{
}

Program::~Program() = default;

bool Program::Tick(uint32_t now)
{
    switch (stage_) {
    case Stage::kStartUp:
        StartUp();
        break;
    case Stage::kTitle:
        TickTitle(now);
        break;
    case Stage::kMainMenu:
        TickMainMenu(now);
        break;
    case Stage::kGamePhase:
        TickGamePhase(now);
        break;
    case Stage::kEnding:
        TickEnding(now);
        break;
    case Stage::kDone:
        break;
    }
    return stage_ != Stage::kDone;
}

uint32_t Program::NextDue() const
{
    switch (stage_) {
    case Stage::kTitle:
        return title_->NextDue();
    case Stage::kMainMenu:
        return mainMenu_->NextDue();
    case Stage::kGamePhase:
        return loop_->NextDue();
    case Stage::kEnding:
        return ending_->NextDue();
    default:
        return kolm::GetTicks();
    }
}

const Settings& Program::InForce() const { return settings_ ? settings_->InForce() : classicSettings_; }

void Program::StartUp()
{
    if (!options_.classic)
        settings_ = std::make_unique<SettingsKeeper>(SettingsFile(SettingsFile::DefaultPath()), options_);
    OpenWindow();
    if (stage_ == Stage::kDone)
        return;
    SDL_WM_SetCaption(kCaption, kCaption);
    OpenJoystick();
    StartAudio(InForce());
    title_ = std::make_unique<TitleScreen>(tools_);
    stage_ = Stage::kTitle;
}

void Program::OpenWindow()
{
    const WindowSize size = InForce().windowSize;
    if (options_.classic) {
        ApplyWindowSize(options_.requestedWidth);
    } else if (!size.fitsDesktop) {
        g_windowWidth = size.width;
        g_windowHeight = size.height;
    }
    WindowOptions window;
    window.fullScreen = InForce().fullScreen;
    window.classic = options_.classic;
    if (!RenderInit(window)) {
        exitStatus_ = 1;
        ShutDown();
        return;
    }
    // The desktop's size is known once the window's first mode is set.
    if (size.fitsDesktop)
        ApplyWindow(InForce());
}

void Program::TickTitle(uint32_t now)
{
    switch (title_->Tick(now)) {
    case TitleScreen::Outcome::kShowing:
        return;
    case TitleScreen::Outcome::kStartGame:
        title_.reset();
        if (ShowsMenus())
            StartMainMenu();
        else
            StartGamePhase(StartAfter(options_));
        return;
    case TitleScreen::Outcome::kQuit:
        title_.reset();
        ShutDown();
        return;
    }
}

bool Program::ShowsMenus() const
{
    return !options_.classic && !options_.startLevel && !options_.continueGame && (!tools_ || tools_->DrivesMenus());
}

void Program::StartMainMenu()
{
    mainMenu_ = std::make_unique<MainMenu>(*settings_, tools_ && tools_->DrivesMenus() ? tools_ : nullptr, toolClock_);
    stage_ = Stage::kMainMenu;
}

void Program::TickMainMenu(uint32_t now)
{
    switch (mainMenu_->Tick(now)) {
    case MainMenu::Outcome::kShowing:
        return;
    case MainMenu::Outcome::kPlay: {
        const int startAfter = mainMenu_->StartAfter();
        mainMenu_.reset();
        StartGamePhase(startAfter);
        return;
    }
    case MainMenu::Outcome::kQuit:
        mainMenu_.reset();
        ShutDown();
        return;
    }
}

void Program::StartGamePhase(int startAfter)
{
    if (tools_)
        tools_->PhaseStarting();
    const Settings& settings = InForce();
    phase_ = std::make_unique<GamePhase>(!settings.paperMotion, FirstLevel::FromLevelList(startAfter));
    if (!options_.classic) {
        phase_->status = std::make_unique<StatusLayer>();
        phase_->overlay->clearStands = true;
    }
    if (!tools_ || tools_->KeepsProgress())
        phase_->progress = std::make_unique<ProgressKeeper>(ProgressFile(ProgressFile::DefaultPath()));
    SDL_ShowCursor(0);
    FrameLoop::Options loopOptions;
    loopOptions.showFps = settings.showFps;
    loopOptions.musicFile = datafiles::kMusic;
    loopOptions.pausable = !options_.classic;
    loopOptions.pauseOnFocusLoss = settings.pauseOnFocusLoss && (!tools_ || !tools_->PlaysTheGame());
    loopOptions.pauseMenu = settings_.get();
    loopOptions.toolClockStart = toolClock_;
    loopOptions.endsAfterLastLevel = !options_.classic && (!tools_ || tools_->DrivesMenus());
    loop_ = std::make_unique<FrameLoop>(loopOptions, *phase_, tools_);
    stage_ = Stage::kGamePhase;
}

void Program::TickGamePhase(uint32_t now)
{
    loop_->Tick(now);
    if (loop_->Running())
        return;
    const FrameLoop::Ending ending = loop_->HowItEnded();
    if (loop_->AllLevelsCleared() && phase_->progress)
        ending_ = std::make_unique<EndingScreen>(phase_->progress->Known(), kolm::CLevelList::Instance().Count() - 1);
    EndGamePhase();
    if (ending_)
        stage_ = Stage::kEnding;
    else if (ending == FrameLoop::Ending::kMainMenu)
        StartMainMenu();
    else
        ShutDown();
}

// After the ending, the main menu when the game shows its menus; otherwise the game is over.
void Program::TickEnding(uint32_t now)
{
    if (ending_->Tick(now) == EndingScreen::Outcome::kShowing)
        return;
    ending_.reset();
    if (ShowsMenus())
        StartMainMenu();
    else
        ShutDown();
}

void Program::EndGamePhase()
{
    if (tools_)
        tools_->PhaseEnded(*phase_);
    toolClock_ = loop_->ToolTime();
    loop_.reset();
    phase_.reset();
}

void Program::ShutDown()
{
    RenderShutdown();
    stage_ = Stage::kDone;
}

int RunProgram(const std::vector<std::string>& arguments, InputSource* tools)
{
    Program program(arguments, tools);
    for (uint32_t now = kolm::GetTicks(); program.Tick(now);)
        now = kolm::WaitUntil(program.NextDue());
    return program.ExitStatus();
}
