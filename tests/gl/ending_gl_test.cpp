// The flow of the real game from its first level to its end: a clear stands through a later death,
// and after the list's last level the ending, which a key closes, back to the main menu;
// "-classic" plays on as it always has. A pack played to its end has its own ending, which leads
// back to the Levels card at that pack.
#include "app/program.h"
#include "app/menu/levelscard.h"
#include "app/screens/endingscreen.h"
#include "app/screens/mainmenu.h"
#include "engine/input/gamekeys.h"

#include "support/gamerun.h"
#include "support/sdlinput.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

struct EndingTest : testsupport::ProgramRunFixture {
    EndingTest() : ProgramRunFixture("2000\n", "2000\n") {}

    static void Push(int32_t key) { testsupport::PushKey(key, true); }

    // Plays both levels with the game's own flow (no tools): past the title (and, with the menus,
    // "New game" taken, and for this player new to the game, "Straight to level 1" rather than
    // the lesson), each level cleared and space pressed. True while the program still runs after
    // the last space.
    bool PlayBothLevels(Program& program, bool menus)
    {
        EXPECT_TRUE(program.Tick(testsupport::FakeClock::Now())); // start-up
        Push(gamekeys::kSpace);
        bool running = RunFor(program, 200);
        if (menus) {
            Push(gamekeys::kSpace);
            Push(gamekeys::kDown);
            Push(gamekeys::kSpace);
            running = running && RunFor(program, 200);
        }
        return running && PlayOnFromLevelOne(program);
    }

    // From level 1 of two: each cleared and space pressed.
    bool PlayOnFromLevelOne(Program& program)
    {
        bool running = RunFor(program, 2200);
        Push(gamekeys::kSpace);
        running = running && RunFor(program, 2400);
        Push(gamekeys::kSpace);
        return running && RunFor(program, 200);
    }

    // A pack of the same two levels, installed.
    void InstallPack()
    {
        for (const char* folder : {".data", ".data/tobrakka", ".data/tobrakka/packs", ".data/tobrakka/packs/twice"})
            dir.MakeDir(folder);
        dir.Write(".data/tobrakka/packs/twice/a.txt", "2000\n");
        dir.Write(".data/tobrakka/packs/twice/b.txt", "2000\n");
        dir.Write(".data/tobrakka/packs/twice/pack.xml",
                  "<LevelList id=\"twice\" title=\"Twice\" version=\"1\">\n"
                  "  <Level position=\"1\" filename=\"a.txt\" name=\"Once\"></Level>\n"
                  "  <Level position=\"2\" filename=\"b.txt\" name=\"Again\"></Level>\n"
                  "</LevelList>\n");
    }
};

} // namespace

TEST_F(EndingTest, TheLastLevelsClearLeadsToTheEndingWhichAKeyClosesBackToTheMainMenu)
{
    testsupport::InDirectory(dir.Path(), [&] {
        Program program({}, nullptr);
        ASSERT_TRUE(PlayBothLevels(program, true));
        Push('x');
        EXPECT_TRUE(RunFor(program, 300)) << "a key at once does not skip the ending";
        EXPECT_TRUE(RunFor(program, 500));
        Push('x');
        EXPECT_TRUE(RunFor(program, 200)) << "a key later closes it, back to the main menu";
        Push(gamekeys::kUp); // round to its last line, "Quit"
        Push(gamekeys::kReturn);
        EXPECT_FALSE(RunFor(program, 200));
        EXPECT_EQ(program.ExitStatus(), 0);
    });
    EXPECT_EQ(testsupport::ReadFile(dir.File(".state/tobrakka/progress")),
              "cleared 2\nrecord 1 1 2016\nrecord 2 1 2016\n");
}

TEST_F(EndingTest, TheClassicGamePlaysOnPastTheLastLevelUntilEscape)
{
    testsupport::InDirectory(dir.Path(), [&] {
        Program program({"-classic"}, nullptr);
        ASSERT_TRUE(PlayBothLevels(program, false));
        Push('x');
        EXPECT_TRUE(RunFor(program, 1500)) << "the empty level after the list";
        Push(gamekeys::kEscape);
        EXPECT_FALSE(RunFor(program, 100));
    });
}

TEST_F(EndingTest, APacksLastClearShowsItsOwnEndingThenTheLevelsCardAtThatPack)
{
    InstallPack();
    testsupport::InDirectory(dir.Path(), [&] {
        Program program({}, nullptr);
        EXPECT_TRUE(program.Tick(testsupport::FakeClock::Now())); // start-up
        Push(gamekeys::kSpace);
        ASSERT_TRUE(RunFor(program, 200));
        // Levels, up to the books' tab line, right to the pack, down to its first level, taken.
        for (int32_t key : {gamekeys::kDown, gamekeys::kSpace, gamekeys::kUp, gamekeys::kRight, gamekeys::kDown, gamekeys::kSpace})
            Push(key);
        ASSERT_TRUE(RunFor(program, 200));
        ASSERT_TRUE(PlayOnFromLevelOne(program));
        ASSERT_NE(dynamic_cast<EndingScreen*>(program.Shown()), nullptr) << "the pack's ending";
        ASSERT_TRUE(RunFor(program, 800));
        Push('x');
        ASSERT_TRUE(RunFor(program, 200));
        const auto* menu = dynamic_cast<MainMenu*>(program.Shown());
        ASSERT_NE(menu, nullptr);
        const auto* levels = dynamic_cast<const LevelsCard*>(menu->Card());
        ASSERT_NE(levels, nullptr);
        EXPECT_EQ(levels->Book(), 1) << "at the pack just cleared";
    });
    EXPECT_NE(testsupport::ReadFile(dir.File(".state/tobrakka/progress")).find("level "), std::string::npos);
}
