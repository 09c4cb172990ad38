// A daily level played as the program plays it: the day's level from the daily folder, the attempt
// counted from its start and closed by the level's clear with the medal of the day's own par.
#include "app/daily/dailyhistoryfile.h"
#include "app/play/replayplayer.h"
#include "app/replay/replayshelf.h"
#include "app/profile/commandline.h"
#include "app/profile/settingskeeper.h"
#include "app/screens/dailyscreen.h"
#include "audio/soundoutput.h"
#include "harness/toolrun.h"

#include "app/dailytestdate.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

using testsupport::FakeClock;

struct DailyScreenTest : ::testing::Test {
    testsupport::TempDir dir;
    FakeClock clock{1000};
    SettingsKeeper keeper{SettingsFile(dir.File("settings")), CommandLine()};
    ToolRun tools;

    DailyScreenTest()
    {
        SetSoundEnabled(false);
        setenv("XDG_STATE_HOME", dir.Path().c_str(), 1);
        setenv("XDG_DATA_HOME", dir.Path().c_str(), 1);
    }
    ~DailyScreenTest() override
    {
        unsetenv("XDG_STATE_HOME");
        unsetenv("XDG_DATA_HOME");
        SetSoundEnabled(true);
    }

    // The day's level (here two seconds with no robot: cleared in the first loop) played by a
    // script that does nothing.
    std::unique_ptr<DailyScreen> Open(bool counting)
    {
        dir.Write("idle.script", "");
        EXPECT_TRUE(tools.Configure({"-script", dir.File("idle.script"), "-seed", "5"}));
        DailyScreen::Setup setup;
        setup.play.settings = &keeper.InForce();
        setup.play.keeper = &keeper;
        setup.play.tools = &tools;
        setup.level.date = DateOf("2026-12-10");
        setup.level.name = "Thursday's Hunt";
        setup.level.figures.practised = {true, 3, 40000};
        setup.level.figures.novice.assign(3, BotRun{true, 7, 95000});
        setup.levelFile = dir.File("daily/2026-12-10.txt");
        setup.historyPath = dir.File("daily/history");
        setup.counting = counting;
        setup.back = GameScreen::Change(GameScreen::Change::To::kDailyCard);
        dir.MakeDir("daily");
        dir.Write("daily/2026-12-10.txt", "2000\n");
        return std::make_unique<DailyScreen>(setup);
    }
    // Steps until the attempt has ended, or ms of game time.
    void PlayUntilEnded(DailyScreen& screen, uint32_t ms)
    {
        for (uint32_t played = 0; !screen.Attempt()->Ended() && played < ms; played += 16) {
            clock.Set(screen.NextDue());
            screen.Tick(FakeClock::Now());
        }
    }
    std::string History() const { return testsupport::ReadFile(dir.File("daily/history")); }
};

} // namespace

TEST_F(DailyScreenTest, TheCountedAttemptIsClosedByTheClearWithTheDaysMedal)
{
    auto screen = Open(true);
    ASSERT_NE(screen->Attempt(), nullptr);
    EXPECT_EQ(History(), "day 2026-12-10 playing\n");
    EXPECT_EQ(screen->Play().Phase().gameplay.LevelFile(), dir.File("daily/2026-12-10.txt"));
    PlayUntilEnded(*screen, 10000);
    EXPECT_EQ(History().rfind("day 2026-12-10 cleared 1 ", 0), 0u) << History();
    EXPECT_NE(History().find(" gold\n"), std::string::npos) << "one loop is within the practised bot's three";
    screen.reset();
    EXPECT_EQ(History().rfind("day 2026-12-10 cleared 1 ", 0), 0u) << "leaving after the clear changes nothing";
    // The clear's replay is kept like any other, and plays from the day's level file.
    const std::vector<ReplayShelf::Entry> replays = ReplayShelf(ReplayShelf::DefaultFolder()).List();
    ASSERT_EQ(replays.size(), 1u);
    Replay replay;
    std::string problem;
    ASSERT_TRUE(LoadReplay(replays[0].path, replay, problem)) << problem;
    EXPECT_EQ(replay.levelFile, dir.File("daily/2026-12-10.txt"));
    EXPECT_TRUE(ReplayPlayer::Playable(replay, problem)) << problem;
    kolm::CLevelList noList;
    ReplayPlayer watched(replay, noList);
    while (!watched.Finished())
        watched.Step(false);
    EXPECT_FALSE(watched.Parted()) << "the day's own generators are the replay's";

    screen = Open(true);
    EXPECT_FALSE(screen->Attempt()->Counted());
    PlayUntilEnded(*screen, 10000);
    EXPECT_NE(History().find("practice 2026-12-10 1 "), std::string::npos) << History();
}
