// The installed game, started as a player starts it: from any directory, after `cmake --install`
// into a temporary prefix. It finds its pictures, sounds and levels from its own place and plays
// exactly as the build tree's game does; paths on its command line are taken from where it was
// started; pointed at a directory without data it says so in one line and plays on.
#include "support/processrunner.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

namespace {

struct InstalledGameTest : ::testing::Test {
    testsupport::TempDir prefix;
    std::string build = testsupport::CurrentDirectory(); // the tests run in the build directory

    void SetUp() override
    {
        const testsupport::ProcessResult install =
            testsupport::RunProcess(build, {"DESTDIR="}, "cmake --install . --prefix '" + prefix.Path() + "'", 120);
        ASSERT_EQ(install.exitStatus, 0) << install.output;
    }

    std::string Installed(const std::string& program) const { return prefix.File("games/" + program); }

    // Runs a program from the directory, on a display of its own, with the dummy sound driver;
    // dataVariable "" leaves TOBRAKKA_DATA unset.
    static testsupport::ProcessResult Run(const std::string& directory, const std::string& commandLine,
                                          const std::string& dataVariable = "")
    {
        // (env takes the variables to remove before the ones to set)
        return testsupport::RunProcess(directory, {"TOBRAKKA_DATA=" + dataVariable, "SDL_AUDIODRIVER=dummy"},
                                       testsupport::OnItsOwnDisplay(commandLine), 120);
    }

    static std::string LastDigest(const std::string& output)
    {
        std::istringstream lines(output);
        std::string line;
        std::string digest;
        while (std::getline(lines, line)) {
            if (line.rfind("digest ", 0) == 0)
                digest = line;
        }
        return digest;
    }

    static int LinesWith(const std::string& output, const std::string& part)
    {
        std::istringstream lines(output);
        std::string line;
        int count = 0;
        while (std::getline(lines, line))
            count += line.find(part) != std::string::npos;
        return count;
    }
};

} // namespace

TEST_F(InstalledGameTest, StartedFromTheRootItLoadsEverythingAndPlaysLikeTheBuildTree)
{
    const std::string demo = " -demo 3 -digest -seed 5";
    const testsupport::ProcessResult installed = Run("/", Installed("tobrakka") + demo);
    ASSERT_EQ(installed.exitStatus, 0) << installed.output;
    EXPECT_EQ(installed.output.find("Couldn't load"), std::string::npos) << installed.output;
    EXPECT_EQ(installed.output.find("Error!"), std::string::npos) << installed.output;
    EXPECT_EQ(installed.output.find("data/levels.xml"), std::string::npos) << "no line about the data directory";

    const testsupport::ProcessResult built = Run(build, std::string(TOBRAKKA_GAME_BINARY) + demo);
    ASSERT_EQ(built.exitStatus, 0) << built.output;
    EXPECT_NE(LastDigest(built.output).find("level=data/levels/level01.txt"), std::string::npos) << built.output;
    EXPECT_EQ(LastDigest(installed.output), LastDigest(built.output));
}

TEST_F(InstalledGameTest, ADataDirectoryWithoutDataGivesOneLineAndTheGamePlaysOnWithoutItsFiles)
{
    testsupport::TempDir empty;
    const testsupport::ProcessResult run = Run("/", Installed("tobrakka") + " -demo 1 -digest", empty.Path());
    EXPECT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_EQ(LinesWith(run.output, "TOBRAKKA_DATA"), 1) << run.output;
    EXPECT_NE(run.output.find("tobrakka: TOBRAKKA_DATA names " + empty.Path() + ", which has no data/levels.xml"),
              std::string::npos)
        << run.output;
    EXPECT_NE(run.output.find("Couldn't load image: data/gfx/paper_background.jpg\n"), std::string::npos);
    EXPECT_NE(run.output.find("digest level=(none)"), std::string::npos) << "the empty level is played";
}

TEST_F(InstalledGameTest, CommandLinePathsAreTakenFromWhereItWasStarted)
{
    testsupport::TempDir start;
    start.MakeDir("shots");
    const testsupport::ProcessResult run =
        Run(start.Path(), Installed("tobrakka") + " -demo 6 -seed 5 -digest -record played.script -shots shots");
    ASSERT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_TRUE(std::filesystem::is_regular_file(start.File("shots/shot_001.png"))) << run.output;
    ASSERT_FALSE(testsupport::ReadFile(start.File("played.script")).empty()) << run.output;

    // The installed headless driver replays the recording, named from the same place.
    const testsupport::ProcessResult replay =
        Run(start.Path(), Installed("tobrakka-sim") + " --script played.script --seed 5");
    ASSERT_EQ(replay.exitStatus, 0) << replay.output;
    EXPECT_FALSE(LastDigest(run.output).empty());
    EXPECT_EQ(LastDigest(replay.output), LastDigest(run.output));
}
