#pragma once
// The numbers by which input scripts, recordings and the README name keys: SDL 1.2's (32 space,
// 27 Escape, 273 up, 286 F5...), whatever SDL the game is compiled against. The SDL of the web
// build numbers the keys beyond ASCII differently (its up arrow is 0x40000052), so the numbers
// of a file are translated to the compiled SDL's keys on reading and back on writing; with SDL
// 1.2 itself both directions leave every number as it is.
#include <SDL.h>

// Key numbers run from 1 to kKeyNumberLimit - 1 (SDL 1.2's SDLK_LAST).
constexpr int kKeyNumberLimit = 323;

// The compiled SDL's key for a key number; SDLK_UNKNOWN for a number that names no key there.
SDLKey KeyOfNumber(int number);
// The key number of a key; 0 for a key that SDL 1.2 has no number for.
int NumberOfKey(SDLKey key);
