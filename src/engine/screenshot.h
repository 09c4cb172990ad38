#pragma once
#include <string>

// Saves the 1280 x 720 target as it stands after the last frame into a PNG file.
bool SaveScreenshot(const std::string& fileName);
