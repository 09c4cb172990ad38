// Replays: a clear of a list level recorded and saved on the shelf, played back to the same world,
// watched at another speed and from another loop, refused when the level changed, and bad files
// named in a line without harm.
#include "app/play/frameloop.h"
#include "app/play/gamephase.h"
#include "app/replay/replayfile.h"
#include "app/play/replayplayer.h"
#include "app/menu/replayscard.h"
#include "app/screens/replaybar.h"
#include "app/screens/replayscreen.h"
#include "app/replay/replayshelf.h"
#include "app/profile/settings.h"
#include "engine/input/gamekeys.h"
#include "world/world.h"
#include "world/worlddigest.h"

#include "support/processrunner.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <dirent.h>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr const char* kLevel = "6000\n500,3\n1500,2\n";

GameEvent Key(int32_t key, bool down = true) { return GameEvent::Key(key, down); }

struct ReplayTest : ::testing::Test {
    testsupport::TempDir dir;
    testsupport::ScopedCapture capture;
    testsupport::FakeClock clock{1000};
    std::unique_ptr<kolm::CLevelList> levels;
    ReplayShelf shelf{dir.File("replays")};

    ReplayTest()
    {
        dir.Write("level.txt", kLevel);
        dir.Write("levels.xml", "<LevelList>\n<Level position=\"1\" filename=\"" + dir.File("level.txt") +
                                    "\"></Level>\n</LevelList>\n");
        levels = std::make_unique<kolm::CLevelList>(dir.File("levels.xml"));
    }

    // Plays the level in three loops (two of them ended by F5), moving and firing, until its
    // clear; the recorder saves the replay on the shelf. Returns the digest at the clear.
    WorldDigest PlayAClear(Replay& recorded)
    {
        RandomGenerators random;
        random.RandomSeed(7);
        random.SeedRuntimeRandom(7);
        GamePhase phase(false, FirstLevel::FromLevelList(), *levels, random);
        phase.overlay->clearStands = true;
        phase.replays = std::make_unique<ReplayRecorder>(shelf, *levels);
        FrameLoop loop(FrameLoop::Options(), phase, nullptr);
        const std::vector<std::pair<int, GameEvent>> played = {
            {5, GameEvent::MouseMotion(900, 300)}, {10, Key(gamekeys::kD)},    {40, Key(gamekeys::kD, false)},
            {62, Key(gamekeys::kF5)},              {63, Key(gamekeys::kF5, false)}, {90, Key(gamekeys::kA)},
            {120, Key(gamekeys::kA, false)},       {187, Key(gamekeys::kF5)},  {188, Key(gamekeys::kF5, false)},
            {250, GameEvent::MouseButton(GameEvent::kLeftButton, true, 900, 300)},
            {320, GameEvent::MouseButton(GameEvent::kLeftButton, false, 900, 300)}};
        std::size_t next = 0;
        for (int step = 0; step < 2000 && !phase.replays->LastFinished(); ++step) {
            loop.StepAndHandleEvents(false);
            for (; next < played.size() && played[next].first == step; ++next)
                loop.Dispatch(played[next].second);
        }
        EXPECT_NE(phase.replays->LastFinished(), nullptr) << "the level was not cleared";
        if (phase.replays->LastFinished())
            recorded = *phase.replays->LastFinished();
        return DigestOf(phase.gameplay);
    }

    std::string OnlyReplayFile()
    {
        const std::vector<ReplayShelf::Entry> listed = shelf.List();
        EXPECT_EQ(listed.size(), 1u);
        return listed.empty() ? std::string() : listed[0].path;
    }
};

