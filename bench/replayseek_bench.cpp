// Any moment at once: the headless step of a heavy moment of level 9, the first pass of a long
// replay (the bot's clear of level 9) and a jump to a random moment of it once that pass is done.
// Run from the build directory (the levels are found there).
#include "app/play/gamephase.h"
#include "app/play/replaytimeline.h"
#include "app/replay/replayrecorder.h"
#include "app/replay/replayshelf.h"
#include "audio/soundoutput.h"
#include "engine/core/ticks.h"
#include "harness/botplayer.h"
#include "harness/headlessgame.h"
#include "world/snapshotstore.h"
#include "world/worlddigest.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>
#include <random>

namespace {

// The practised bot's clear of level 9 with seed 1, kept as a replay: seven loops, six minutes.
const Replay& LongReplay()
{
    static const Replay replay = [] {
        const SoundOff unheard;
        kolm::CLevelList levels("data/levels.xml");
        BotPlayer::Options options;
        options.seed = 1;
        BotPlayer bot(options);
        GamePhase phase(false, FirstLevel::FromLevelList(8), levels, RandomGenerators(1));
        phase.replays = std::make_unique<ReplayRecorder>(ReplayShelf("bench_replays"), levels);
        FrameLoop loop(FrameLoop::Options(), phase, &bot);
        while (!phase.replays->LastFinished() && loop.PhaseTime() < 3600000)
            loop.StepAndHandleEvents(false);
        return phase.replays->LastFinished() ? *phase.replays->LastFinished() : Replay();
    }();
    return replay;
}

// The headless game's step (the world, the paper, the overlay, the bot) from the moment of the
// bot's level-9 run with the most sprites in its first 20,000 steps, put back before each round
// of a hundred steps.
void BM_WorldStep(benchmark::State& state)
{
    BotPlayer::Options options;
    options.seed = 3;
    BotPlayer bot(options);
    HeadlessGame game(FirstLevel("data/levels/level09.txt"), 3, &bot);
    SnapshotStore store;
    PhaseSnapshot heaviest;
    std::size_t most = 0;
    for (int step = 0; step < 20000; ++step) {
        game.Step();
        const std::size_t sprites = DigestOf(game.Game()).sprites;
        if (sprites > most) {
            most = sprites;
            heaviest = TakeSnapshot(game.Phase(), game.Loop(), store);
        }
    }
    constexpr int kStepsARound = 100;
    for (auto _ : state) {
        state.PauseTiming();
        PutBack(heaviest, game.Phase(), game.Loop(), store);
        state.ResumeTiming();
        for (int step = 0; step < kStepsARound; ++step)
            game.Step();
    }
    state.counters["sprites_at_start"] = static_cast<double>(most);
    state.counters["s_per_step"] = benchmark::Counter(static_cast<double>(state.iterations() * kStepsARound),
                                                      benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_WorldStep)->Unit(benchmark::kMillisecond);

// The first pass over the long replay, snapshots and all, in CPU time.
void BM_ReplayFirstPass(benchmark::State& state)
{
    const Replay& replay = LongReplay();
    kolm::CLevelList levels("data/levels.xml");
    std::size_t bytes = 0;
    std::size_t snapshots = 0;
    for (auto _ : state) {
        ReplayTimeline timeline(replay, levels);
        while (!timeline.Filled())
            timeline.FillAhead(1000);
        bytes = timeline.Bytes();
        snapshots = timeline.Snapshots();
    }
    state.counters["replay_s"] = replay.milliseconds / 1000.0;
    state.counters["loops"] = replay.loops;
    state.counters["snapshots"] = static_cast<double>(snapshots);
    state.counters["snapshot_MB"] = static_cast<double>(bytes) / (1 << 20);
}
BENCHMARK(BM_ReplayFirstPass)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// A jump to a random moment of the long replay once its first pass is done: the nearest
// snapshot put back and the steps from it to the moment.
void BM_ReplaySeek(benchmark::State& state)
{
    const Replay& replay = LongReplay();
    kolm::CLevelList levels("data/levels.xml");
    ReplayTimeline timeline(replay, levels);
    while (!timeline.Filled())
        timeline.FillAhead(1000);
    ReplayPlayer shown(replay, levels);
    std::mt19937 pick(9);
    for (auto _ : state)
        timeline.Seek(shown, pick() % timeline.Length());
    state.counters["replay_s"] = timeline.Length() / 1000.0;
}
BENCHMARK(BM_ReplaySeek)->Unit(benchmark::kMillisecond);

} // namespace
