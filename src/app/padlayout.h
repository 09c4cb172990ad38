#pragma once
// Where a pad's sticks arrive from SDL, and the game's own axis numbers they are turned into
// before anything else hears them.
//
// The game numbers a pad's axes as a 360 pad's came on the system it was first made for:
// 0 and 1 the left stick (x, y), 4 the right stick's x and 3 its y; 2 and 5 the triggers. Its
// stick mapping, its input scripts and its recordings all use these numbers, so a recording
// replays the same whichever SDL and pad played it.
//
// What SDL gives depends on the library underneath:
// - sdl12-compat (SDL 1.2 on SDL 2) with SDL12COMPAT_USE_GAME_CONTROLLERS on: every pad in
//   SDL 2's game-controller database, in its one layout: 0, 1 left stick, 2, 3 right stick,
//   4, 5 triggers. The game turns the hint on unless the player set it.
// - anything else (classic SDL 1.2, or sdl12-compat with the hint off): the pad as the Linux
//   driver gives it, for a 360 pad 0, 1 left stick, 2 left trigger, 3, 4 right stick, 5 right
//   trigger.
#include <SDL.h>

enum class PadLayout { kLinuxDriver, kGameController };

// Asks sdl12-compat for SDL 2's game-controller layout, unless the player chose otherwise.
// Must come before SDL_Init; classic SDL 1.2 does not know the hint and ignores it.
void RequestGameControllerLayout();
// The layout of this run's pads, from the SDL library actually loaded and the hint it read.
PadLayout LivePadLayout();
// The game's number for an axis of the given layout.
int GameAxis(PadLayout layout, int sdlAxis);
// The event with its pad axis, if it has one, in the game's numbers for the live layout.
SDL_Event InGameAxes(const SDL_Event& event);
