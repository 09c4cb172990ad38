// The game as a value: a replay played straight through is, at every moment tried, the replay put
// back from a snapshot taken a little earlier and stepped on to that moment: the same digest and,
// byte for byte, the same snapshot. Tried on the replays kept with the tests and on bot clears of
// three levels, each at 20 moments.
#include "app/play/gamephase.h"
#include "app/play/replayplayer.h"
#include "app/play/replaytimeline.h"
#include "app/replay/replayfile.h"
#include "app/replay/replayrecorder.h"
#include "app/replay/replayshelf.h"
#include "audio/soundoutput.h"
#include "harness/botplayer.h"
#include "world/snapshotstore.h"
#include "world/worlddigest.h"

#include "support/processrunner.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>

namespace {

constexpr uint32_t kStepsPerSnapshot = 62; // about a second of game time

struct Straight {
    std::vector<uint64_t> digests;                 // after every step
    std::vector<ReplayPlayer::Moment> moments;     // every kStepsPerSnapshot steps, from step 0
    std::map<std::size_t, std::vector<uint8_t>> at; // the level's and the overlay's snapshots after chosen steps
};

// The level's snapshot and the overlay's, end to end.
std::vector<uint8_t> LevelBytes(ReplayPlayer& player, SnapshotStore& store)
{
    const PhaseSnapshot phase = player.Snapshot(store).phase;
    std::vector<uint8_t> bytes = phase.level.bytes;
    bytes.insert(bytes.end(), phase.overlay.begin(), phase.overlay.end());
    return bytes;
}

// Plays the replay to its end undrawn, keeping a moment every second and the level's snapshot
// after each of the chosen steps.
Straight PlayStraight(const Replay& replay, kolm::CLevelList& levels, SnapshotStore& store, const std::set<std::size_t>& chosen)
{
    Straight straight;
    ReplayPlayer player(replay, levels);
    for (std::size_t step = 0; !player.Finished(); ++step) {
        if (step % kStepsPerSnapshot == 0)
            straight.moments.push_back(player.Snapshot(store));
        player.Step(false);
        straight.digests.push_back(DigestOf(player.Phase().gameplay).hash);
        if (chosen.count(straight.digests.size()))
            straight.at[straight.digests.size()] = LevelBytes(player, store);
    }
    return straight;
}

std::set<std::size_t> ChooseSteps(std::size_t steps, unsigned seed)
{
    std::mt19937 pick(seed);
    std::set<std::size_t> chosen;
    while (chosen.size() < 20)
        chosen.insert(1 + pick() % (steps - 1));
    return chosen;
}

// Puts each chosen moment back from the snapshot before it and steps on to it.
void ExpectSnapshotsGoOnAsTheStraightPlay(const Replay& replay, unsigned seed, const std::string& list = "data/levels.xml")
{
    kolm::CLevelList levels(list);
    SnapshotStore store;
    const std::size_t steps = PlayStraight(replay, levels, store, {}).digests.size();
    ASSERT_GT(steps, 200u) << replay.levelFile;
    const std::set<std::size_t> chosen = ChooseSteps(steps, seed);
    const Straight straight = PlayStraight(replay, levels, store, chosen);
    ReplayPlayer player(replay, levels);
    for (std::size_t target : chosen) {
        const std::size_t from = (target - 1) / kStepsPerSnapshot;
        ASSERT_TRUE(player.Restore(straight.moments[from], store));
        for (std::size_t step = from * kStepsPerSnapshot; step < target; ++step) {
            player.Step(false);
            ASSERT_EQ(DigestOf(player.Phase().gameplay).hash, straight.digests[step])
                << replay.levelFile << ": put back at step " << from * kStepsPerSnapshot << ", parted at " << step + 1;
        }
        EXPECT_EQ(LevelBytes(player, store), straight.at.at(target)) << replay.levelFile << " at step " << target;
    }
}

Replay ReadKept(const std::string& name)
{
    Replay replay;
    std::string problem;
    EXPECT_TRUE(ReadReplay(testsupport::ReadFile(std::string(TOBRAKKA_SOURCE_DIR) + "/tests/data/replays/" + name), replay, problem))
        << problem;
    return replay;
}

// The practised bot clears the level at the position of the list; the recorder keeps the clear as a
// replay.
Replay BotClear(int position, uint32_t seed, const std::string& list = "data/levels.xml")
{
    testsupport::TempDir dir;
    kolm::CLevelList levels(list);
    BotPlayer::Options options;
    options.seed = seed;
    BotPlayer bot(options);
    RandomGenerators random(seed);
    GamePhase phase(false, FirstLevel::FromLevelList(position - 1), levels, random);
    phase.replays = std::make_unique<ReplayRecorder>(ReplayShelf(dir.File("replays")), levels);
    FrameLoop loop(FrameLoop::Options(), phase, &bot);
    for (int step = 0; step < 60000 && !phase.replays->LastFinished(); ++step)
        loop.StepAndHandleEvents(false);
    EXPECT_NE(phase.replays->LastFinished(), nullptr) << "the bot did not clear level " << position;
    return phase.replays->LastFinished() ? *phase.replays->LastFinished() : Replay();
}

struct WorldAsAValue : ::testing::Test {
    WorldAsAValue() { SetSoundEnabled(false); }
    ~WorldAsAValue() override { SetSoundEnabled(true); }
};

} // namespace