TEST_F(ReplayTest, AClearIsSavedAndPlaysBackToTheSameWorldCheckByCheck)
{
    Replay recorded;
    const WorldDigest atClear = PlayAClear(recorded);
    EXPECT_EQ(recorded.loops, 3);
    EXPECT_TRUE(atClear.cleared);
    ASSERT_GE(recorded.checks.size(), 2u) << "a check every 5 s and at the clear";

    Replay read;
    std::string problem;
    ASSERT_TRUE(LoadReplay(OnlyReplayFile(), read, problem)) << problem;
    // (A click keeps no point in a script's line: the world aims where the mouse last moved.)
    EXPECT_EQ(FormatReplay(read), FormatReplay(recorded));

    ReplayPlayer player(read, *levels);
    while (!player.Finished())
        player.Step(false);
    EXPECT_TRUE(player.Verified()) << player.PartedLine();
    EXPECT_EQ(player.Loop(), 3);
    EXPECT_EQ(DigestOf(player.Phase().gameplay).ToString(), atClear.ToString());
}

TEST_F(ReplayTest, AWorldThatPartsFromItsReplayStopsAtTheCheckThatDiffers)
{
    Replay recorded;
    PlayAClear(recorded);
    recorded.checks[0].hash ^= 1;
    ReplayPlayer player(recorded, *levels);
    while (!player.Finished())
        player.Step(false);
    EXPECT_TRUE(player.Parted());
    EXPECT_EQ(player.LevelTime(), recorded.checks[0].time);
    EXPECT_EQ(recorded.checks[0].time, 5008u) << "the step that reached 5 s";
    EXPECT_EQ(player.PartedLine(), "the world parted from the replay at 5.01 s (loop " +
                                       std::to_string(player.Loop()) + ")");
}

TEST_F(ReplayTest, AReplayPlaysWhereverItsLevelFileIsAndIsRefusedNamingTheLevelWhenItChangedOrWentAway)
{
    Replay recorded;
    PlayAClear(recorded);
    std::string problem;
    EXPECT_TRUE(ReplayPlayer::Playable(recorded, problem));
    recorded.position = 7;
    EXPECT_TRUE(ReplayPlayer::Playable(recorded, problem)) << "a pack's level 7 is played from its own file";

    dir.Write("level.txt", std::string(kLevel) + "3000,1\n");
    EXPECT_FALSE(ReplayPlayer::Playable(recorded, problem));
    EXPECT_EQ(problem, "recorded on another version of level 7");

    recorded.levelFile = dir.File("gone.txt");
    EXPECT_FALSE(ReplayPlayer::Playable(recorded, problem));
    EXPECT_EQ(problem, "the replay's level " + dir.File("gone.txt") + " is not here");
}

TEST_F(ReplayTest, BadReplayFilesAreNamedInALineAndNothingElseIsTouched)
{
    Replay recorded;
    PlayAClear(recorded);
    const std::string text = FormatReplay(recorded);
    std::string outOfOrder = text;
    const std::size_t events = outOfOrder.find("\nevents\n") + 8;
    outOfOrder.insert(events, "99999 down 100\n");
    std::string wrongVersion = text;
    wrongVersion.replace(0, 17, "tobrakka-replay 99");
    std::string random;
    for (int i = 0; i < 4096; ++i)
        random += static_cast<char>((i * 7919) % 251);
    const std::vector<std::pair<std::string, std::string>> bad = {
        {"truncated", text.substr(0, text.size() / 2)}, {"random bytes", random},
        {"version 99", wrongVersion},                   {"events out of order", outOfOrder},
        {"empty", ""}};
    for (const auto& [what, contents] : bad) {
        dir.Write("bad.replay", contents);
        Replay read;
        std::string problem;
        EXPECT_FALSE(LoadReplay(dir.File("bad.replay"), read, problem)) << what;
        EXPECT_FALSE(problem.empty()) << what;
        EXPECT_EQ(problem.find('\n'), std::string::npos) << what << ": " << problem;
    }
    // A 200 MB file is refused by its size, without reading it.
    dir.Write("huge.replay", "");
    ASSERT_EQ(truncate(dir.File("huge.replay").c_str(), 200l << 20), 0);
    Replay read;
    std::string problem;
    EXPECT_FALSE(LoadReplay(dir.File("huge.replay"), read, problem));
    EXPECT_FALSE(LoadReplay(dir.Path(), read, problem)) << "a folder";
    EXPECT_EQ(shelf.List().size(), 1u) << "the shelf's replay is still there";
}

