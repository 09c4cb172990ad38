#include "app/program.h"

#include "app/endingscreen.h"
#include "app/frameloop.h"
#include "app/gamephase.h"
#include "app/inputsource.h"
#include "app/joystick.h"
#include "app/titlescreen.h"
#include "audio/audiodevice.h"
#include "audio/soundbank.h"
#include "engine/renderdevice.h"
#include "engine/ticks.h"
#include "utils/datafiles.h"
#include "utils/levellist/clevellist.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace {

const char* const kCaption = "Tobrakka - release 5";

void StartAudio()
{
    Mix_VolumeMusic(12);
    StartMusic(datafiles::kMusic);
    LoadAllSoundEffects();
    Mix_VolumeMusic(83);
}

// Where the player asked to start: after the furthest level cleared ("-continue"), at a list
// position ("-level N"), or where the list itself starts.
int StartAfter(const CommandLine& options, const ProgressFile& progress)
{
    if (options.startLevel)
        return options.startLevel - 1;
    const int cleared = options.continueGame ? progress.LastCleared() : 0;
    return cleared ? cleared : FirstLevel::kListOwnStart;
}

} // namespace

Program::Program(const std::vector<std::string>& arguments, InputSource* tools)
    : options_(ParseCommandLine(arguments)), tools_(tools)
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
    case Stage::kGamePhase:
        return loop_->NextDue();
    case Stage::kEnding:
        return ending_->NextDue();
    default:
        return kolm::GetTicks();
    }
}

void Program::StartUp()
{
    ApplyWindowSize(options_.requestedWidth);
    WindowOptions window;
    window.fullScreen = options_.fullScreen;
    window.classic = options_.classic;
    if (!RenderInit(window)) {
        exitStatus_ = 1;
        ShutDown();
        return;
    }
    SDL_WM_SetCaption(kCaption, kCaption);
    OpenJoystick();
    StartAudio();
    title_ = std::make_unique<TitleScreen>(tools_);
    stage_ = Stage::kTitle;
}

void Program::TickTitle(uint32_t now)
{
    switch (title_->Tick(now)) {
    case TitleScreen::Outcome::kShowing:
        return;
    case TitleScreen::Outcome::kStartGame:
        title_.reset();
        StartGamePhase();
        return;
    case TitleScreen::Outcome::kQuit:
        title_.reset();
        ShutDown();
        return;
    }
}

void Program::StartGamePhase()
{
    if (tools_)
        tools_->PhaseStarting();
    const ProgressFile progress(ProgressFile::DefaultPath());
    phase_ = std::make_unique<GamePhase>(options_.noGrid, FirstLevel::FromLevelList(StartAfter(options_, progress)));
    if (!options_.classic) {
        phase_->status = std::make_unique<StatusLayer>();
        phase_->overlay->clearStands = true;
    }
    if (!tools_ || tools_->KeepsProgress())
        phase_->progress = std::make_unique<ProgressKeeper>(progress);
    SDL_ShowCursor(0);
    FrameLoop::Options loopOptions;
    loopOptions.showFps = options_.showFps;
    loopOptions.musicFile = datafiles::kMusic;
    loopOptions.pausable = !options_.classic;
    loopOptions.pauseOnFocusLoss = !tools_ || !tools_->PlaysTheGame();
    loopOptions.endsAfterLastLevel = !options_.classic && !tools_;
    loop_ = std::make_unique<FrameLoop>(loopOptions, *phase_, tools_);
    stage_ = Stage::kGamePhase;
}

void Program::TickGamePhase(uint32_t now)
{
    loop_->Tick(now);
    if (loop_->Running())
        return;
    if (loop_->AllLevelsCleared() && phase_->progress)
        ending_ = std::make_unique<EndingScreen>(phase_->progress->Known(), kolm::CLevelList::Instance().Count() - 1);
    EndGamePhase();
    if (ending_)
        stage_ = Stage::kEnding;
    else
        ShutDown();
}

void Program::TickEnding(uint32_t now)
{
    if (ending_->Tick(now) == EndingScreen::Outcome::kShowing)
        return;
    ending_.reset();
    ShutDown();
}

void Program::EndGamePhase()
{
    if (tools_)
        tools_->PhaseEnded(*phase_);
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
