#pragma once
// The window and the render device. All drawing happens in a fixed 1280 x 720 virtual screen
// (origin top left, y downwards), presented in the window letterboxed: as large as the window
// allows with its shape kept, black bars filling the rest. The classic game stretches it over
// the whole window instead.
//
// Full screen takes the desktop's own size (no video-mode switch). F11 and Alt+Enter switch
// between window and full screen at any moment, and the window may be resized; the OpenGL
// context, and with it every texture, lives through both. The classic game opens the window
// or the full-screen mode it is asked for, and keeps it.
#include "engine/picturerect.h"
#include "engine/vectormath.h"

#include <SDL.h>

// The window's size in pixels: set from the command line before RenderInit (the size of the
// window when it is not full screen), then the window's real size as it changes.
extern int g_windowWidth;
extern int g_windowHeight;

struct WindowOptions {
    bool fullScreen = false;
    bool classic = false; // the picture stretched, full screen in the mode asked for, no window keys
};

// Seeds the runtime generator, starts SDL video and joystick, opens the window and creates the
// device. Returns false, after printing why, when there is no usable window or device: the game
// cannot run then. ("D3D_OBJ ERR" / "D3D_DEV ERR" are the game's long-standing captions.)
bool RenderInit(const WindowOptions& options);
void BeginFrame();
void EndFrame();
// Presents the last frame again, unchanged (the target keeps it).
void PresentAgain();
// Releases every texture, then the device.
void RenderShutdown();

// Takes the window's own events: F11 and Alt+Enter (pressed and released) and a resized
// window. True when the event was one of them; the game then never hears it. With the classic
// game every event goes on to the game.
bool HandleWindowEvent(const SDL_Event& event);
// True for the window's events after which it may no longer show its picture: uncovered, or
// shown again after it was hidden.
bool MayHaveLostPicture(const SDL_Event& event);
// Switches between window and full screen; false when the switch could not be made (the
// window stays as it was) or the game is the classic one.
bool SetFullScreen(bool on);
bool IsFullScreen();
// The window's size when it is not full screen, applied at once when it is a window now (the
// classic game keeps its window). False when it cannot be made; the window then stays as it was.
bool SetWindowedSize(int width, int height);
// The desktop's size as it was before the game opened its window; 0 x 0 when not known.
void DesktopSize(int& width, int& height);

// Where the picture lies in the window as it is now.
PictureRect WindowPicture();
// Window pixels to virtual units, through the picture's place in the window: a point beside
// the picture gives the nearest point on its edge.
vector2& WindowToVirtual(vector2& out, const vector2& in);
// Virtual units to clip space (-1 .. 1, y up); z is always 1.
vector2 VirtualToClip(const vector2& p);
