#include "app/padlayout.h"

#include <cstdlib>

namespace {

constexpr const char* kGameControllerHint = "SDL12COMPAT_USE_GAME_CONTROLLERS";
// sdl12-compat reports itself as SDL 1.2.50 or later; the last classic SDL 1.2 was 1.2.15.
constexpr int kFirstCompatPatch = 50;

bool LinkedToCompat()
{
    const SDL_version* version = SDL_Linked_Version();
    return version && version->major == 1 && version->minor == 2 && version->patch >= kFirstCompatPatch;
}

// The hint read as sdl12-compat reads it: a number, on when not 0; off when not set.
bool GameControllerHintOn()
{
    const char* value = std::getenv(kGameControllerHint);
    return value && std::atoi(value) != 0;
}

} // namespace

void RequestGameControllerLayout()
{
    setenv(kGameControllerHint, "1", 0);
}

PadLayout LivePadLayout()
{
    return LinkedToCompat() && GameControllerHintOn() ? PadLayout::kGameController : PadLayout::kLinuxDriver;
}

int GameAxis(PadLayout layout, int sdlAxis)
{
    // In both layouts the right stick's x becomes 4 and its y 3; the game-controller layout's
    // left trigger, which comes after the sticks there, becomes 2.
    static const int kFromLinuxDriver[6] = {0, 1, 2, 4, 3, 5};
    static const int kFromGameController[6] = {0, 1, 4, 3, 2, 5};
    if (sdlAxis < 0 || sdlAxis >= 6)
        return sdlAxis;
    return layout == PadLayout::kGameController ? kFromGameController[sdlAxis] : kFromLinuxDriver[sdlAxis];
}

SDL_Event InGameAxes(const SDL_Event& event)
{
    if (event.type != SDL_JOYAXISMOTION)
        return event;
    static const PadLayout layout = LivePadLayout();
    SDL_Event translated = event;
    translated.jaxis.axis = static_cast<Uint8>(GameAxis(layout, event.jaxis.axis));
    return translated;
}
