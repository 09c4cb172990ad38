#include "app/program.h"

#include "app/commandline.h"
#include "app/frameloop.h"
#include "app/inputscript.h"
#include "engine/renderdevice.h"

#include <SDL.h>

#include <iostream>
#include <memory>

namespace {

const char* const kCaption = "Tobrakka - release 5";

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

void RunGamePhase(const CommandLine& options, InputScript* script)
{
    SDL_ShowCursor(0);
    FrameLoop loop(options.showFps, script);
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
    RunGamePhase(options, script.get());
    RenderShutdown();
    return 0;
}