TEST_F(ReplayTest, TheShelfKeepsEachLevelsBestsAndTheThirtyMostRecent)
{
    Replay replay;
    replay.position = 1;
    replay.levelFile = dir.File("level.txt");
    auto save = [&](int minute, int loops, uint32_t milliseconds) {
        replay.loops = loops;
        replay.milliseconds = milliseconds;
        char date[32];
        std::snprintf(date, sizeof date, "2026-12-09T%02d:%02d:00Z", minute / 60, minute % 60);
        replay.date = date;
        EXPECT_TRUE(shelf.Save(replay));
    };
    save(0, 1, 90000); // the fewest loops
    save(1, 9, 1000);  // the best time
    for (int i = 0; i < 31; ++i)
        save(2 + i, 4, 50000);
    const std::vector<ReplayShelf::Entry> kept = shelf.List();
    ASSERT_EQ(kept.size(), 32u) << "two records and the 30 most recent";
    EXPECT_EQ(kept.front().header.date, "2026-12-09T00:32:00Z") << "newest first";
    EXPECT_EQ(kept[29].header.date, "2026-12-09T00:03:00Z") << "the 31st most recent, of 00:02, is gone";
    EXPECT_TRUE(kept[30].bestTime);
    EXPECT_TRUE(kept[31].fewestLoops);
    EXPECT_EQ(shelf.BestOf(replay.levelHash), kept[31].path);
    EXPECT_EQ(ReplaysCard::LineOf(kept[31]).badge, Menu::Badge::kStar);
    EXPECT_EQ(ReplaysCard::LineOf(kept[0]).badge, Menu::Badge::kNone);

    // The first level of a pack is another level at the same position: its replays keep bests of
    // their own and take none from the level above.
    replay.levelHash += 1;
    save(40, 1, 1000);
    const std::vector<ReplayShelf::Entry> after = shelf.List();
    EXPECT_EQ(shelf.BestOf(replay.levelHash), after.front().path);
    EXPECT_EQ(shelf.BestOf(replay.levelHash - 1), kept[31].path);
    EXPECT_TRUE(std::any_of(after.begin(), after.end(), [&](const ReplayShelf::Entry& entry) {
        return entry.path == kept[30].path && entry.bestTime;
    })) << "the other level's best time is still kept";
}

TEST_F(ReplayTest, AReplaysFolderThatIsAFileOrReadOnlyIsSaidOnceAndPlayGoesOn)
{
    Replay replay;
    replay.position = 1;
    replay.date = "2026-12-09T00:00:00Z";
    dir.Write("file", "not a folder");
    testing::internal::CaptureStderr();
    EXPECT_FALSE(ReplayShelf(dir.File("file")).Save(replay));
    EXPECT_FALSE(ReplayShelf(dir.File("file")).Save(replay));
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("cannot save the replay"), std::string::npos) << said;
    EXPECT_EQ(said.find("cannot save the replay"), said.rfind("cannot save the replay")) << "once: " << said;

    if (geteuid() != 0) { // root writes anywhere
        dir.MakeDir("locked");
        chmod(dir.File("locked").c_str(), 0500);
        EXPECT_FALSE(ReplayShelf(dir.File("locked")).Save(replay));
    }
}

