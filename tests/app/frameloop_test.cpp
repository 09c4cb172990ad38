// The frame loop's cadence and what it draws: a step once 16 ms have passed since the last one
// began, never two to catch up; while paused, a frame only when the picture may have changed,
// and the last one presented again now and then.
#include "app/play/frameloop.h"
#include "engine/input/gamekeys.h"
#include "app/play/gamephase.h"
#include "world/worlddigest.h"
#include "characters/enemycharacter.h"
#include "engine/render/texturecache.h"
#include "utils/datafiles.h"
#include "world/leveltimeline.h"
#include "world/world.h"

#include "support/testsupport.h"

#include "utils/levellist/clevellist.h"

#include <gtest/gtest.h>

#include <memory>
#include <unistd.h>

namespace {

struct FrameLoopTest : ::testing::Test {
    testsupport::TempDir dir;
    kolm::CLevelList levels;
    testsupport::FakeClock clock{1000};
    testsupport::ScopedCapture capture;
    FrameLoopTest() { dir.Write("level.txt", "60000\n200,3\n500,2\n"); }

    static FrameLoop::Options Windowless()
    {
        FrameLoop::Options options;
        options.pause.pausable = true;
        return options;
    }

    // Frames drawn, and frames presented again, in the given number of steps.
    struct Shown {
        uint64_t drawn, presentedAgain;
    };
    Shown AfterSteps(FrameLoop& loop, int steps)
    {
        const CapturingRenderBackend& backend = capture.Backend();
        const Shown before{backend.FramesEnded(), backend.FramesPresentedAgain()};
        for (int i = 0; i < steps; ++i)
            loop.StepAndHandleEvents();
        return Shown{backend.FramesEnded() - before.drawn, backend.FramesPresentedAgain() - before.presentedAgain};
    }
};

GameEvent Key(int32_t key) { return GameEvent::Key(key, true); }

} // namespace

using testsupport::FakeClock;

TEST_F(FrameLoopTest, AStepBeginsOnceSixteenMillisecondsHavePassedAndALateOneIsNotCaughtUp)
{
    GamePhase phase(false, dir.File("level.txt"), levels);
    FrameLoop loop(Windowless(), phase, nullptr);
    EXPECT_EQ(loop.NextDue(), 1016u);
    loop.Tick(1015);
    EXPECT_EQ(loop.PhaseTime(), 0u);
    clock.Set(1016);
    loop.Tick(1016);
    EXPECT_EQ(loop.PhaseTime(), 16u);
    EXPECT_EQ(loop.NextDue(), 1032u);

    clock.Set(1072); // 40 ms late: one step, and the next one 16 ms after it
    loop.Tick(1072);
    loop.Tick(1072);
    EXPECT_EQ(loop.PhaseTime(), 32u);
    EXPECT_EQ(loop.NextDue(), 1088u);
}

// At half speed the loop takes a step every 32 ms of the wall clock, each still 16 ms of the
// world's, so the world after 40 steps is the world of full speed after 40 steps; paused, the loop
// reads events at its full pace.
TEST_F(FrameLoopTest, AtHalfSpeedStepsCome32MillisecondsApartAndTheWorldIsThatOfFullSpeed)
{
    const auto worldAfter40Steps = [this](int speed) {
        GamePhase phase(false, dir.File("level.txt"), levels);
        FrameLoop::Options options = Windowless();
        options.pace.gameSpeed = speed;
        FrameLoop loop(options, phase, nullptr);
        loop.Dispatch(Key(gamekeys::kD));
        std::vector<uint32_t> gaps;
        for (uint32_t last = FakeClock::Now(); loop.PhaseTime() < 40 * Gameplay::kStepMs; clock.Advance(1)) {
            if (loop.Tick(FakeClock::Now())) {
                gaps.push_back(FakeClock::Now() - last);
                last = FakeClock::Now();
            }
        }
        EXPECT_EQ(gaps.back(), speed == 50 ? 32u : 16u);
        EXPECT_EQ(gaps.size(), 40u);
        loop.Dispatch(Key(gamekeys::kP));
        EXPECT_EQ(loop.StepInterval(), Gameplay::kStepMs) << "the pause keeps its pace";
        return DigestOf(phase.gameplay).ToString();
    };
    EXPECT_EQ(worldAfter40Steps(50), worldAfter40Steps(100));
}

