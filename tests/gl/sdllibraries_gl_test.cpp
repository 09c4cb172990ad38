// The game on both SDL 1.2 libraries: sdl12-compat, which the set-up installs, and classic
// SDL 1.2, which the set-up unpacks into the build tree and a run puts first on the library
// path. The same seed and inputs must give the same digests on both.
#include "support/processrunner.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

std::vector<std::string> DigestLines(const std::string& output)
{
    std::vector<std::string> digests;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);)
        if (line.rfind("digest ", 0) == 0)
            digests.push_back(line);
    return digests;
}

} // namespace

TEST(SdlLibraries, ClassicSdlAndSdl12CompatPlayToTheSameDigests)
{
    const std::string classic = TOBRAKKA_CLASSIC_SDL_DIR;
    if (access((classic + "/libSDL-1.2.so.0").c_str(), R_OK) != 0)
        GTEST_SKIP() << "no classic SDL 1.2 runtime in " << classic
                     << " (scripts/setup.sh unpacks Debian's libsdl1.2debian there): nothing to compare sdl12-compat with";
    const std::string onClassic = "LD_LIBRARY_PATH=" + classic;
    const testsupport::ProcessResult linked = testsupport::RunProcess(".", {onClassic}, std::string("ldd ") + TOBRAKKA_GAME_BINARY, 30);
    ASSERT_NE(linked.output.find(classic + "/libSDL-1.2.so.0"), std::string::npos) << linked.output;

    const std::string source = TOBRAKKA_SOURCE_DIR;
    // On a display of its own: a window another test opens, closes or makes full screen beside
    // it on a shared display moves the pointer over the game's window, and the game takes that
    // pointer, as it takes the person's beside the bot.
    const std::string demo = "xvfb-run -a -s \"-screen 0 1280x720x24\" " + std::string(TOBRAKKA_GAME_BINARY) + " -demo 5 -seed 3 -digest";
    const std::string golden = std::string(TOBRAKKA_SIM_BINARY) + " --level " + source + "/tests/data/level01_golden.txt" +
                               " --script " + source + "/tests/data/level01_golden.script --seed 2024 --steps 1500";
    for (const std::string& command : {demo, golden}) {
        const testsupport::ProcessResult compatRun = testsupport::RunProcess(".", {"SDL_AUDIODRIVER=dummy"}, command, 120);
        const testsupport::ProcessResult classicRun =
            testsupport::RunProcess(".", {"SDL_AUDIODRIVER=dummy", onClassic}, command, 120);
        ASSERT_EQ(compatRun.exitStatus, 0) << command << "\n" << compatRun.output;
        ASSERT_EQ(classicRun.exitStatus, 0) << command << "\n" << classicRun.output;
        const std::vector<std::string> digests = DigestLines(compatRun.output);
        ASSERT_FALSE(digests.empty()) << compatRun.output;
        EXPECT_EQ(DigestLines(classicRun.output), digests) << command;
        if (command == golden) {
            EXPECT_NE(digests.back().find("hash=8a094ab4f54df192"), std::string::npos) << "the golden run's last digest";
        }
    }
}
