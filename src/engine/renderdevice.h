#pragma once
// The window and the render device. All drawing happens in a fixed 1280 x 720 virtual screen
// (origin top left, y downwards); the frame is stretched over the whole window when presented.
#include "engine/vectormath.h"

// The window's size in pixels: set from the command line before RenderInit, fixed after it.
extern int g_windowWidth;
extern int g_windowHeight;

// Seeds the runtime generator, starts SDL video and joystick, opens a window of
// g_windowWidth x g_windowHeight and creates the device. Returns false, after printing why, when
// there is no usable window or device: the game cannot run then. ("D3D_OBJ ERR" / "D3D_DEV ERR" are the game's long-standing captions.)
bool RenderInit(bool fullScreen);
void BeginFrame();
void EndFrame();
// Releases every texture, then the device.
void RenderShutdown();

// Window pixels to virtual units.
vector2& WindowToVirtual(vector2& out, const vector2& in);
// Virtual units to clip space (-1 .. 1, y up); z is always 1.
vector2 VirtualToClip(const vector2& p);
