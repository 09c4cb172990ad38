#include "app/program.h"

#include "app/commandline.h"
#include "app/frameloop.h"
#include "app/gamephase.h"
#include "app/inputscript.h"
#include "app/joystick.h"
#include "app/titlescreen.h"
#include "audio/audiodevice.h"
#include "audio/soundbank.h"
#include "engine/renderdevice.h"
#include "utils/levellist/clevellist.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <iostream>
#include <memory>

namespace {

const char* const kCaption = "Tobrakka - release 5";
const char* const kMusicFile = "data/sfx/tandrel_-_entering_evil_base.ogg";

// Options of the game's own tools, beside the player's options: "-script <file>" drives the
// game from an input script (see inputscript.h).
std::unique_ptr<InputScript> LoadScript(const std::vector<std::string>& arguments, bool& failed)
{
    failed = false;
    for (std::size_t i = 0; i + 1 < arguments.size(); ++i) {
        if (arguments[i] != "-script")
            continue;
        std::unique_ptr<InputScript> script(new InputScript);
        std::string error;
        if (!script->Load(arguments[i + 1], error)) {
            std::cerr << "tobrakka: input script " << arguments[i + 1] << ": " << error << std::endl;
            failed = true;
            return nullptr;
        }
        return script;
    }
    return nullptr;
}

void StartAudio()
{
    Mix_VolumeMusic(12);
    StartMusic(kMusicFile);
    LoadAllSoundEffects();
    Mix_VolumeMusic(83);
}

void RunGamePhase(const CommandLine& options, InputSource* input)
{
    GamePhase phase(options.noGrid, kolm::CLevelList::Instance().NextLevelFile());
    SDL_ShowCursor(0);
    FrameLoop::Options loopOptions;
    loopOptions.showFps = options.showFps;
    loopOptions.musicFile = kMusicFile;
    FrameLoop loop(loopOptions, phase, input);
    loop.Run();
}

} // namespace

int RunProgram(const std::vector<std::string>& arguments)
{
    const CommandLine options = ParseCommandLine(arguments);
    ApplyWindowSize(options.requestedWidth);
    bool scriptFailed = false;
    std::unique_ptr<InputScript> script = LoadScript(arguments, scriptFailed);
    if (scriptFailed)
        return 2;

    if (!RenderInit(options.fullScreen, g_windowWidth, g_windowHeight)) {
        RenderShutdown();
        return 1;
    }
    SDL_WM_SetCaption(kCaption, kCaption);
    OpenJoystick();
    StartAudio();
    if (RunTitleScreen(script.get()))
        RunGamePhase(options, script.get());
    RenderShutdown();
    return 0;
}
