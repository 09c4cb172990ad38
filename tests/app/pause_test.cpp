// Pausing: the world stands still and game time does not advance, so that a game recorded with a
// pause in it replays headless, without the pause, to the same end.
#include "harness/headlessgame.h"
#include "engine/input/gamekeys.h"
#include "harness/inputscript.h"
#include "harness/toolrun.h"
#include "world/worlddigest.h"

#include "support/processrunner.h"
#include "support/testsupport.h"

#include "utils/levellist/clevellist.h"

#include <gtest/gtest.h>

namespace {

const char* const kLevel = "60000\n200,3\n500,2\n900,4\n1500,1\n";

GameEvent Key(int32_t key, bool down = true) { return GameEvent::Key(key, down); }

GameEvent FocusLost() { return GameEvent::Of(GameEvent::Type::kFocusLost); }

GameEvent Move(int32_t x, int32_t y) { return GameEvent::MouseMotion(x, y); }

struct PauseTest : ::testing::Test {
    testsupport::TempDir dir;
    kolm::CLevelList levels;
    testsupport::ScopedCapture capture;
    PauseTest() { dir.Write("level.txt", kLevel); }

    void Steps(HeadlessGame& game, int n)
    {
        for (int i = 0; i < n; ++i)
            game.Step();
    }
};

} // namespace

TEST_F(PauseTest, PWhilePausedTheWorldAndGameTimeStandStill)
{
    HeadlessGame game(dir.File("level.txt"), 3, nullptr, true);
    Steps(game, 60);
    game.Loop().Dispatch(Key(gamekeys::kP));
    const std::string before = DigestOf(game.Game()).ToString();
    const uint32_t time = game.PhaseTime();
    Steps(game, 100);
    EXPECT_TRUE(game.Loop().Paused());
    EXPECT_EQ(DigestOf(game.Game()).ToString(), before);
    EXPECT_EQ(game.PhaseTime(), time);

    game.Loop().Dispatch(Key(gamekeys::kP, false)); // releasing P changes nothing
    game.Loop().Dispatch(Key(gamekeys::kP));
    Steps(game, 10);
    EXPECT_EQ(game.PhaseTime(), time + 160);
    EXPECT_NE(DigestOf(game.Game()).ToString(), before);
}

TEST_F(PauseTest, WhilePausedAPersonCanLeaveButStartsNothingAndToAScriptPIsAnOrdinaryKey)
{
    HeadlessGame game(dir.File("level.txt"), 3, nullptr, true);
    Steps(game, 10);
    game.Loop().Dispatch(Key(gamekeys::kP));
    game.Loop().Dispatch(Key(gamekeys::kF5));
    game.Loop().Dispatch(Key(gamekeys::kP));
    Steps(game, 1);
    EXPECT_NE(DigestOf(game.Game()).ToString().find("loop=1 "), std::string::npos) << "F5 while paused is ignored";
    game.Loop().Dispatch(Key(gamekeys::kP));
    game.Loop().Dispatch(Key(gamekeys::kEscape));
    EXPECT_FALSE(game.Loop().Running());

    InputScript script;
    std::string error;
    ASSERT_TRUE(script.Parse("100 down 112\n200 down 286\n", error)) << error;
    HeadlessGame scripted(dir.File("level.txt"), 3, &script, true);
    Steps(scripted, 20);
    EXPECT_FALSE(scripted.Loop().Paused());
    EXPECT_NE(DigestOf(scripted.Game()).ToString().find("loop=2 "), std::string::npos) << "the script's F5 after its P";
}

TEST_F(PauseTest, LosingTheFocusPausesOnlyWhenAskedAndAGameThatCannotPauseIgnoresP)
{
    GamePhase phase(false, dir.File("level.txt"), levels);
    FrameLoop::Options options;
    options.pause.pausable = options.pause.pauseOnFocusLoss = true;
    FrameLoop player(options, phase, nullptr);
    EXPECT_FALSE(player.Paused()) << "a game never starts paused";
    player.Dispatch(FocusLost());
    EXPECT_TRUE(player.Paused());

    HeadlessGame pausable(dir.File("level.txt"), 3, nullptr, true);
    pausable.Loop().Dispatch(FocusLost());
    EXPECT_FALSE(pausable.Loop().Paused()) << "a game played by a script or the bot keeps going";

    HeadlessGame classic(dir.File("level.txt"), 3, nullptr, false);
    classic.Loop().Dispatch(Key(gamekeys::kP));
    Steps(classic, 5);
    EXPECT_FALSE(classic.Loop().Paused());
    EXPECT_EQ(classic.PhaseTime(), 80u);
}

TEST_F(PauseTest, AGameRecordedWithAPauseReplaysHeadlessToTheSameDigest)
{
    ToolRun tools;
    ASSERT_TRUE(tools.Configure({"-record", dir.File("played.script")}));
    std::string digest;
    {
        // Events come after a step, as the frame loop hands them out.
        HeadlessGame game(dir.File("level.txt"), 11, &tools, true);
        Steps(game, 1);
        game.Loop().Dispatch(Move(900, 300));
        game.Loop().Dispatch(Key(gamekeys::kD));
        Steps(game, 40);
        game.Loop().Dispatch(Key(gamekeys::kP));
        Steps(game, 25); // moves and keys while paused still reach the game
        game.Loop().Dispatch(Move(300, 500));
        game.Loop().Dispatch(Key(gamekeys::kD, false));
        game.Loop().Dispatch(Key(gamekeys::kS));
        Steps(game, 25);
        game.Loop().Dispatch(Key(gamekeys::kP));
        Steps(game, 60);
        tools.PhaseEnded(game.Phase());
        digest = DigestOf(game.Game()).ToString();
    }
    const std::string recording = testsupport::ReadFile(dir.File("played.script"));
    EXPECT_EQ(recording.find(" 112"), std::string::npos) << "P is never recorded:\n" << recording;

    const testsupport::ProcessResult replay = testsupport::RunProcess(
        ".", {}, std::string(TOBRAKKA_SIM_BINARY) + " --level " + dir.File("level.txt") + " --script " +
                     dir.File("played.script") + " --seed 11 --steps 101",
        60);
    ASSERT_EQ(replay.exitStatus, 0) << replay.output;
    EXPECT_NE(replay.output.find("digest " + digest), std::string::npos) << digest << "\n" << replay.output;
}
