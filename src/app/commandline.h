#pragma once
// The game's command line: "-r" width, "-full", "-fps", "-no_grid". Options may come in any
// order and repeat (the last "-r" wins); anything else is ignored.
#include <string>
#include <vector>

struct CommandLine {
    int requestedWidth = 0; // 0: not given
    bool fullScreen = false;
    bool showFps = false;
    bool noGrid = false;
};

CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// Sets the window size from "-r": width x trunc(width * 0.5625). A width that is not given, or
// whose window would be less than one pixel high (below 2, zero and negative included), keeps
// 1280 x 720.
void ApplyWindowSize(int requestedWidth);
