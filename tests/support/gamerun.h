#pragma once
// The real game binary, played by an input script under the virtual display in a data folder of
// the test's own: the build's generated pictures and sounds, and a list of two levels given as
// text. For the display tests, which know the game binary as TOBRAKKA_GAME_BINARY. Or the real
// game run in the test's own process (Program), ticked on the test's clock.
#include "app/program.h"

#include "support/processrunner.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
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

// The real game in the test's process, in the test's data folder with two levels of the given
// text, its player's folders the test's own and no sound.
struct ProgramRunFixture : GameRunFixture {
    FakeClock clock{1000};

    ProgramRunFixture(const std::string& firstLevel, const std::string& secondLevel)
    {
        MakeData(firstLevel, secondLevel);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        setenv("XDG_STATE_HOME", dir.File(".state").c_str(), 1);
        setenv("XDG_CONFIG_HOME", dir.File(".config").c_str(), 1);
        setenv("XDG_DATA_HOME", dir.File(".data").c_str(), 1);
    }

    // Ticks the program, on the test's clock, for ms of its time; false once it has shut down.
    bool RunFor(Program& program, uint32_t ms)
    {
        const uint32_t end = FakeClock::Now() + ms;
        while (FakeClock::Now() < end) {
            if (!program.Tick(FakeClock::Now()))
                return false;
            clock.Set(std::max(program.NextDue(), FakeClock::Now() + 1));
        }
        return true;
    }
};

} // namespace testsupport
