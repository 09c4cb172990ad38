#include "app/menuinput.h"

#include "engine/renderdevice.h"

namespace {

vector2 PointOf(int x, int y)
{
    vector2 point;
    WindowToVirtual(point, vector2(static_cast<float>(x), static_cast<float>(y)));
    return point;
}

} // namespace

Menu::Event HandleMenuInput(Menu& menu, const SDL_Event& event)
{
    if (event.type == SDL_MOUSEMOTION)
        return menu.PointerMoved(PointOf(event.motion.x, event.motion.y));
    if (event.type == SDL_MOUSEBUTTONDOWN && event.button.button == SDL_BUTTON_LEFT)
        return menu.PointerPressed(PointOf(event.button.x, event.button.y));
    return menu.HandleEvent(event);
}

SDL_Event KeyEvent(SDLKey key, bool down)
{
    SDL_Event event{};
    event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
    event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.sym = key;
    return event;
}