TEST_F(FrameLoopTest, APausedGameDrawsOnlyWhenThePictureMayHaveChanged)
{
    GamePhase phase(false, dir.File("level.txt"), levels);
    phase.status = std::make_unique<StatusLayer>();
    FrameLoop loop(Windowless(), phase, nullptr);
    EXPECT_EQ(AfterSteps(loop, 20).drawn, 20u) << "a running game draws every step";

    loop.Dispatch(Key(gamekeys::kP));
    EXPECT_EQ(AfterSteps(loop, 1).drawn, 1u) << "the paused scrap appears";
    const Shown second = AfterSteps(loop, 62); // about a second of steps
    EXPECT_EQ(second.drawn, 0u);
    EXPECT_GE(second.presentedAgain, 2u);
    EXPECT_LE(second.presentedAgain, 8u);

    loop.Dispatch(GameEvent::Of(GameEvent::Type::kExposed));
    const Shown uncovered = AfterSteps(loop, 1);
    EXPECT_EQ(uncovered.drawn, 0u);
    EXPECT_EQ(uncovered.presentedAgain, 1u) << "an uncovered window gets the picture again";

    loop.Dispatch(GameEvent::MouseMotion(300, 200));
    EXPECT_EQ(AfterSteps(loop, 1).drawn, 1u) << "the crosshair moved";

    loop.Dispatch(Key(gamekeys::kP));
    EXPECT_EQ(AfterSteps(loop, 5).drawn, 5u);
}

TEST_F(FrameLoopTest, TheLevelLabelIsDrawnOverARobotThatPassesUnderIt)
{
    // The label shows for a level of the list: the list is one per process, so play in a child.
    dir.MakeDir("data");
    dir.Write("data/levels.xml", "<LevelList>\n<Level position=\"1\" filename=\"" + dir.File("level.txt") +
                                     "\"></Level>\n</LevelList>\n");
    ASSERT_EQ(symlink((testsupport::CurrentDirectory() + "/data/gfx").c_str(), dir.File("data/gfx").c_str()), 0);
    EXPECT_EXIT(
        {
            testsupport::ChangeDirectory(dir.Path());
            GamePhase phase(false, FirstLevel::FromLevelList(), levels);
            phase.status = std::make_unique<StatusLayer>();
            FrameLoop loop(Windowless(), phase, nullptr);
            phase.gameplay.World()->SpawnEnemy(kSpawnBigBad, vector2(1150, 690), vector2(1150, 690));
            loop.StepAndHandleEvents();
            const TextureHandle robot = phase.gameplay.World()->enemies.back()->sprite->texture->texture;
            const TextureHandle label = GetTexture(datafiles::kLabelLevel)->texture;
            std::size_t lastRobot = 0;
            std::size_t firstLabel = 0;
            const auto& quads = capture.Backend().Quads();
            for (std::size_t i = 0; i < quads.size(); ++i) {
                if (quads[i].texture == robot)
                    lastRobot = i;
                if (quads[i].texture == label && !firstLabel)
                    firstLabel = i;
            }
            std::exit(lastRobot > 0 && firstLabel > lastRobot ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

// A tap on the picture goes on after a death, as the continue key would, and does nothing while
// the hero lives or in the classic game.
TEST_F(FrameLoopTest, ATapAfterADeathStartsTheNextLoopAndDoesNothingWhileTheHeroLives)
{
    for (const bool classic : {false, true}) {
        GamePhase phase(false, dir.File("level.txt"), levels);
        FrameLoop::Options options = Windowless();
        options.pause.pausable = !classic;
        FrameLoop loop(options, phase, nullptr);
        AfterSteps(loop, 2);
        loop.Dispatch(GameEvent::Of(GameEvent::Type::kTap));
        EXPECT_FALSE(phase.gameplay.IsPlayerDead());
        Gameplay::CQuenlowZarnImpl& world = *phase.gameplay.World();
        EXPECT_TRUE(world.oldGuys.empty()) << "a tap while the hero lives";
        world.KillCharacter(world.player.get());
        AfterSteps(loop, 1);
        ASSERT_TRUE(phase.gameplay.IsPlayerDead());
        loop.Dispatch(GameEvent::Of(GameEvent::Type::kTap));
        EXPECT_EQ(world.oldGuys.size(), classic ? 0u : 1u) << (classic ? "classic" : "a tap after a death");
        EXPECT_EQ(phase.gameplay.IsPlayerDead(), classic);
    }
}
