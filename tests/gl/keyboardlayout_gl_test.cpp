// The keys by where they sit: on a French keyboard (the test's display switched to it with
// setxkbmap), the key at W's place types z, yet it is the player's up key and the recording holds
// the game's number for W's place, 119, so the game replays the same on any layout. And the keys
// the player binds: with up bound to I, the i key moves the hero and is recorded as 119, the w
// key does nothing; the classic game keeps its own keys whatever the settings say.
#include "support/processrunner.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The player's own line of the sim's details: "player x=... y=...".
std::string PlayerLine(const std::string& output)
{
    const std::size_t at = output.find("player x=");
    return at == std::string::npos ? std::string() : output.substr(at, output.find('\n', at) - at);
}

// Plays level 1 pressing the keys at the keycodes for most of a second each, with the settings and
// options; the recording it makes.
std::string RecordingOfKeys(testsupport::TempDir& dir, const std::string& settings, const std::string& options,
                            const std::vector<int>& keycodes)
{
    dir.MakeDir("config");
    dir.MakeDir("config/tobrakka");
    dir.Write("config/tobrakka/settings", settings);
    std::string presses;
    for (int keycode : keycodes)
        presses += "xdotool keydown " + std::to_string(keycode) + "; sleep 0.6; xdotool keyup " + std::to_string(keycode) + "; sleep 0.2; ";
    const std::string script =
        std::string(TOBRAKKA_GAME_BINARY) + " -level 1 -seed 5 -record rec.script " + options + " >game.out 2>&1 & g=$!; "
        "for i in $(seq 100); do w=$(xdotool search --name Tobrakka 2>/dev/null | head -1); [ -n \"$w\" ] && break; sleep 0.1; done; "
        "sleep 0.5; xdotool mousemove --window $w 640 650; sleep 0.2; xdotool key 65; sleep 2; " + presses +
        "kill -TERM $g; wait $g; echo status $?";
    const testsupport::ProcessResult run = testsupport::RunProcess(
        dir.Path(), {"SDL_AUDIODRIVER=dummy", "XDG_CONFIG_HOME=" + dir.File("config"), "XDG_STATE_HOME=" + dir.File("state")},
        "sh -c '" + script + "'", 60);
    EXPECT_NE(run.output.find("status 0"), std::string::npos) << run.output << testsupport::ReadFile(dir.File("game.out"));
    return testsupport::ReadFile(dir.File("rec.script"));
}

} // namespace

TEST(KeyboardLayout, OnAFrenchKeyboardTheKeyAtWsPlaceMovesTheHeroUpAndIsRecordedAs119)
{
    testsupport::TempDir dir;
    const std::string game = std::string(TOBRAKKA_GAME_BINARY) + " -level 1 -seed 5 -digest -record rec.script";
    // The title taken with space (keycode 65), then the key at W's place (keycode 25) held for
    // most of a second once the hero has arrived; the game is then ended as a window close would.
    const std::string script =
        "setxkbmap fr || exit 3; " + game + " >game.out 2>&1 & g=$!; "
        "for i in $(seq 100); do w=$(xdotool search --name Tobrakka 2>/dev/null | head -1); [ -n \"$w\" ] && break; sleep 0.1; done; "
        "sleep 0.5; xdotool mousemove --window $w 640 650; sleep 0.2; xdotool key 65; sleep 2; "
        "xdotool keydown 25; sleep 0.8; xdotool keyup 25; sleep 0.3; kill -TERM $g; wait $g; echo status $?";
    const testsupport::ProcessResult run = testsupport::RunProcess(dir.Path(), {"SDL_AUDIODRIVER=dummy"}, "sh -c '" + script + "'", 60);
    ASSERT_NE(run.output.find("status 0"), std::string::npos) << run.output << testsupport::ReadFile(dir.File("game.out"));
    const std::string recording = testsupport::ReadFile(dir.File("rec.script"));
    EXPECT_NE(recording.find(" down 119\n"), std::string::npos) << recording;
    EXPECT_NE(recording.find(" up 119\n"), std::string::npos) << recording;
    EXPECT_EQ(recording.find(" 122\n"), std::string::npos) << "never the z the key types: " << recording;

    // Replayed without the key, the hero ends elsewhere: the key moved it.
    std::string withoutKey;
    for (std::size_t start = 0; start < recording.size();) {
        const std::size_t end = recording.find('\n', start) + 1;
        const std::string line = recording.substr(start, end - start);
        if (line.find(" 119\n") == std::string::npos)
            withoutKey += line;
        start = end;
    }
    dir.Write("without.script", withoutKey);
    const std::string sim = std::string(TOBRAKKA_SIM_BINARY) + " --level data/levels/level01.txt --seed 5 --details --script ";
    const std::string build = testsupport::CurrentDirectory();
    const testsupport::ProcessResult replayed = testsupport::RunProcess(build, {}, sim + dir.File("rec.script"), 60);
    const testsupport::ProcessResult without = testsupport::RunProcess(build, {}, sim + dir.File("without.script"), 60);
    ASSERT_FALSE(PlayerLine(replayed.output).empty()) << replayed.output;
    EXPECT_NE(PlayerLine(replayed.output), PlayerLine(without.output));
    EXPECT_NE(testsupport::ReadFile(dir.File("game.out")).find(replayed.output.substr(0, replayed.output.find('\n'))),
              std::string::npos) << "the game's own digest is the replay's";
}

TEST(KeyboardLayout, WithUpBoundToITheIKeyMovesTheHeroAsWAndTheWKeyDoesNothing)
{
    constexpr int kKeyI = 31;
    constexpr int kKeyW = 25;
    testsupport::TempDir dir;
    const std::string bound = RecordingOfKeys(dir, "bind_up = I\n", "", {kKeyI, kKeyW});
    EXPECT_NE(bound.find(" down 119\n"), std::string::npos) << bound;
    EXPECT_EQ(bound.find(" 105\n"), std::string::npos) << "i is heard as up: " << bound;
    EXPECT_EQ(bound.find(" down 119\n"), bound.rfind(" down 119\n")) << "w is heard not at all: " << bound;

    testsupport::TempDir classicDir;
    const std::string classic = RecordingOfKeys(classicDir, "bind_up = I\n", "-classic", {kKeyI, kKeyW});
    EXPECT_NE(classic.find(" down 105\n"), std::string::npos) << "i is an ordinary key: " << classic;
    EXPECT_NE(classic.find(" down 119\n"), std::string::npos) << "w is up: " << classic;
}
