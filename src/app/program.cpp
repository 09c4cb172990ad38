#include "app/program.h"

#include "harness/botplayer.h"
#include "app/commandline.h"
#include "harness/demorun.h"
#include "app/frameloop.h"
#include "app/gamephase.h"
#include "harness/inputscript.h"
#include "app/joystick.h"
#include "app/titlescreen.h"
#include "harness/tooloptions.h"
#include "harness/worlddigest.h"
#include "audio/audiodevice.h"
#include "audio/soundbank.h"
#include "engine/random.h"
#include "engine/renderdevice.h"
#include "utils/levellist/clevellist.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <fstream>
#include <iostream>
#include <memory>

namespace {

const char* const kCaption = "Tobrakka - release 5";
const char* const kMusicFile = "data/sfx/tandrel_-_entering_evil_base.ogg";

// What plays the game besides the person at the keyboard: an input script, or the bot of the
// demo. Null for neither; failed is set when the script cannot be read.
std::unique_ptr<InputSource> MakeInput(const ToolOptions& tools, bool& failed)
{
    failed = false;
    if (!tools.script.empty()) {
        std::unique_ptr<InputScript> script(new InputScript);
        failed = !script->LoadOrReport(tools.script, "tobrakka");
        return failed ? nullptr : std::unique_ptr<InputSource>(script.release());
    }
    if (tools.demoSeconds) {
        BotPlayer::Options bot;
        bot.seed = tools.seeded ? tools.seed : 1;
        return std::unique_ptr<InputSource>(new DemoRun(tools.demoSeconds, tools.shotsFolder, bot));
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

void RunGamePhase(const CommandLine& options, const ToolOptions& tools, InputSource* input)
{
    if (tools.seeded) {
        RandomSeed(tools.seed);
        SeedRuntimeRandom(tools.seed);
    }
    std::ofstream record;
    if (!tools.record.empty())
        record.open(tools.record);
    GamePhase phase(options.noGrid, kolm::CLevelList::Instance().NextLevelFile());
    SDL_ShowCursor(0);
    FrameLoop::Options loopOptions;
    loopOptions.showFps = options.showFps;
    loopOptions.musicFile = kMusicFile;
    loopOptions.record = record.is_open() ? &record : nullptr;
    FrameLoop loop(loopOptions, phase, input);
    loop.Run();
    if (tools.digest)
        std::cout << "digest " << DigestOf(phase.gameplay).ToString() << std::endl;
}

} // namespace

int RunProgram(const std::vector<std::string>& arguments)
{
    const CommandLine options = ParseCommandLine(arguments);
    ApplyWindowSize(options.requestedWidth);
    ToolOptions tools;
    std::string error;
    if (!ParseToolOptions(arguments, tools, error)) {
        std::cerr << "tobrakka: " << error << std::endl;
        return 2;
    }
    bool inputFailed = false;
    std::unique_ptr<InputSource> input = MakeInput(tools, inputFailed);
    if (inputFailed)
        return 2;

    if (!RenderInit(options.fullScreen)) {
        RenderShutdown();
        return 1;
    }
    SDL_WM_SetCaption(kCaption, kCaption);
    OpenJoystick();
    StartAudio();
    if (RunTitleScreen(input.get()))
        RunGamePhase(options, tools, input.get());
    RenderShutdown();
    return 0;
}
