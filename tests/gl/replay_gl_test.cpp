// A level cleared in the real game, by an input script with two F5 presses, leaves a replay in
// the player's replays folder that the headless driver verifies to the game's own final digest;
// once the level file has changed, the replay is refused, naming the level.
#include "support/gamerun.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <string>
#include <vector>

namespace {

struct ReplayRunTest : testsupport::GameRunFixture {
    // The replay files the game left (XDG_DATA_HOME is the test folder's ".data").
    std::vector<std::string> Replays()
    {
        std::vector<std::string> files;
        const std::string folder = dir.File(".data/tobrakka/replays");
        if (DIR* listing = opendir(folder.c_str())) {
            while (const dirent* entry = readdir(listing)) {
                const std::string name = entry->d_name;
                if (name.size() > 7 && name.substr(name.size() - 7) == ".replay")
                    files.push_back(folder + "/" + name);
            }
            closedir(listing);
        }
        return files;
    }

    testsupport::ProcessResult Verify(const std::string& replay)
    {
        return testsupport::RunProcess(dir.Path(), {"TOBRAKKA_DATA=" + dir.Path()},
                                       std::string(TOBRAKKA_SIM_BINARY) + " --replay " + replay, 120);
    }
};

std::string LastLineWith(const std::string& output, const std::string& start)
{
    const std::size_t at = output.rfind("\n" + start);
    const std::size_t from = at == std::string::npos ? (output.rfind(start, 0) == 0 ? 0 : std::string::npos) : at + 1;
    return from == std::string::npos ? std::string() : output.substr(from, output.find('\n', from) - from);
}

} // namespace

TEST_F(ReplayRunTest, AClearWithTwoRestartsLeavesAReplayThatVerifiesUntilTheLevelChanges)
{
    MakeData("6000\n500,3\n1500,2\n", "60000\n");
    const testsupport::ProcessResult run = Play("title down 32\n"
                                                "300 move 900 300\n"
                                                "400 down 100\n"
                                                "900 up 100\n"
                                                "1000 down 286\n"
                                                "1016 up 286\n"
                                                "3000 down 286\n"
                                                "3016 up 286\n"
                                                "4000 click\n"
                                                "5000 release\n"
                                                "9500 digest\n"
                                                "9600 down 27\n",
                                                "-seed 3");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    const std::string played = LastLineWith(run.output, "digest ");
    ASSERT_NE(played.find("loop=3"), std::string::npos) << played;
    ASSERT_NE(played.find("cleared=1"), std::string::npos) << played;
    const std::vector<std::string> replays = Replays();
    ASSERT_EQ(replays.size(), 1u) << run.output;

    const testsupport::ProcessResult verified = Verify(replays[0]);
    EXPECT_EQ(verified.exitStatus, 0) << verified.output;
    EXPECT_NE(verified.output.find("replay verified"), std::string::npos) << verified.output;
    const std::string final = LastLineWith(verified.output, "digest ");
    EXPECT_NE(final.find("loop=3 player=alive cleared=1"), std::string::npos) << verified.output;
    // The game's digest came 3 s of standing after the clear; the hash of the clear is the
    // replay's last check, which the driver compared.

    dir.Write("data/levels/first.txt", "6000\n500,3\n1500,2\n2500,1\n");
    const testsupport::ProcessResult refused = Verify(replays[0]);
    EXPECT_EQ(refused.exitStatus, 1) << refused.output;
    EXPECT_NE(refused.output.find("recorded on another version of level 1"), std::string::npos) << refused.output;
}
