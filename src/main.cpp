#include "app/dataroot.h"
#include "app/padlayout.h"
#include "app/program.h"
#include "harness/toolrun.h"

#include <SDL.h>

#include <cstdlib>

// The game's executable: the game itself with its tools (scripts, recording, demo, digest)
// attached through its one input seam.
int main(int argc, char** argv)
{
    EnterDataRoot("tobrakka");
    RequestGameControllerLayout();
    // What SDL's entry wrapper does on other platforms: SDL without its signal parachute, and
    // SDL's shutdown at process exit.
    SDL_Init(SDL_INIT_NOPARACHUTE);
    std::atexit(SDL_Quit);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    ToolRun tools;
    if (!tools.Configure(arguments))
        return 2;
    return RunProgram(arguments, tools.Active() ? &tools : nullptr);
}
