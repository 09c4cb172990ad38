#pragma once
// The real game binary, played by an input script under the virtual display in a data folder of
// the test's own: the build's generated pictures and sounds, and a list of two levels given as
// text. For the display tests, which know the game binary as TOBRAKKA_GAME_BINARY.
#include "support/processrunner.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <string>
#include <unistd.h>

namespace testsupport {

struct GameRunFixture : ::testing::Test {
    TempDir dir;
    std::string build = CurrentDirectory(); // the tests run in the build directory

    void MakeData(const std::string& firstLevel, const std::string& secondLevel)
    {
        dir.MakeDir("data");
        dir.MakeDir("data/levels");
        EXPECT_EQ(symlink((build + "/data/gfx").c_str(), dir.File("data/gfx").c_str()), 0);
        EXPECT_EQ(symlink((build + "/data/sfx").c_str(), dir.File("data/sfx").c_str()), 0);
        dir.Write("data/levels/first.txt", firstLevel);
        dir.Write("data/levels/second.txt", secondLevel);
        dir.Write("data/levels.xml", "<LevelList>\n"
                                     "  <Level position=\"1\" filename=\"data/levels/first.txt\"></Level>\n"
                                     "  <Level position=\"2\" filename=\"data/levels/second.txt\"></Level>\n"
                                     "</LevelList>\n");
    }

    // Runs the game with the script and the options, its data folder the test's own.
    ProcessResult Play(const std::string& script, const std::string& options)
    {
        dir.Write("play.script", script);
        return RunProcess(dir.Path(), {"SDL_AUDIODRIVER=dummy", "TOBRAKKA_DATA=" + dir.Path()},
                          OnItsOwnDisplay(std::string(TOBRAKKA_GAME_BINARY) + " -script play.script " + options), 120);
    }
};

} // namespace testsupport
