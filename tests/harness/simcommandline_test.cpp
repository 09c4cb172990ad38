// tobrakka-sim's command line as a person at a shell meets it: help on standard output, mistakes
// on standard error with the status that says so, and an input script written for the windowed
// game (screenshots and all) played without complaint.
#include "support/processrunner.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const std::string kSim = TOBRAKKA_SIM_BINARY;

// Runs the driver from dir with the given arguments, keeping only one of its two streams.
testsupport::ProcessResult RunSim(const std::string& dir, const std::string& arguments, bool keepStandardOutput)
{
    const std::string dropped = keepStandardOutput ? "2>/dev/null" : ">/dev/null";
    return testsupport::RunProcess(dir, {}, "sh -c '" + kSim + " " + arguments + " " + dropped + "'", 60);
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

} // namespace

TEST(SimCommandLine, HelpGoesToStandardOutputAndAMistakeToStandardError)
{
    for (const char* help : {"--help", "-h"}) {
        const testsupport::ProcessResult out = RunSim(".", help, true);
        EXPECT_EQ(out.exitStatus, 0) << help;
        EXPECT_TRUE(Has(out.output, "usage: tobrakka-sim") && Has(out.output, "--novice")) << help << ": " << out.output;
        EXPECT_EQ(RunSim(".", help, false).output, "") << help << " writes nothing on standard error";
    }
    for (const char* wrong : {"--bogus", "--help --bogus", "--seed", "--seed 4294967296", "--restarts 10001", "--steps -1"}) {
        const testsupport::ProcessResult out = RunSim(".", wrong, true);
        EXPECT_EQ(out.exitStatus, 2) << wrong;
        EXPECT_EQ(out.output, "") << wrong << " prints nothing on standard output";
        EXPECT_TRUE(Has(RunSim(".", wrong, false).output, "usage: tobrakka-sim")) << wrong;
    }
}

TEST(SimCommandLine, AScreenshotLineIsSkippedWithALineNamingTheDriver)
{
    testsupport::TempDir dir;
    dir.Write("level.txt", "20000\n100,3\n");
    dir.Write("shots.script", "0 move 900 300\n160 screenshot a.png\n320 digest\n");
    const std::string arguments = "--level level.txt --script shots.script --steps 30";

    const testsupport::ProcessResult errors = RunSim(dir.Path(), arguments, false);
    EXPECT_EQ(errors.exitStatus, 0) << errors.output;
    // The driver works from its data folder, so the paths of the command line and the script
    // come back whole.
    EXPECT_EQ(errors.output,
              "tobrakka-sim: the headless driver takes no screenshots (" + dir.File("a.png") + " skipped)\n");
    EXPECT_TRUE(testsupport::ReadFile(dir.File("a.png")).empty());

    const testsupport::ProcessResult out = RunSim(dir.Path(), arguments, true);
    EXPECT_TRUE(Has(out.output, "digest level=" + dir.File("level.txt") + " t=320 "))
        << "the script goes on after the screenshot line: " << out.output;
}

// A script that never quits ends the run once it is spent and nothing more can happen, saying why
// (the run would otherwise go on for ever).
TEST(SimCommandLine, ASpentScriptEndsTheRunOnceTheHeroIsDeadOrTheLevelCleared)
{
    testsupport::TempDir dir;
    dir.Write("deadly.txt", "600000\n100,2\n200,2\n300,2\n");
    dir.Write("stand.script", "0 move 900 300\n");
    const testsupport::ProcessResult dead = RunSim(dir.Path(), "--level deadly.txt --script stand.script", false);
    EXPECT_EQ(dead.exitStatus, 0);
    EXPECT_TRUE(Has(dead.output, "the script has ended and the hero is dead")) << dead.output;
    const testsupport::ProcessResult cleared = RunSim(dir.Path(), "--script stand.script", false);
    EXPECT_TRUE(Has(cleared.output, "nothing more can happen")) << cleared.output;
    EXPECT_TRUE(Has(RunSim(dir.Path(), "--level deadly.txt --script stand.script", true).output, "player=dead"));
}
