#include "app/profile/dataroot.h"
#include "app/program.h"
#include "harness/botlevelcheck.h"
#include "harness/toolrun.h"

#include <memory>

#ifdef __EMSCRIPTEN__
#include "browserloop.h"
#endif

// The game's executable: the game itself with its tools (scripts, recording, demo, digest)
// attached through its one input seam.
int main(int argc, char** argv)
{
    EnterDataRoot("tobrakka");
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    auto tools = std::make_unique<ToolRun>();
    if (!tools->Configure(arguments))
        return 2;
    if (!tools->Active())
        tools.reset();
    // The editor's check of a level is the bot's.
    LevelCheckMaker check = [](const std::string& file) { return std::make_unique<BotLevelCheck>(file); };
#ifdef __EMSCRIPTEN__
    // A page cannot wait in a loop of its own: the browser's animation frames drive the game.
    RunProgramInBrowser(arguments, std::move(tools), std::move(check));
    return 0;
#else
    return RunProgram(arguments, tools.get(), std::move(check));
#endif
}
