#include "app/program.h"

#include "app/commandline.h"
#include "app/frameloop.h"
#include "app/gamephase.h"
#include "app/inputsource.h"
#include "app/joystick.h"
#include "app/titlescreen.h"
#include "audio/audiodevice.h"
#include "audio/soundbank.h"
#include "engine/renderdevice.h"
#include "utils/datafiles.h"

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

void RunGamePhase(const CommandLine& options, InputSource* tools)
{
    if (tools)
        tools->PhaseStarting();
    const ProgressFile progress(ProgressFile::DefaultPath());
    GamePhase phase(options.noGrid, FirstLevel::FromLevelList(StartAfter(options, progress)));
    if (!options.classic)
        phase.status = std::make_unique<StatusLayer>();
    if (!tools || tools->KeepsProgress())
        phase.progress = std::make_unique<ProgressKeeper>(progress);
    SDL_ShowCursor(0);
    FrameLoop::Options loopOptions;
    loopOptions.showFps = options.showFps;
    loopOptions.musicFile = datafiles::kMusic;
    loopOptions.pausable = !options.classic;
    loopOptions.pauseOnFocusLoss = !tools || !tools->PlaysTheGame();
    FrameLoop loop(loopOptions, phase, tools);
    loop.Run();
    if (tools)
        tools->PhaseEnded(phase);
}

} // namespace

int RunProgram(const std::vector<std::string>& arguments, InputSource* tools)
{
    const CommandLine options = ParseCommandLine(arguments);
    ApplyWindowSize(options.requestedWidth);
    WindowOptions window;
    window.fullScreen = options.fullScreen;
    window.classic = options.classic;
    if (!RenderInit(window)) {
        RenderShutdown();
        return 1;
    }
    SDL_WM_SetCaption(kCaption, kCaption);
    OpenJoystick();
    StartAudio();
    if (RunTitleScreen(tools))
        RunGamePhase(options, tools);
    RenderShutdown();
    return 0;
}
