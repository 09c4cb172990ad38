#include "support/sdlinput.h"

#include "engine/input/gamekeys.h"

#include <SDL.h>

namespace testsupport {

void PushKey(int32_t key, bool down, bool alt)
{
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.windowID = SDL_GetWindowID(SDL_GL_GetCurrentWindow());
    const gamekeys::KeyPlace* place = gamekeys::PlaceOfNumber(key);
    event.key.keysym.scancode = static_cast<SDL_Scancode>(place ? place->scancode : 0);
    event.key.keysym.sym = SDL_GetKeyFromScancode(event.key.keysym.scancode);
    event.key.keysym.mod = alt ? KMOD_LALT : KMOD_NONE;
    SDL_PushEvent(&event);
}

std::vector<GameEvent> PollAll(Platform& platform)
{
    std::vector<GameEvent> events;
    GameEvent event;
    while (platform.Poll(event))
        events.push_back(event);
    return events;
}

std::vector<GameEvent::Type> TypesOf(const std::vector<GameEvent>& events)
{
    std::vector<GameEvent::Type> types;
    for (const GameEvent& event : events)
        types.push_back(event.type);
    return types;
}

} // namespace testsupport
