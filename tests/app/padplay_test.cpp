// A pad in play: pulled out, it leaves nothing held and pauses the game until it comes back or a
// key is pressed; it rumbles at the hero's death and a big robot's blast, at the player's
// strength, and never for the tools.
#include "app/play/frameloop.h"
#include "app/play/gamephase.h"
#include "audio/soundoutput.h"
#include "characters/playercharacter.h"
#include "engine/input/padbuttons.h"
#include "harness/toolrun.h"
#include "world/leveltimeline.h"
#include "world/world.h"

#include "support/fakeplatform.h"
#include "support/testsupport.h"

#include "utils/levellist/clevellist.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int32_t kPad = 7;

struct PadPlayTest : ::testing::Test {
    testsupport::TempDir dir;
    kolm::CLevelList levels;
    testsupport::FakeClock clock{1000};
    testsupport::ScopedCapture capture;
    testsupport::FakePlatform platform;
    ToolRun recording;
    std::unique_ptr<GamePhase> phase;
    std::unique_ptr<FrameLoop> loop;

    PadPlayTest()
    {
        SetSoundEnabled(false);
        dir.Write("level.txt", "60000\n");
        phase = std::make_unique<GamePhase>(false, dir.File("level.txt"), levels);
        phase->status = std::make_unique<StatusLayer>();
    }
    ~PadPlayTest() override { SetSoundEnabled(true); }

    // The loop as a person plays it (recorded), or as the tools play it.
    void Start(int rumble, bool toolsPlay = false)
    {
        EXPECT_TRUE(recording.Configure(toolsPlay ? std::vector<std::string>{"-demo", "10"}
                                                  : std::vector<std::string>{"-record", dir.File("played.script")}));
        FrameLoop::Options options;
        options.pause.pausable = true;
        options.platform = &platform;
        options.rumble = rumble;
        loop = std::make_unique<FrameLoop>(options, *phase, &recording);
    }
    PlayerCharacter& Player() { return *phase->gameplay.World()->player; }
    void Steps(int n)
    {
        for (int i = 0; i < n; ++i)
            loop->StepAndHandleEvents();
    }
};

} // namespace

TEST_F(PadPlayTest, APadPulledOutLeavesNothingHeldAndPausesTheGameUntilItComesBackOrAKey)
{
    Start(0);
    loop->Dispatch(GameEvent::PadAxis(pads::kLeftX, -30000, kPad));
    loop->Dispatch(GameEvent::PadAxis(pads::kRightX, 30000, kPad));
    EXPECT_TRUE(Player().KeyHeld(kControlLeft));
    EXPECT_TRUE(Player().KeyHeld(kControlFire));

    loop->Dispatch(GameEvent::Of(GameEvent::Type::kPadRemoved, kPad + 1));
    EXPECT_FALSE(loop->Paused()) << "another pad going away changes nothing";
    loop->Dispatch(GameEvent::Of(GameEvent::Type::kPadRemoved, kPad));
    EXPECT_FALSE(Player().KeyHeld(kControlLeft));
    EXPECT_FALSE(Player().KeyHeld(kControlFire));
    EXPECT_TRUE(loop->Paused());
    EXPECT_TRUE(loop->PadGone());
    loop->Dispatch(GameEvent::Of(GameEvent::Type::kPadAdded, kPad));
    EXPECT_FALSE(loop->Paused()) << "plugged back, the game goes on";

    loop->Dispatch(GameEvent::PadAxis(pads::kLeftY, 30000, kPad));
    loop->Dispatch(GameEvent::Of(GameEvent::Type::kPadRemoved, kPad));
    EXPECT_TRUE(loop->PadGone());
    loop->Dispatch(GameEvent::Key('x', true));
    EXPECT_FALSE(loop->Paused()) << "any key resumes as P does";
    recording.PhaseEnded(*phase);
    // The sticks' return to the centre is heard, so a recording replays without the pad.
    EXPECT_EQ(testsupport::ReadFile(dir.File("played.script")),
              "0 joyaxis 0 -30000\n0 joyaxis 4 30000\n0 joyaxis 0 0\n0 joyaxis 4 0\n0 joyaxis 1 30000\n0 joyaxis 1 0\n");
}

TEST_F(PadPlayTest, ThePadRumblesAtTheHerosDeathAndABigRobotsBlastAtThePlayersStrength)
{
    Start(5);
    Gameplay::CQuenlowZarnImpl& world = *phase->gameplay.World();
    world.SpawnEnemy(kSpawnBigBad, vector2(300, 300), vector2(300, 300));
    Steps(2);
    world.KillCharacter(world.enemies.back().get());
    Steps(1);
    ASSERT_EQ(platform.rumbles.size(), 1u);
    EXPECT_FLOAT_EQ(platform.rumbles[0].strength, 0.25f) << "a blast at half strength, of the player's half";
    world.KillCharacter(world.player.get());
    Steps(3);
    ASSERT_EQ(platform.rumbles.size(), 2u) << "once for the death";
    EXPECT_FLOAT_EQ(platform.rumbles[1].strength, 0.5f);
}

TEST_F(PadPlayTest, NoRumbleAtZero)
{
    Start(0);
    phase->gameplay.World()->KillCharacter(phase->gameplay.World()->player.get());
    Steps(2);
    EXPECT_TRUE(platform.rumbles.empty());
}

TEST_F(PadPlayTest, NoRumbleWhenTheToolsPlay)
{
    Start(10, true);
    phase->gameplay.World()->KillCharacter(phase->gameplay.World()->player.get());
    Steps(2);
    EXPECT_TRUE(platform.rumbles.empty());
}
