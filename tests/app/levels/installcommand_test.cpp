// The command-line tools of packs and codes as a player runs them: "tobrakka -install FILE.zip"
// installs a pack without opening a window and says so in one line, or names the problem; and
// "tobrakka-sim --share FILE" and "--unshare CODE OUT" turn a level file into its code and back.
#include "app/levels/packarchive.h"
#include "app/program.h"
#include "packzips.h"

#include "support/processrunner.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

const std::string kSim = TOBRAKKA_SIM_BINARY;

// Runs the game's command line in this process, its player's data folder the test's own, and
// keeps what it said on standard output and standard error.
struct GameRun {
    int status = -1;
    std::string said;
    std::string warned;
};

GameRun RunGame(const testsupport::TempDir& dir, const std::vector<std::string>& arguments)
{
    setenv("XDG_DATA_HOME", dir.File("data").c_str(), 1);
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    Program program(arguments, nullptr);
    GameRun run;
    EXPECT_FALSE(program.Tick(0)) << "the program ends after installing";
    run.status = program.ExitStatus();
    run.said = testing::internal::GetCapturedStdout();
    run.warned = testing::internal::GetCapturedStderr();
    unsetenv("XDG_DATA_HOME");
    return run;
}

} // namespace

TEST(InstallCommand, InstallsThePackWithoutAWindowAndSaysSoInOneLine)
{
    testsupport::TempDir dir;
    dir.Write("cuts.zip", ZipPack(packzips::Pack("cuts", "1", "Ann", {"60000\n"})));
    const GameRun installed = RunGame(dir, {"-install", dir.File("cuts.zip")});
    EXPECT_EQ(installed.status, 0);
    EXPECT_EQ(installed.said, "installed the pack \"The cuts\" (cuts, version 1, 1 level) in " + dir.File("data/tobrakka/packs/cuts") + "\n");
    EXPECT_EQ(installed.warned, "");
    EXPECT_EQ(testsupport::ReadFile(dir.File("data/tobrakka/packs/cuts/level-1.txt")), "60000\n");

    const GameRun again = RunGame(dir, {"-install", dir.File("cuts.zip")});
    EXPECT_EQ(again.status, 1);
    EXPECT_EQ(again.said, "");
    EXPECT_EQ(again.warned, "tobrakka: cannot install " + dir.File("cuts.zip") +
                                ": version 1 of cuts is installed already (the zip holds version 1)\n");
}

TEST(ShareCommand, ALevelFileBecomesACodeAndTheCodeTheSameFile)
{
    testsupport::TempDir dir;
    const std::string level = testsupport::ReadFile(std::string(TOBRAKKA_SOURCE_DIR) + "/data/levels/level03.txt");
    dir.Write("level.txt", level);
    const testsupport::ProcessResult shared = testsupport::RunProcess(dir.Path(), {}, kSim + " --share level.txt", 60);
    ASSERT_EQ(shared.exitStatus, 0) << shared.output;
    ASSERT_EQ(shared.output.back(), '\n');
    const std::string code = shared.output.substr(0, shared.output.size() - 1);
    EXPECT_EQ(code.find_first_of(" \n"), std::string::npos) << code;

    const testsupport::ProcessResult unshared = testsupport::RunProcess(dir.Path(), {}, kSim + " --unshare " + code + " copy.txt", 60);
    EXPECT_EQ(unshared.exitStatus, 0) << unshared.output;
    EXPECT_EQ(testsupport::ReadFile(dir.File("copy.txt")), level);
}

TEST(ShareCommand, AFileOrCodeThatCannotBeSharedIsNamedInOneLine)
{
    testsupport::TempDir dir;
    dir.Write("huge.txt", std::string(64 * 1024 + 1, '\n'));
    const testsupport::ProcessResult huge = testsupport::RunProcess(dir.Path(), {}, kSim + " --share huge.txt", 60);
    EXPECT_EQ(huge.exitStatus, 1);
    EXPECT_EQ(huge.output, "tobrakka-sim: cannot share " + dir.File("huge.txt") + ": it is larger than 64 KB\n");
    const testsupport::ProcessResult bad = testsupport::RunProcess(dir.Path(), {}, kSim + " --unshare 1abc out.txt", 60);
    EXPECT_EQ(bad.exitStatus, 1);
    EXPECT_EQ(bad.output, "tobrakka-sim: cannot unshare the code into " + dir.File("out.txt") +
                              ": the code does not decode: its level is cut or broken\n");
    EXPECT_EQ(testsupport::RunProcess(dir.Path(), {}, kSim + " --unshare 1abc", 60).exitStatus, 2);
}
