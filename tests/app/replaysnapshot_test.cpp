// The game as a value: a replay played straight through is, at every moment tried, the replay put
// back from a snapshot taken a little earlier and stepped on to that moment: the same digest and,
// byte for byte, the same snapshot. Tried on the replays kept with the tests and on bot clears of
// three levels, each at 20 moments.
#include "app/play/gamephase.h"
#include "app/play/replayplayer.h"
#include "app/replay/replayfile.h"
#include "app/replay/replayrecorder.h"
#include "app/replay/replayshelf.h"
#include "audio/soundoutput.h"
#include "harness/botplayer.h"
#include "world/snapshotstore.h"
#include "world/worlddigest.h"

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
void ExpectSnapshotsGoOnAsTheStraightPlay(const Replay& replay, unsigned seed)
{
    kolm::CLevelList levels("data/levels.xml");
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

// The practised bot clears the level at the position; the recorder keeps the clear as a replay.
Replay BotClear(int position, uint32_t seed)
{
    testsupport::TempDir dir;
    kolm::CLevelList levels("data/levels.xml");
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
