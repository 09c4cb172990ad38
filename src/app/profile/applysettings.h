#pragma once
// Puts the player's settings into effect where they live outside the game phase: the mixer's
// volumes and the window. What the frame loop itself uses (fps, pausing on focus loss, the
// paper's motion, rumble) it takes from the settings on its own.
#include "app/profile/settings.h"

class Platform;

// The music's volume and that of every effect channel.
void ApplyVolumes(const Settings& settings);
// Full screen or not, and the window's size when it is a window ("fit" the largest 16:9 window
// the desktop holds).
void ApplyWindow(Platform& platform, const Settings& settings);
// The window's size for a setting, on this desktop.
WindowSize WindowOnThisDesktop(const Platform& platform, const WindowSize& size);
