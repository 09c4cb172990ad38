// The real game binary with the generated art and sound, played by input scripts under a
// virtual display: the title, a death and the press-space message, the next loop with an old
// guy, F5, a cleared level and the next one, Escape. The run is recorded and replayed by the
// headless driver, which must end where the game ended.
#include "engine/render/texturecache.h"

#include "support/gamerun.h"

#include <gtest/gtest.h>

#include <sstream>
#include <unistd.h>
#include <string>
#include <vector>

namespace {

struct GameRunTest : testsupport::GameRunFixture {
    static std::vector<std::string> Digests(const std::string& output)
    {
        std::vector<std::string> digests;
        std::istringstream lines(output);
        std::string line;
        while (std::getline(lines, line)) {
            if (line.rfind("digest ", 0) == 0)
                digests.push_back(line);
        }
        return digests;
    }

    static bool Has(const std::string& digest, const std::string& part)
    {
        return digest.find(part) != std::string::npos;
    }
};

} // namespace

TEST_F(GameRunTest, DeathPressSpaceNextLoopAndF5AndTheRunReplaysHeadless)
{
    // A big robot that shoots at a player who stands still.
    MakeData("12000\n0,1\n", "3000\n");
    const testsupport::ProcessResult run = Play("title down 32\n"
                                                "800 digest\n"
                                                "11500 digest\n"
                                                "11500 screenshot death.png\n"
                                                "11600 down 32\n"
                                                "11650 digest\n"
                                                "11700 down 286\n"
                                                "11750 digest\n"
                                                "12000 down 27\n",
                                                "-seed 7 -record played.script -digest");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    const std::vector<std::string> digests = Digests(run.output);
    ASSERT_EQ(digests.size(), 5u) << run.output;
    EXPECT_TRUE(Has(digests[0], "level=data/levels/first.txt") && Has(digests[0], "loop=1 player=alive")) << digests[0];
    EXPECT_TRUE(Has(digests[1], "loop=1 player=dead")) << digests[1];
    EXPECT_TRUE(Has(digests[2], "loop=2 player=alive")) << "space after the death: a new loop beside an old guy";
    EXPECT_TRUE(Has(digests[3], "loop=3 player=alive")) << "F5 starts the loop again";

    // The press-space message is on screen a few seconds after the death.
    int width = 0;
    int height = 0;
    std::vector<uint8_t> shot;
    ASSERT_TRUE(DecodeImageFile(dir.File("death.png"), width, height, shot));
    EXPECT_EQ(width, 1280);

    // The headless driver replays the recorded run to the same end.
    const testsupport::ProcessResult replay = testsupport::RunProcess(
        dir.Path(), {"TOBRAKKA_DATA=" + dir.Path()}, std::string(TOBRAKKA_SIM_BINARY) + " --script played.script --seed 7",
        120);
    ASSERT_EQ(replay.exitStatus, 0) << replay.output;
    const std::vector<std::string> replayed = Digests(replay.output);
    ASSERT_FALSE(replayed.empty());
    EXPECT_EQ(replayed.back(), digests.back());
}

TEST_F(GameRunTest, AClearedLevelAndSpaceLoadsTheNextOneAndEscapeEndsWithStatusZero)
{
    MakeData("2000\n", "60000\n100,3\n");
    const testsupport::ProcessResult run = Play("title down 32\n"
                                                "1000 digest\n"
                                                "2100 digest\n"
                                                "4500 screenshot cleared.png\n"
                                                "4600 down 32\n"
                                                "4700 digest\n"
                                                "5000 digest\n"
                                                "5100 down 27\n",
                                                "");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    const std::vector<std::string> digests = Digests(run.output);
    ASSERT_EQ(digests.size(), 4u) << run.output;
    EXPECT_TRUE(Has(digests[0], "cleared=0")) << digests[0];
    EXPECT_TRUE(Has(digests[1], "cleared=1")) << digests[1];
    EXPECT_TRUE(Has(digests[2], "level=data/levels/second.txt")) << digests[2];
    EXPECT_TRUE(Has(digests[3], "robots=0/1")) << "the second level runs: its robot arrived";
}

TEST_F(GameRunTest, ALevelClearedAndThenLostToARobotMovesOnWithSpaceExceptWithClassic)
{
    // A big robot that arrives late and shoots the player standing still after the level's 3 seconds.
    MakeData("3000\n1500,1\n", "60000\n");
    const std::string script = "title down 32\n"
                               "6000 digest\n"
                               "6100 down 32\n"
                               "6200 digest\n"
                               "6300 down 27\n";
    const testsupport::ProcessResult run = Play(script, "-seed 7 -record played.script -digest");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    const std::vector<std::string> digests = Digests(run.output);
    ASSERT_EQ(digests.size(), 3u) << run.output;
    ASSERT_TRUE(Has(digests[0], "level=data/levels/first.txt") && Has(digests[0], "loop=1 player=dead")) << digests[0];
    EXPECT_TRUE(Has(digests[1], "level=data/levels/second.txt")) << "the clear stands: " << digests[1];

    // The headless driver replays the recording to the same end; "--classic" would not.
    const std::string sim = std::string(TOBRAKKA_SIM_BINARY) + " --script played.script --seed 7";
    const testsupport::ProcessResult replay = testsupport::RunProcess(dir.Path(), {"TOBRAKKA_DATA=" + dir.Path()}, sim, 120);
    ASSERT_FALSE(Digests(replay.output).empty()) << replay.output;
    EXPECT_EQ(Digests(replay.output).back(), digests.back());

    const testsupport::ProcessResult classic = Play(script, "-classic -seed 7 -digest");
    ASSERT_EQ(classic.exitStatus, 0) << classic.output;
    const std::vector<std::string> classicDigests = Digests(classic.output);
    ASSERT_EQ(classicDigests.size(), 3u) << classic.output;
    EXPECT_TRUE(Has(classicDigests[1], "level=data/levels/first.txt") && Has(classicDigests[1], "loop=2"))
        << "space after the death replays the level: " << classicDigests[1];
}