TEST_F(WorldAsAValue, TheKeptReplaysGoOnFromTheirSnapshotsAsStraightThrough)
{
    ExpectSnapshotsGoOnAsTheStraightPlay(ReadKept("level01-bot.replay"), 1);
    ExpectSnapshotsGoOnAsTheStraightPlay(ReadKept("level02-bot.replay"), 2);
}

TEST_F(WorldAsAValue, BotClearsGoOnFromTheirSnapshotsAsStraightThrough)
{
    ExpectSnapshotsGoOnAsTheStraightPlay(BotClear(3, 4), 3);
    ExpectSnapshotsGoOnAsTheStraightPlay(BotClear(5, 7), 4);
    ExpectSnapshotsGoOnAsTheStraightPlay(BotClear(8, 2), 5);
}

// A level that holds every one of the later robot kinds, each with its own state to keep (a twin's
// partner and wire, a hive's hatching and its hatchlings of one loop, a sower's trail of mines).
TEST_F(WorldAsAValue, ABotClearOfEveryLaterRobotKindGoesOnFromItsSnapshotsAsStraightThrough)
{
    testsupport::TempDir dir;
    dir.Write("levels.xml", "<LevelList><Level position=\"1\" filename=\"" + std::string(TOBRAKKA_SOURCE_DIR) +
                                "/tests/data/robots_golden.txt\"></Level></LevelList>\n");
    const Replay replay = BotClear(1, 7, dir.File("levels.xml"));
    ASSERT_GE(replay.loops, 2);
    ExpectSnapshotsGoOnAsTheStraightPlay(replay, 8, dir.File("levels.xml"));
}

namespace {

// The digest after every step of the replay played straight through.
std::vector<uint64_t> StraightDigests(const Replay& replay, kolm::CLevelList& levels)
{
    std::vector<uint64_t> digests;
    ReplayPlayer player(replay, levels);
    while (!player.Finished()) {
        player.Step(false);
        digests.push_back(DigestOf(player.Phase().gameplay).hash);
    }
    return digests;
}

} // namespace

// Kept to a budget far below what a second apart would take, the timeline thins its older
// snapshots and still reaches every moment tried, and a loop's start shows that loop.
TEST_F(WorldAsAValue, TheTimelineReachesAnyMomentAndEachLoopsStartWithinItsBudget)
{
    kolm::CLevelList levels("data/levels.xml");
    const Replay replay = BotClear(6, 3);
    ASSERT_GE(replay.loops, 2);
    const std::vector<uint64_t> straight = StraightDigests(replay, levels);
    constexpr std::size_t kBudget = 3u << 20;
    ReplayTimeline timeline(replay, levels, kBudget);
    while (!timeline.Filled())
        timeline.FillAhead(50);
    EXPECT_EQ(timeline.Length(), straight.size() * Gameplay::kStepMs);
    EXPECT_LT(timeline.Snapshots(), straight.size() / kStepsPerSnapshot) << "thinned";
    EXPECT_LE(timeline.Bytes(), kBudget + kBudget / 4);
    ASSERT_EQ(timeline.LoopStarts().size(), static_cast<std::size_t>(replay.loops));
    ReplayPlayer shown(replay, levels);
    for (std::size_t step : ChooseSteps(straight.size(), 6)) {
        ASSERT_TRUE(timeline.Seek(shown, static_cast<uint32_t>(step * Gameplay::kStepMs)));
        EXPECT_EQ(DigestOf(shown.Phase().gameplay).hash, straight[step - 1]) << "at step " << step;
    }
    for (std::size_t loop = 1; loop <= timeline.LoopStarts().size(); ++loop) {
        ASSERT_TRUE(timeline.Seek(shown, timeline.LoopStarts()[loop - 1]));
        EXPECT_EQ(shown.Loop(), static_cast<int>(loop));
        EXPECT_EQ(DigestOf(shown.Phase().gameplay).worldTime, 0u) << "at the very start of loop " << loop;
        EXPECT_EQ(timeline.LoopAt(timeline.LoopStarts()[loop - 1]), static_cast<int>(loop));
    }
    EXPECT_TRUE(timeline.Seek(shown, UINT32_MAX)) << "past the end lands on the end";
    EXPECT_EQ(DigestOf(shown.Phase().gameplay).hash, straight.back());
}

// The sim prints the same digest at a moment of a replay reached through snapshots and reached
// by stepping from the start.
TEST_F(WorldAsAValue, TheSimsMomentIsTheSameThroughSnapshotsAndFromTheStart)
{
    testsupport::TempDir dir;
    const Replay replay = BotClear(6, 3);
    dir.Write("bot.replay", FormatReplay(replay));
    for (const char* at : {"1:0", "1:7.25", "2:0", "2:3.5", "3:1", "99:0"}) {
        std::string digests[2];
        for (int fromStart = 0; fromStart < 2; ++fromStart) {
            const testsupport::ProcessResult run = testsupport::RunProcess(
                ".", {}, std::string(TOBRAKKA_SIM_BINARY) + " --replay " + dir.File("bot.replay") + " --at " + at +
                             (fromStart ? " --from-start" : ""), 60);
            EXPECT_EQ(run.exitStatus, 0) << run.output;
            digests[fromStart] = run.output;
        }
        EXPECT_EQ(digests[0], digests[1]) << at;
        EXPECT_NE(digests[0].find("digest level="), std::string::npos) << at;
    }
}
