#pragma once
// What the game needs of the X display beyond SDL: patience with a display that is starting or
// resetting, a quick end when the display goes away under a running game, and full screen on a
// bare X server that has no window manager to lay the window over the screen.
#include <SDL.h>

#include <string>

namespace x11display {

// Starts SDL's video and pad subsystems on the display DISPLAY names, waiting up to about two
// seconds for a display that refuses connections (one starting, or resetting because its last
// client just left). False, with the line to print in problem, when it cannot be had.
bool StartVideo(std::string& problem);

// On a server with no window manager (a kiosk, a test display), nobody lays a full-screen window
// over the screen: the window is moved and sized to cover it here. Nothing happens under a
// window manager, or on another video driver.
void CoverScreenIfUnmanaged(SDL_Window* window);

} // namespace x11display
