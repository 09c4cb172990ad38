// The menus in the real game, driven by a script under "-menus": the main menu's Continue, the
// level select's padlock, the pause menu's Quit, and options kept in the settings file; and the
// volumes heard (or not) in SDL's disk audio output.
#include "support/gamerun.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

// Key numbers of the script: Return, Escape, up, down.
const char* const kEnter = " down 13\n";
const char* const kEscape = " down 27\n";
const char* const kUp = " down 273\n";
const char* const kDown = " down 274\n";

struct MenusTest : testsupport::GameRunFixture {
    MenusTest() { MakeData("60000\n", "60000\n"); }

    // The script's lines from one step apart, starting at the time.
    static std::string Keys(int time, std::initializer_list<const char*> keys)
    {
        std::string script;
        for (const char* key : keys) {
            script += std::to_string(time) + key;
            time += 32;
        }
        return script;
    }

    // The game's output on SDL's disk audio driver while the hero fires for a second and a half.
    std::string HeardWhileFiring(int musicVolume, int effectsVolume)
    {
        dir.MakeDir(".config");
        dir.MakeDir(".config/tobrakka");
        dir.Write(".config/tobrakka/settings", "music_volume = " + std::to_string(musicVolume) +
                                                   "\neffects_volume = " + std::to_string(effectsVolume) + "\n");
        dir.Write("fire.script", "title down 13\n100 move 900 300\n200 click\n1500 release\n1600 down 27\n");
        const testsupport::ProcessResult run = testsupport::RunProcess(
            dir.Path(),
            {"SDL_AUDIODRIVER=disk", "SDL_DISKAUDIOFILE=" + dir.File("heard.raw"), "TOBRAKKA_DATA=" + dir.Path()},
            testsupport::OnItsOwnDisplay(std::string(TOBRAKKA_GAME_BINARY) + " -script fire.script -seed 1"), 120);
        EXPECT_EQ(run.exitStatus, 0) << run.output;
        return testsupport::ReadFile(dir.File("heard.raw"));
    }
};

bool Silent(const std::string& samples)
{
    return std::all_of(samples.begin(), samples.end(), [](char byte) { return byte == 0; });
}

} // namespace

TEST_F(MenusTest, LevelsRefusesALockedLevelContinueStartsAfterTheFurthestClearedAndPauseMenuQuitEndsTheGame)
{
    // New game, Levels, Replays, Options, How to play, Quit; in Levels: Level 1, Level 2 (locked),
    // Back.
    const testsupport::ProcessResult fresh =
        Play("title down 13\n" + Keys(100, {kDown, kEnter, kDown, kEnter, kUp, kEnter}) +
                 Keys(600, {kEscape, kUp, kEnter}),
             "-menus -digest");
    EXPECT_EQ(fresh.exitStatus, 0) << fresh.output;
    EXPECT_NE(fresh.output.find("digest level=data/levels/first.txt"), std::string::npos)
        << "the locked level 2 was refused, level 1 was started: " << fresh.output;

    dir.MakeDir(".state");
    dir.MakeDir(".state/tobrakka");
    dir.Write(".state/tobrakka/progress", "cleared 1\n");
    const testsupport::ProcessResult continued =
        Play("title down 13\n" + Keys(100, {kEnter}) + Keys(400, {kEscape, kUp, kEnter}), "-menus -digest");
    EXPECT_EQ(continued.exitStatus, 0) << continued.output;
    EXPECT_NE(continued.output.find("digest level=data/levels/second.txt"), std::string::npos) << continued.output;
}

TEST_F(MenusTest, AnOptionChosenInTheMenuIsKeptAndInForceAtTheNextStartButTheCommandLineIsNot)
{
    // Options, down to "Show fps", switch it on, back, down past "How to play" and "Make levels" to Quit.
    const testsupport::ProcessResult chosen = Play(
        "title down 13\n" + Keys(100, {kDown, kDown, kDown, kDown, kEnter, kDown, kDown, kDown, kDown, kDown, kEnter, kEscape,
                                       kDown, kDown, kDown, kEnter}),
        "-menus -no_grid");
    ASSERT_EQ(chosen.exitStatus, 0) << chosen.output;
    const std::string kept = testsupport::ReadFile(dir.File(".config/tobrakka/settings"));
    EXPECT_NE(kept.find("show_fps = on"), std::string::npos) << kept;
    EXPECT_NE(kept.find("paper_motion = on"), std::string::npos) << "-no_grid was this run's only: " << kept;

    const testsupport::ProcessResult next = Play("title down 13\n1600 down 27\n", "");
    EXPECT_NE(next.output.find("fps: "), std::string::npos) << next.output;
    EXPECT_EQ(testsupport::ReadFile(dir.File(".config/tobrakka/settings")), kept);
}

TEST_F(MenusTest, AVolumeOfZeroIsSilentInTheAudioOutputAndTenIsHeard)
{
    EXPECT_TRUE(Silent(HeardWhileFiring(0, 0))) << "neither the music nor the shots";
    EXPECT_FALSE(Silent(HeardWhileFiring(0, 10))) << "the shots";
    EXPECT_FALSE(Silent(HeardWhileFiring(10, 0))) << "the music";
}
