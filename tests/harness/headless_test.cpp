// The world is deterministic: the same seeds and the same timed inputs give the same world,
// in one process, across processes, and between the windowed game and the headless driver.
#include "harness/botplayer.h"
#include "harness/headlessgame.h"
#include "harness/inputscript.h"
#include "world/worlddigest.h"

#include "support/processrunner.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const char* const kLevel = "20000\n300,3\n600,2\n900,4\n1500,1\n2500,5\n4000,2\n4100,2\n";

const char* const kScript = "0 move 900 300\n"
                            "16 click\n"
                            "160 down 100\n"
                            "800 up 100\n"
                            "900 down 115\n"
                            "1400 move 200 600\n"
                            "1600 up 115\n"
                            "2000 down 286\n" // F5: a second loop
                            "2100 down 119\n"
                            "3000 up 119\n"
                            "3500 release\n";

struct HeadlessTest : ::testing::Test {
    testsupport::TempDir dir;
    HeadlessTest() { dir.Write("level.txt", kLevel); }

    std::string Run(uint32_t seed, InputSource& input, int steps)
    {
        testing::internal::CaptureStdout();
        HeadlessGame game(dir.File("level.txt"), seed, &input);
        for (int i = 0; i < steps && game.Running(); ++i)
            game.Step();
        const std::string digest = DigestOf(game.Game()).ToString();
        testing::internal::GetCapturedStdout();
        return digest;
    }

    std::string RunScript(uint32_t seed, int steps)
    {
        InputScript script;
        std::string error;
        EXPECT_TRUE(script.Parse(kScript, error)) << error;
        return Run(seed, script, steps);
    }
};

} // namespace

TEST_F(HeadlessTest, TheSameSeedAndScriptGiveTheSameWorldTwiceInOneProcess)
{
    const std::string first = RunScript(42, 400);
    const std::string second = RunScript(42, 400);
    EXPECT_EQ(first, second);
    EXPECT_NE(first.find("loop=2"), std::string::npos) << first;
    EXPECT_NE(RunScript(43, 400), first) << "a different seed gives a different world";
}

TEST_F(HeadlessTest, TheBotPlaysTheSameGameFromTheSameSeeds)
{
    BotPlayer::Options options;
    options.seed = 9;
    options.restartChance = 30;
    BotPlayer one(options);
    BotPlayer two(options);
    EXPECT_EQ(Run(5, one, 1500), Run(5, two, 1500));
}

TEST_F(HeadlessTest, TheSameRunGivesTheSameDigestsAcrossTwoProcesses)
{
    dir.Write("script.txt", kScript);
    const std::string command = std::string(TOBRAKKA_SIM_BINARY) + " --level " + dir.File("level.txt") + " --script " +
                                dir.File("script.txt") + " --seed 11 --steps 400 --every 100";
    const testsupport::ProcessResult first = testsupport::RunProcess(".", {}, command, 60);
    const testsupport::ProcessResult second = testsupport::RunProcess(".", {}, command, 60);
    ASSERT_EQ(first.exitStatus, 0) << first.output;
    EXPECT_EQ(first.output, second.output);
    EXPECT_GE(std::count(first.output.begin(), first.output.end(), '\n'), 5);

    InputScript script;
    std::string error;
    ASSERT_TRUE(script.Parse(kScript, error));
    const std::string inProcess = Run(11, script, 400);
    EXPECT_NE(first.output.find(inProcess), std::string::npos) << "the driver runs the same game as the library";
}

TEST(ScriptLines, FormattingAnEventAndReadingItBackGivesTheSameEvent)
{
    const char* const lines[] = {"16 down 119", "32 up 276", "48 click", "64 release", "80 move 1279 0",
                                 "96 joyaxis 4 -32768", "112 joypress 3", "128 joyrelease 0", "144 quit"};
    for (const char* line : lines) {
        InputScript script;
        std::string error;
        ASSERT_TRUE(script.Parse(line, error)) << line << ": " << error;
        ASSERT_EQ(script.Events().size(), 1u);
        EXPECT_EQ(FormatScriptEvent(script.Events()[0].time, script.Events()[0].event), line);
    }
    InputScript observing;
    std::string error;
    ASSERT_TRUE(observing.Parse("100 digest\n200 screenshot /tmp/x.png\ntitle down 32\n", error)) << error;
    EXPECT_EQ(observing.Events().size(), 1u) << "digests and screenshots are not events";
    EXPECT_FALSE(observing.Parse("100 screenshot", error)) << "a screenshot needs a file";
}
