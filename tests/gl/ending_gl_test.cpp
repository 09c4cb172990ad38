// The flow of the real game from its first level to its end: a clear stands through a later death,
// and after the list's last level the ending, which a key closes; "-classic" plays on as it
// always has.
#include "app/program.h"

#include "support/gamerun.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

struct EndingTest : testsupport::GameRunFixture {
    testsupport::FakeClock clock{1000};

    EndingTest()
    {
        MakeData("2000\n", "2000\n");
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        setenv("XDG_STATE_HOME", dir.File(".state").c_str(), 1);
    }

    static void Push(SDLKey key)
    {
        SDL_Event event{};
        event.type = SDL_KEYDOWN;
        event.key.keysym.sym = key;
        SDL_PushEvent(&event);
    }

    // Ticks the program, on the test's clock, for ms of its time; false once it has shut down.
    bool RunFor(Program& program, uint32_t ms)
    {
        const uint32_t end = testsupport::FakeClock::Now() + ms;
        while (testsupport::FakeClock::Now() < end) {
            if (!program.Tick(testsupport::FakeClock::Now()))
                return false;
            clock.Set(std::max(program.NextDue(), testsupport::FakeClock::Now() + 1));
        }
        return true;
    }

    // Plays both levels with the game's own flow (no tools): past the title, each level cleared and
    // space pressed. True while the program still runs after the last space.
    bool PlayBothLevels(Program& program)
    {
        EXPECT_TRUE(program.Tick(testsupport::FakeClock::Now())); // start-up
        Push(SDLK_SPACE);
        bool running = RunFor(program, 2400);
        Push(SDLK_SPACE);
        running = running && RunFor(program, 2400);
        Push(SDLK_SPACE);
        return running && RunFor(program, 200);
    }
};

} // namespace

TEST_F(EndingTest, TheLastLevelsClearLeadsToTheEndingWhichAKeyCloses)
{
    testsupport::InDirectory(dir.Path(), [&] {
        Program program({}, nullptr);
        ASSERT_TRUE(PlayBothLevels(program));
        Push(SDLK_x);
        EXPECT_TRUE(RunFor(program, 300)) << "a key at once does not skip the ending";
        EXPECT_TRUE(RunFor(program, 500));
        Push(SDLK_x);
        EXPECT_FALSE(RunFor(program, 100)) << "a key later closes it, and the game";
        EXPECT_EQ(program.ExitStatus(), 0);
    });
    EXPECT_EQ(testsupport::ReadFile(dir.File(".state/tobrakka/progress")),
              "cleared 2\nrecord 1 1 2016\nrecord 2 1 2016\n");
}

TEST_F(EndingTest, TheClassicGamePlaysOnPastTheLastLevelUntilEscape)
{
    testsupport::InDirectory(dir.Path(), [&] {
        Program program({"-classic"}, nullptr);
        ASSERT_TRUE(PlayBothLevels(program));
        Push(SDLK_x);
        EXPECT_TRUE(RunFor(program, 1500)) << "the empty level after the list";
        Push(SDLK_ESCAPE);
        EXPECT_FALSE(RunFor(program, 100));
    });
}
