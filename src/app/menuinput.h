#pragma once
// Hands one event of the window to a menu: the mouse's moves and left clicks at the point of the
// picture under the pointer, everything else to the menu's own keys and pad handling.
#include "app/menu.h"

#include <SDL.h>

Menu::Event HandleMenuInput(Menu& menu, const SDL_Event& event);

// A key press as the window would send it.
SDL_Event KeyEvent(SDLKey key, bool down);
