#pragma once
// Options of the game's own tools, read beside the player's options (which ignore them):
//   -script <file>   play the input script instead of (beside) the keyboard and mouse
//   -record <file>   write every input of the game phase to an input script
//   -seed <n>        seed both random generators with n when the game phase starts
//   -digest          print the world's digest line when the game ends
//   -demo <seconds>  the built-in bot plays for that many seconds of game time, then the
//                    game ends
//   -shots <dir>     with -demo: save a screenshot into dir every five seconds of game time
//   -menus           with -script: the game shows its main menu and pause menu as for a person,
//                    and the script drives them (see InputSource::DrivesMenus)
#include <cstdint>
#include <string>
#include <vector>

struct ToolOptions {
    std::string script;
    std::string record;
    bool seeded = false;
    uint32_t seed = 0;
    bool digest = false;
    uint32_t demoSeconds = 0;
    std::string shotsFolder;
    bool menus = false;
};

// False, with the reason in error, when a tool option lacks its value or has a bad one.
bool ParseToolOptions(const std::vector<std::string>& arguments, ToolOptions& options, std::string& error);
