#pragma once
// The game's icon for desktop menus: the hero and its faded past self on a sheet of ruled paper,
// ringed by the red arrow of the time loop, a drone closing in. It is not game data: it is
// written outside data/, for installing beside the menu entry.
#include <string>

// Writes directory/hicolor/<n>x<n>/apps/tobrakka.png for n = 48, 128 and 256; false (with a
// line on standard error) when a file cannot be written.
bool WriteIcons(const std::string& directory);
