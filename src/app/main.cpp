#include "app/dataroot.h"
#include "app/program.h"

#include <SDL.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    EnterDataRoot("tobrakka");
    // What SDL's entry wrapper does on other platforms: SDL without its signal parachute, and
    // SDL's shutdown at process exit.
    SDL_Init(SDL_INIT_NOPARACHUTE);
    std::atexit(SDL_Quit);
    return RunProgram(std::vector<std::string>(argv + 1, argv + argc));
}
