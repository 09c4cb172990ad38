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

#include <SDL.h>
#include <SDL_mixer.h>

namespace {

const char* const kCaption = "Tobrakka - release 5";
const char* const kMusicFile = "data/sfx/tandrel_-_entering_evil_base.ogg";

void StartAudio()
{
    Mix_VolumeMusic(12);
    StartMusic(kMusicFile);
    LoadAllSoundEffects();
    Mix_VolumeMusic(83);
}

void RunGamePhase(const CommandLine& options, InputSource* tools)
{
    if (tools)
        tools->PhaseStarting();
    GamePhase phase(options.noGrid, FirstLevel::FromLevelList());
    SDL_ShowCursor(0);
    FrameLoop::Options loopOptions;
    loopOptions.showFps = options.showFps;
    loopOptions.musicFile = kMusicFile;
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
    if (!RenderInit(options.fullScreen, g_windowWidth, g_windowHeight)) {
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
