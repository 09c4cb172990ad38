#pragma once
// Puts the player's settings into effect where they live outside the game phase: the mixer's
// volumes and the window. What the frame loop itself uses (fps, pausing on focus loss, the
// paper's motion, rumble) it takes from the settings on its own. And the language spoken.
#include "app/profile/settings.h"
#include "utils/translation/languages.h"

class Platform;

// The music's volume and that of every effect channel.
void ApplyVolumes(const Settings& settings);
// Full screen or not, and the window's size when it is a window ("fit" the largest 16:9 window
// the desktop holds).
void ApplyWindow(Platform& platform, const Settings& settings);
// Speaks the settings' language (app/text/translate.h): "auto" the first of the platform's
// preferred languages that the game speaks, else English (with no platform: English).
void ApplyLanguage(const Platform* platform, const Settings& settings);
// The language "auto" speaks on the platform.
const translation::Language& AutomaticLanguage(const Platform* platform);
// The window's size for a setting, on this desktop.
WindowSize WindowOnThisDesktop(const Platform& platform, const WindowSize& size);
