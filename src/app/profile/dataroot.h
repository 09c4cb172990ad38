#pragma once
// Where the game's files are. Every path in the game is relative ("data/levels.xml",
// "data/gfx/line.png"), so at start-up the game changes into its data root, the directory that
// holds data/, chosen in this order:
//   1. the directory named by TOBRAKKA_DATA, when that is set and not empty: the player's own
//      choice, entered even when it lacks data/levels.xml (with one line saying so);
//   2. the directory of the executable, when it holds data/levels.xml (the build tree);
//   3. <executable's directory>/../share/games/tobrakka, when it holds data/levels.xml (an
//      installed game, in whatever prefix it was installed or moved to).
// When none holds the data, one line on standard error names the places tried and the game
// stays where it was started, missing whatever files it cannot find there.
//
// Paths the player gives on the command line are meant from where the program was started;
// FromStartDirectory turns them into paths that still work after the change of directory.
#include <string>

struct DataRootChoice {
    std::string directory; // where to change into; empty: stay where the program was started
    std::string warning;   // one line for standard error; empty when the data was found
};

// The choice for the value of TOBRAKKA_DATA (nullptr when unset) and the executable's directory
// ("" when unknown). programName begins the warning line.
DataRootChoice ChooseDataRoot(const char* dataVariable, const std::string& executableDirectory,
                              const std::string& programName);

// Remembers the start directory, then changes into the data root chosen from the environment
// and /proc/self/exe, printing the warning, if any, on standard error.
void EnterDataRoot(const std::string& programName);

// A relative path given on the command line, as seen from the data root: absolute paths, empty
// ones and all paths of a program that did not change directory are returned as they are.
std::string FromStartDirectory(const std::string& path);
