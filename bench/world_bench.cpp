// The game's speed against its 16 ms step: one world step in a stress scene, whole levels
// played headless by the bot, and the start-up of the real game. Run from the build directory
// (the levels and the game binary are found there); the start-up needs a display (xvfb-run).
#include "scopedrenderbackend.h"
#include "harness/botplayer.h"
#include "world/gameplay.h"
#include "harness/headlessgame.h"
#include "audio/soundoutput.h"
#include "characters/effects/deatheffects.h"
#include "characters/enemycharacter.h"
#include "characters/playercharacter.h"
#include "engine/core/random.h"
#include "grid/papergrid.h"
#include "world/world.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

namespace {

// 30 old guys replaying with fire held, 100 robots that cannot die standing in their way, the
// bullets between and beyond them, and a chain of explosions keeping the particles over their
// soft limit, all on a paper grid that the bullets and blasts push. A step is what the frame
// loop does with the world: the world's update, the grid's update and the draw pass.
struct StressScene {
    CPaperGrid grid;
    Gameplay gameplay;

    StressScene() : gameplay(RandomGenerators(77))
    {
        SetSoundEnabled(false);
        std::ofstream("stress_level.txt") << "600000\n";
        grid.Init(35, 20);
        gameplay.LoadLevel("stress_level.txt");
        gameplay.SetGrid(&grid);
        Gameplay::CQuenlowZarnImpl& world = *gameplay.World();
        for (int i = 0; i < 30; ++i) {
            world.player->SetStart(vector2(60.0f + (i % 5) * 60.0f, 60.0f + (i / 5) * 110.0f), world.player->sprite);
            // Most aim past the robots, so that their shots cross the whole field.
            const float spread = i % 5 ? (i % 2 ? -900.0f : 1600.0f) : 360.0f;
            gameplay.SetAim(vector2(1200.0f, spread + i * 10.0f));
            gameplay.FirePressed();
            gameplay.Update(16);
            gameplay.RetireCurrentPlayer();
            gameplay.RestartAttempt();
        }
        world.player->SetStart(vector2(100, 700), world.player->sprite);
        for (int i = 0; i < 100; ++i) {
            const vector2 at(560.0f + (i % 10) * 70.0f, 40.0f + (i / 10) * 70.0f);
            world.SpawnEnemy(kSpawnSmallMoving, at, at); // straight movers that keep to their place
            EnemyCharacter* robot = world.enemies.back().get();
            robot->health = robot->maxHealth = 1e9f;
        }
    }

    void Step(int index)
    {
        Gameplay::CQuenlowZarnImpl& world = *gameplay.World();
        if (index % 6 == 0)
            world.QueueExplosion(vector2(560.0f + (index * 37) % 630, 40.0f + (index * 53) % 630));
        gameplay.Update(16);
        grid.Update(16);
        // The draw pass (through the null backend) is what removes killed sprites.
        grid.Draw();
        gameplay.Draw();
    }
};

void BM_WorldStepStressScene(benchmark::State& state)
{
    NullRenderBackend backend;
    ScopedRenderBackend headless(&backend);
    StressScene scene;
    int index = 0;
    for (int warm = 0; warm < 120; ++warm)
        scene.Step(index++);
    for (auto _ : state)
        scene.Step(index++);
    const Gameplay::CQuenlowZarnImpl& world = *scene.gameplay.World();
    state.counters["old_guys"] = static_cast<double>(world.oldGuys.size());
    state.counters["robots"] = static_cast<double>(world.enemies.size());
    state.counters["bullets"] = static_cast<double>(world.bullets.size());
    state.counters["particles"] = static_cast<double>(world.particles.live.size());
    state.counters["sprites"] = static_cast<double>(world.sprites.Count());
}
BENCHMARK(BM_WorldStepStressScene)->Unit(benchmark::kMicrosecond);

// The largest burst of the game: a big robot's death (up to 150 smoke puffs, 15 parts and 249
// sparks) and the particle update of that step.
void BM_BigRobotDeath(benchmark::State& state)
{
    NullRenderBackend backend;
    ScopedRenderBackend headless(&backend);
    SetSoundEnabled(false);
    std::ofstream("burst_level.txt") << "60000\n";
    Gameplay gameplay(RandomGenerators(3));
    gameplay.LoadLevel("burst_level.txt");
    Gameplay::CQuenlowZarnImpl& world = *gameplay.World();
    world.SpawnEnemy(1, vector2(640, 360), vector2(640, 360));
    const EnemyCharacter& robot = *world.enemies.back();
    EffectContext effects = world.Effects();
    for (auto _ : state) {
        SpawnRobotDebris(effects, robot);
        world.particles.Update(16);
        state.PauseTiming();
        world.particles.Clear();
        world.sprites.Draw(); // removes the burst's sprites, through the null backend
        state.ResumeTiming();
    }
}
BENCHMARK(BM_BigRobotDeath)->Unit(benchmark::kMicrosecond);

// A whole level played by the bot, headless: game seconds simulated per wall-clock second.
void BM_LevelPlayedByTheBot(benchmark::State& state)
{
    const std::string level = "data/levels/level" + std::string(state.range(0) < 10 ? "0" : "") +
                              std::to_string(state.range(0)) + ".txt";
    NullRenderBackend backend;
    ScopedRenderBackend headless(&backend);
    uint64_t steps = 0;
    for (auto _ : state) {
        BotPlayer::Options options;
        BotPlayer bot(options);
        HeadlessGame game(level, 1, &bot);
        while (!game.Game().IsLevelCleared() && game.PhaseTime() < 300000) {
            game.Step();
            ++steps;
        }
    }
    state.counters["game_s_per_wall_s"] = benchmark::Counter(steps * 0.016, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_LevelPlayedByTheBot)->Arg(1)->Arg(5)->Arg(10)->Unit(benchmark::kMillisecond)->Iterations(1);

// The real game from process start to its first game frame, with every texture and sound
// loaded (the script ends the game right after that frame), measured as the whole run.
void BM_GameStartUpToFirstFrame(benchmark::State& state)
{
    if (!std::getenv("DISPLAY")) {
        state.SkipWithError("needs a display: run under xvfb-run");
        return;
    }
    std::ofstream("startup.script") << "title down 32\n0 down 27\n";
    const std::string command = std::string("SDL_AUDIODRIVER=dummy ") + TOBRAKKA_GAME_BINARY +
                                " -script startup.script > /dev/null 2>&1";
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("the game did not run");
            return;
        }
    }
}
BENCHMARK(BM_GameStartUpToFirstFrame)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

} // namespace
