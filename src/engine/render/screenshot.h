#pragma once
#include <string>

// Saves the 1280 x 720 target as it stands after the last frame into an opaque PNG file, in
// the colours the window shows.
bool SaveScreenshot(const std::string& fileName);
