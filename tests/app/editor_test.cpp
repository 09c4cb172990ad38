// The level editor: the level it writes reads back as the level it shows, its undo outlives a test
// play, a test begins from the cursor's world, and its field at a cursor is the world the game
// reaches there.
#include "app/edit/drafthistory.h"
#include "app/edit/leveldraft.h"
#include "app/profile/settings.h"
#include "app/screens/editorscreen.h"
#include "audio/soundoutput.h"
#include "engine/input/gamekeys.h"
#include "harness/headlessgame.h"
#include "world/leveltimeline.h"
#include "world/worlddigest.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

namespace {

GameEvent Key(int32_t key, bool down = true) { return GameEvent::Key(key, down); }

struct EditorTest : ::testing::Test {
    testsupport::TempDir dir;
    testsupport::FakeClock clock{1000};
    kolm::CLevelList levels{"data/levels.xml"};
    Settings settings = Settings::Defaults();

    EditorTest() { SetSoundEnabled(false); }
    ~EditorTest() override { SetSoundEnabled(true); }

    std::unique_ptr<EditorScreen> Open(const std::string& text)
    {
        dir.Write("mine.txt", text);
        EditorScreen::Setup setup;
        setup.file = dir.File("mine.txt");
        setup.levels = &levels;
        setup.settings = &settings;
        setup.scratchFolder = dir.File("");
        auto editor = std::make_unique<EditorScreen>(setup);
        Tick(*editor);
        return editor;
    }
    void Tick(EditorScreen& editor)
    {
        clock.Set(editor.NextDue());
        editor.Tick(editor.NextDue());
    }
    void Press(EditorScreen& editor, int32_t key)
    {
        editor.HandleEvent(Key(key));
        editor.HandleEvent(Key(key, false));
        Tick(editor);
    }
};

} // namespace

TEST(LevelDraft, EveryLevelOfTheGameReadsBackAsTheSameLevelFromTheTextItWrites)
{
    for (int position = 1; position <= 10; ++position) {
        const std::string file = kolm::CLevelList("data/levels.xml").FileNameAt(position);
        const LevelFile original = ReadLevelFile(file);
        const LevelFile written = ParseLevelText(LevelDraft::FromText(testsupport::ReadFile(file)).Text());
        EXPECT_EQ(written.length, original.length) << file;
        ASSERT_EQ(written.events.size(), original.events.size()) << file;
        for (std::size_t i = 0; i < original.events.size(); ++i)
            EXPECT_TRUE(written.events[i].time == original.events[i].time && written.events[i].type == original.events[i].type)
                << file << " event " << i;
    }
}

TEST(LevelDraft, EventsKeepTheirOrderByTimeAndAnEventOutOfOrderWaitsAsTheGameMakesItWait)
{
    LevelDraft draft = LevelDraft::FromText("5000\n2000,1\n1000,2\n3000,3\n");
    ASSERT_EQ(draft.Events().size(), 3u);
    EXPECT_EQ(draft.Events()[1].time, 2000) << "it happens only after the one before it";
    EXPECT_EQ(draft.Add({2000, 4}), 2u) << "after the events already placed at its time";
    EXPECT_EQ(draft.Move(0, 4000), 3u);
    draft.SetLength(0);
    EXPECT_EQ(draft.Length(), LevelDraft::kShortest);
    EXPECT_EQ(Snapped(1130, 250, 5000), 1250);
    EXPECT_EQ(Snapped(9000, 250, 5000), 5000);
}

TEST(LevelDraft, TheHistoryUndoesAtLeastAHundredChangesAndANewChangeForgetsTheRedo)
{
    DraftHistory history(LevelDraft::FromText("60000\n"));
    for (int i = 1; i <= 150; ++i) {
        LevelDraft draft = history.Now();
        draft.Add({i * 100, 3});
        history.Change(draft);
    }
    int undone = 0;
    while (history.Undo())
        ++undone;
    EXPECT_GE(undone, 100);
    EXPECT_TRUE(history.Redo());
    LevelDraft other = history.Now();
    other.SetLength(30000);
    history.Change(other);
    EXPECT_FALSE(history.Redo());
}

// Place robots, undo one, test the level from the cursor and come back: the cursor, the level
// and its undo are as they were, and the file holds the level shown.
TEST_F(EditorTest, PlacedEventsSurviveATestPlayWithTheirUndoAndTheFileReadsBackAsTheLevel)
{
    auto editor = Open("20000\n");
    for (int i = 0; i < 8; ++i)
        Press(*editor, gamekeys::kRight); // 2 s at a 250 ms snap
    Press(*editor, gamekeys::kDigit1 + 2); // a crossing robot
    Press(*editor, gamekeys::kDigit1 + 1); // a homing one
    Press(*editor, gamekeys::kZ);
    ASSERT_EQ(editor->Draft().Events().size(), 1u);
    EXPECT_EQ(editor->Draft().Events()[0], (DraftEvent{2000, 3}));
    Press(*editor, gamekeys::kT);
    ASSERT_NE(editor->Testing(), nullptr);
    const uint32_t started = DigestOf(editor->Testing()->Phase().gameplay).worldTime;
    EXPECT_GE(started, 0u);
    EXPECT_LE(started, 16u) << "two seconds before the cursor at 2 s: the level's start";
    Press(*editor, gamekeys::kEscape);
    EXPECT_EQ(editor->Testing(), nullptr) << "Escape ends the test";
    EXPECT_EQ(editor->Cursor(), 2000);
    Press(*editor, gamekeys::kY);
    EXPECT_EQ(editor->Draft().Events().size(), 2u) << "the redo outlived the test";
    EXPECT_EQ(LevelDraft::FromText(testsupport::ReadFile(dir.File("mine.txt"))), editor->Draft());
}

// The field under the cursor is the world the game reaches at that time with nobody at the keys
// (while nothing has touched the hero, which in the field nothing ever does).
TEST_F(EditorTest, TheFieldAtTheCursorIsTheWorldTheGameReachesThen)
{
    const std::string file = kolm::CLevelList("data/levels.xml").FileNameAt(2);
    auto editor = Open(testsupport::ReadFile(file));
    for (int i = 0; i < 24; ++i)
        Press(*editor, gamekeys::kRight); // 6 s
    HeadlessGame game(FirstLevel(dir.File("mine.txt")), 1, nullptr);
    while (game.PhaseTime() < 6000)
        game.Step();
    const WorldDigest reached = DigestOf(game.Game());
    ASSERT_EQ(reached.playerDead, false);
    const WorldDigest field = DigestOf(editor->Field());
    EXPECT_EQ(field.worldTime, reached.worldTime);
    EXPECT_EQ(field.hash, reached.hash);
}

// The palette holds the later robot kinds too, taken by the keys after the first four: the field
// at the cursor shows a shield bot placed with 5 as the game would spawn it.
TEST_F(EditorTest, TheKeysAfterTheFirstFourPlaceTheLaterRobotKindsWhichTheFieldShows)
{
    auto editor = Open("20000\n");
    Press(*editor, gamekeys::kDigit1 + 4); // the shield bot
    Press(*editor, gamekeys::kDigit1 + 8); // the sower
    ASSERT_EQ(editor->Draft().Events().size(), 2u);
    EXPECT_EQ(editor->Draft().Events()[0].type, 6);
    EXPECT_EQ(editor->Draft().Events()[1].type, 10);
    for (int i = 0; i < 8; ++i)
        Press(*editor, gamekeys::kRight); // 2 s
    EXPECT_GE(DigestOf(editor->Field()).robots, 2u) << "a shield bot and a sower on the paper";
}