// Watching: a tick steps as the speed says; a jump lands at the start of the loop asked for.
TEST_F(ReplayTest, WatchingStepsAsTheSpeedSaysAndJumpsLandAtALoopsStart)
{
    Replay recorded;
    PlayAClear(recorded);
    const Settings settings = Settings::Defaults();
    ReplayScreen::Setup setup;
    setup.path = OnlyReplayFile();
    setup.levels = levels.get();
    setup.settings = &settings;
    ReplayScreen screen(setup);
    ASSERT_NE(screen.Player(), nullptr) << screen.Problem();
    auto tick = [&] {
        clock.Set(screen.NextDue());
        ASSERT_TRUE(screen.Tick(screen.NextDue()));
    };

    tick();
    EXPECT_EQ(screen.Player()->LevelTime(), 16u);
    EXPECT_EQ(screen.BarText(), "REPLAY · LEVEL 1 · LOOP 1 / 3 · 1x");
    screen.HandleEvent(Key(gamekeys::kUp));
    screen.HandleEvent(Key(gamekeys::kUp));
    tick();
    EXPECT_EQ(screen.Player()->LevelTime(), 16u + 4 * 16u) << "4x: four steps a tick";
    for (int i = 0; i < 5; ++i)
        screen.HandleEvent(Key(gamekeys::kDown));
    EXPECT_EQ(screen.SpeedQuarters(), 1);
    tick();
    EXPECT_EQ(screen.NextDue() - clock.Now(), 64u) << "0.25x: a step every 64 ms";

    screen.HandleEvent(Key(gamekeys::kRight));
    while (screen.Seeking())
        tick();
    EXPECT_EQ(screen.Player()->Loop(), 2);
    EXPECT_EQ(DigestOf(const_cast<ReplayPlayer*>(screen.Player())->Phase().gameplay).worldTime, 0u)
        << "at the start of loop 2";
    screen.HandleEvent(Key(gamekeys::kRight));
    while (screen.Seeking())
        tick();
    EXPECT_EQ(screen.Player()->Loop(), 3);
    screen.HandleEvent(Key(gamekeys::kLeft));
    while (screen.Seeking())
        tick();
    EXPECT_EQ(screen.Player()->Loop(), 2);
    EXPECT_EQ(DigestOf(const_cast<ReplayPlayer*>(screen.Player())->Phase().gameplay).worldTime, 0u);

    screen.HandleEvent(Key(gamekeys::kSpace));
    EXPECT_EQ(screen.BarText(), "REPLAY · LEVEL 1 · LOOP 2 / 3 · 0.25x · PAUSED");
    const uint32_t pausedAt = screen.Player()->LevelTime();
    tick();
    EXPECT_EQ(screen.Player()->LevelTime(), pausedAt);
    screen.HandleEvent(Key(gamekeys::kEscape));
    EXPECT_EQ(screen.WhatNext().to, GameScreen::Change::To::kReplays);
}

