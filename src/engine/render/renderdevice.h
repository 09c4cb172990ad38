#pragma once
// The frames of the render device. All drawing happens in a fixed 1280 x 720 virtual screen
// (origin top left, y downwards), between BeginFrame and EndFrame, through the backend the
// platform installed (engine/platform/platform.h opens the window and its device). Where the picture
// then lands in the window is the platform's affair.
#include "engine/core/vectormath.h"

void BeginFrame();
void EndFrame();
// Presents the last frame again, unchanged (the target keeps it).
void PresentAgain();

// Virtual units to clip space (-1 .. 1, y up); z is always 1.
vector2 VirtualToClip(const vector2& p);
