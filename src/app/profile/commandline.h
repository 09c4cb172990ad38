#pragma once
// The game's command line: "-r" width, "-full", "-fps", "-no_grid", and the player's comforts
// "-classic" (no level label, no pause: the picture and keys exactly as they always were),
// "-continue" (start after the furthest level cleared in earlier runs) and "-level" N (start at
// list position N), "-speed N" (the game at N per cent, for this run, the tools' too),
// "-replay FILE" (watch a replay, then end), "-edit FILE" (the level editor) and "-install
// FILE.zip" (install a level pack, say so and end, without a window); their files are meant from
// where the game was started. Options may come in any order and repeat (the last "-r" or
// "-level" wins); anything else is ignored.
#include <string>
#include <vector>

struct CommandLine {
    int requestedWidth = 0; // 0: not given
    bool fullScreen = false;
    bool showFps = false;
    bool noGrid = false;
    bool classic = false;
    bool continueGame = false;
    int startLevel = 0; // "-level": a list position of 1 or more; 0: not given
    int gameSpeed = 0;  // "-speed": one of the offered speeds in per cent; 0: not given
    std::string replayFile; // "-replay": the replay to watch; empty: not given
    std::string editFile;   // "-edit": the level file to make or change in the editor; empty: not given
    std::string installFile; // "-install": the pack's zip to install; empty: not given
    std::string dailyDate;   // "-daily": the date whose daily level is played as practice; empty: not given
    std::string sharedLevel; // "-shared": a share code or link, kept in My levels and played; empty: not given
};

CommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The window "-r" asks for: width x trunc(width * 0.5625). False for a width that is not given,
// or whose window would be less than one pixel high (below 2, zero and negative included).
bool RequestedWindow(int requestedWidth, int& width, int& height);