// The timeline: once played ahead, a click on the bar shows that moment within the tick and a drag
// follows the pointer; Shift moves 5 s; at the end a card offers to watch again or go back where
// watching began.
TEST_F(ReplayTest, TheBarTakesClicksAndDragsShiftMovesFiveSecondsAndTheEndOffersToWatchAgain)
{
    Replay recorded;
    PlayAClear(recorded);
    const Settings settings = Settings::Defaults();
    ReplayScreen::Setup setup;
    setup.path = OnlyReplayFile();
    setup.levels = levels.get();
    setup.settings = &settings;
    setup.back = GameScreen::Change(GameScreen::Change::To::kLevels);
    ReplayScreen screen(setup);
    ASSERT_NE(screen.Player(), nullptr) << screen.Problem();
    auto tick = [&] {
        clock.Set(screen.NextDue());
        ASSERT_TRUE(screen.Tick(screen.NextDue()));
    };
    tick();
    ASSERT_TRUE(screen.Timeline()->Filled()) << "a still clock: the first pass ends within one slice";
    const uint32_t length = screen.Timeline()->Length();
    const float middle = ReplayBar::XOf(length / 2, length);
    const float barY = kVirtualHeight - 22.0f;
    screen.HandleEvent(GameEvent::MouseButton(GameEvent::kLeftButton, true, static_cast<int32_t>(middle), static_cast<int32_t>(barY)));
    tick();
    EXPECT_FALSE(screen.Seeking()) << "no waiting once the timeline has been played ahead";
    EXPECT_NEAR(static_cast<double>(screen.Player()->LevelTime()), length / 2.0, 40.0);
    screen.HandleEvent(GameEvent::MouseMotion(static_cast<int32_t>(ReplayBar::XOf(length / 4, length)), 300));
    tick();
    EXPECT_NEAR(static_cast<double>(screen.Player()->LevelTime()), length / 4.0, 40.0) << "the drag goes on off the line";
    screen.HandleEvent(GameEvent::MouseButton(GameEvent::kLeftButton, false, 0, 0));
    screen.HandleEvent(Key(gamekeys::kSpace));
    const uint32_t paused = screen.Player()->LevelTime();
    screen.HandleEvent(Key(gamekeys::kLeftShift));
    screen.HandleEvent(Key(gamekeys::kRight));
    tick();
    EXPECT_GE(screen.Player()->LevelTime(), paused + ReplayScreen::kShiftMs) << "the first step at or after 5 s on";
    EXPECT_LT(screen.Player()->LevelTime(), paused + ReplayScreen::kShiftMs + Gameplay::kStepMs);
    screen.HandleEvent(Key(gamekeys::kLeftShift, false));

    screen.HandleEvent(GameEvent::MouseButton(GameEvent::kLeftButton, true, static_cast<int32_t>(ReplayBar::XOf(length, length)),
                                              static_cast<int32_t>(barY)));
    tick();
    ASSERT_NE(screen.EndCard(), nullptr) << "the end offers what to do next";
    EXPECT_EQ(screen.BarText().substr(screen.BarText().size() - 3), "END");
    screen.HandleEvent(Key(gamekeys::kReturn)); // Watch again
    tick();
    EXPECT_EQ(screen.EndCard(), nullptr);
    EXPECT_LT(screen.Player()->LevelTime(), 100u) << "back at the start";
    screen.HandleEvent(Key(gamekeys::kEscape));
    EXPECT_EQ(screen.WhatNext().to, GameScreen::Change::To::kLevels) << "back to where watching began";
}

TEST_F(ReplayTest, AReplayThatCannotBePlayedSaysWhyOnThePaper)
{
    dir.Write("junk.replay", "tobrakka-replay 99\n");
    const Settings settings = Settings::Defaults();
    ReplayScreen::Setup setup;
    setup.path = dir.File("junk.replay");
    setup.levels = levels.get();
    setup.settings = &settings;
    setup.back = GameScreen::Change(GameScreen::Change::To::kQuit);
    ReplayScreen screen(setup);
    EXPECT_EQ(screen.Player(), nullptr);
    EXPECT_EQ(screen.Problem().rfind("the replay cannot be read: ", 0), 0u) << screen.Problem();
    clock.Set(screen.NextDue());
    EXPECT_TRUE(screen.Tick(screen.NextDue()));
    screen.HandleEvent(Key(gamekeys::kEscape));
    EXPECT_EQ(screen.WhatNext().to, GameScreen::Change::To::kQuit);
}

} // namespace

// The replays kept with the tests were saved by the game on the levels it installs: each still
// plays to its clear, check by check, in tobrakka-sim (and, in the web checks, in WebAssembly).
TEST(KeptReplays, EachVerifiesWithTheInstalledLevels)
{
    const std::string folder = std::string(TOBRAKKA_SOURCE_DIR) + "/tests/data/replays";
    DIR* listing = opendir(folder.c_str());
    ASSERT_NE(listing, nullptr);
    int verified = 0;
    while (const dirent* entry = readdir(listing)) {
        const std::string name = entry->d_name;
        if (name.size() < 8 || name.substr(name.size() - 7) != ".replay")
            continue;
        const testsupport::ProcessResult run =
            testsupport::RunProcess(".", {}, std::string(TOBRAKKA_SIM_BINARY) + " --replay " + folder + "/" + name, 60);
        EXPECT_EQ(run.exitStatus, 0) << name << ": " << run.output;
        EXPECT_NE(run.output.find("cleared=1"), std::string::npos) << name << ": " << run.output;
        verified += run.output.find("replay verified") != std::string::npos;
    }
    closedir(listing);
    EXPECT_EQ(verified, 2);
}
