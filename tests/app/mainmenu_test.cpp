// The main menu as a player sees it: its hint names only keys that do something there and on
// each card over it; "New game" offers the lesson to a player who has never cleared a level;
// "How to play" shows the help card, which offers the lesson too; once every level is cleared it
// offers to play again instead of continuing at the last level.
#include "app/daily/dailylevel.h"
#include "app/menu/helpcard.h"
#include "app/menu/makelevelscard.h"
#include "app/menu/pausecard.h"
#include "app/profile/commandline.h"
#include "app/profile/settingskeeper.h"
#include "app/replay/replayfile.h"
#include "app/screens/mainmenu.h"
#include "audio/soundoutput.h"
#include "engine/input/gamekeys.h"

#include "app/dailytestdate.h"
#include "support/fakeplatform.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

using To = GameScreen::Change::To;
using testsupport::FakeClock;

struct MainMenuTest : ::testing::Test {
    testsupport::TempDir dir;
    FakeClock clock{1000};
    testsupport::ScopedCapture capture;
    SettingsKeeper settings{SettingsFile(dir.File("settings")), CommandLine()};
    kolm::CLevelList levels{dir.File("levels.xml")};
    std::unique_ptr<MainMenu> menu;

    MainMenuTest()
    {
        SetSoundEnabled(false);
        setenv("XDG_STATE_HOME", dir.Path().c_str(), 1);
        setenv("XDG_DATA_HOME", dir.Path().c_str(), 1);
        dir.Write("levels.xml", "<LevelList>\n<Level position=\"1\" filename=\"one.txt\"></Level>\n"
                                "<Level position=\"2\" filename=\"two.txt\"></Level>\n</LevelList>\n");
    }
    ~MainMenuTest() override
    {
        unsetenv("XDG_STATE_HOME");
        unsetenv("XDG_DATA_HOME");
        SetSoundEnabled(true);
    }

    void Open(const std::string& progress = "")
    {
        if (!progress.empty()) {
            dir.MakeDir("tobrakka");
            dir.Write("tobrakka/progress", progress);
        }
        menu = std::make_unique<MainMenu>(settings, levels, nullptr, false);
        Poll();
    }
    void Poll()
    {
        clock.Set(menu->NextDue());
        menu->Tick(FakeClock::Now());
    }
    void Press(std::initializer_list<int32_t> keys)
    {
        for (int32_t key : keys) {
            menu->HandleEvent(GameEvent::Key(key, true));
            Poll();
        }
    }
    std::vector<std::string> Labels() const
    {
        std::vector<std::string> labels;
        for (int i = 0; i < menu->Lines().Count(); ++i)
            labels.push_back(menu->Lines().ChoiceAt(i).label);
        return labels;
    }
};

} // namespace

TEST_F(MainMenuTest, TheHintNamesOnlyKeysThatDoSomethingThereAndOnEachCard)
{
    Open();
    EXPECT_EQ(menu->Hint(), "Enter: take") << "Escape does nothing on the main menu";
    Press({gamekeys::kEscape});
    EXPECT_EQ(menu->WhatNext().to, To::kStay);
    EXPECT_EQ(menu->Card(), nullptr);
    Press({gamekeys::kDown, gamekeys::kReturn}); // Levels
    ASSERT_NE(menu->Card(), nullptr);
    EXPECT_EQ(menu->Hint(), "Enter: take \u00B7 Esc: back");
    Press({gamekeys::kEscape});
    EXPECT_EQ(menu->Card(), nullptr) << "Escape goes back from a card";
    Press({gamekeys::kDown, gamekeys::kDown, gamekeys::kDown, gamekeys::kDown, gamekeys::kReturn}); // from Levels to How to play
    EXPECT_NE(dynamic_cast<const HelpCard*>(menu->Card()), nullptr);
    EXPECT_EQ(menu->Hint(), "Enter: play the lesson \u00B7 Esc: back");

    const InputNames keyboard(nullptr);
    PauseCard paused(settings, nullptr);
    EXPECT_EQ(paused.Hint(keyboard), "Enter: take \u00B7 Esc: resume");
    paused.ShowHint();
    paused.Hear(GameEvent::Key(gamekeys::kDown, true));
    paused.Hear(GameEvent::Key(gamekeys::kDown, true));
    paused.Hear(GameEvent::Key(gamekeys::kDown, true));
    EXPECT_EQ(paused.LineAt(paused.Card().Chosen()), PauseCard::Line::kHelp);
    paused.Hear(GameEvent::Key(gamekeys::kReturn, true));
    EXPECT_TRUE(paused.ShowHint()) << "the help card's hint, and its picture moving";
    EXPECT_EQ(paused.Hint(keyboard), "Enter: play the lesson \u00B7 Esc: back") << "over a level, the help offers the lesson";
    paused.Hear(GameEvent::Key(gamekeys::kEscape, true));
    EXPECT_EQ(paused.WhatNext().to, To::kStay) << "Escape leaves the help for the pause menu";
    paused.Hear(GameEvent::Key(gamekeys::kEscape, true));
    EXPECT_EQ(paused.WhatNext().to, To::kBack) << "and then resumes";
}

TEST_F(MainMenuTest, NewGameOffersTheLessonToAPlayerWhoHasNeverClearedALevel)
{
    Open();
    EXPECT_EQ(Labels(), (std::vector<std::string>{"New game", "Levels", "Today's level", "Replays", "Options", "How to play", "Make levels", "Quit"}));
    Press({gamekeys::kReturn});
    ASSERT_NE(menu->Card(), nullptr);
    EXPECT_EQ(menu->Card()->Card().ChoiceAt(menu->Card()->Card().Chosen()).label, "Learn to play first");
    Press({gamekeys::kReturn});
    EXPECT_EQ(menu->WhatNext().to, To::kLesson);
    EXPECT_EQ(menu->WhatNext().startAfter, 0) << "and after it, the list's first level";

    Open();
    Press({gamekeys::kReturn, gamekeys::kDown, gamekeys::kReturn});
    EXPECT_EQ(menu->WhatNext().to, To::kPlay) << "straight to level 1";

    Open();
    Press({gamekeys::kUp, gamekeys::kUp, gamekeys::kUp, gamekeys::kReturn, gamekeys::kReturn}); // How to play, then Enter
    EXPECT_EQ(menu->WhatNext().to, To::kLesson) << "the help card plays the lesson";

    Open("cleared 1\nrecord 1 2 30000\n");
    Press({gamekeys::kDown, gamekeys::kReturn});
    EXPECT_EQ(menu->WhatNext().to, To::kPlay) << "a player with a clear starts a new game at once";
}

TEST_F(MainMenuTest, OnceEveryLevelIsClearedItContinuesInTheSecondNotebookOrPlaysAgainFromTheFirstLevel)
{
    Open("cleared 1\nrecord 1 2 30000\n");
    EXPECT_EQ(Labels().front(), "Continue at level 2");
    Open("cleared 2\nrecord 1 2 30000\nrecord 2 1 25000\n");
    EXPECT_EQ(Labels(), (std::vector<std::string>{"Next notebook", "Play again", "Levels", "Today's level", "Replays",
                                                  "Options", "How to play", "Make levels", "Quit"}));
    Press({gamekeys::kReturn});
    EXPECT_EQ(menu->WhatNext().to, To::kPlay);
    EXPECT_EQ(menu->WhatNext().book, "data/packs/second-notebook/pack.xml");
    EXPECT_EQ(menu->WhatNext().startAfter, 0) << "at its first level, not yet cleared";

    Open("cleared 2\nrecord 1 2 30000\nrecord 2 1 25000\n");
    Press({gamekeys::kDown, gamekeys::kReturn});
    EXPECT_EQ(menu->WhatNext().to, To::kPlay);
    EXPECT_TRUE(menu->WhatNext().book.empty());
    EXPECT_EQ(menu->WhatNext().startAfter, 0) << "play again from the first level";
}

TEST_F(MainMenuTest, FilesDroppedOnTheWindowGoToMakeLevelsWhichKeepsALevelAndNamesWhatIsNoLevel)
{
    testsupport::FakePlatform platform;
    menu = std::make_unique<MainMenu>(settings, levels, &platform, false);
    dir.Write("crossfire.txt", "30000\n1000,2\n");
    dir.Write("notes.txt", "hello\n"); // a length of 0
    platform.Drop(dir.File("crossfire.txt"));
    platform.Drop(dir.File("notes.txt"));
    Poll();
    const auto* card = dynamic_cast<const MakeLevelsCard*>(menu->Card());
    ASSERT_NE(card, nullptr) << "Make levels opened to say what came of them";
    EXPECT_EQ(card->Said(), "the file's level's length is 0 ms; a level lasts 1 ms or more");
    const MyLevels mine(dir.File("tobrakka/levels"));
    ASSERT_EQ(mine.List().size(), 1u);
    EXPECT_EQ(testsupport::ReadFile(mine.List()[0].path), "30000\n1000,2\n");
    EXPECT_TRUE(platform.TakeDroppedFiles().empty()) << "each handed out once";
}

TEST_F(MainMenuTest, TheReplaysOfADaysLevelAreNamedByTheDay)
{
    dir.MakeDir("tobrakka");
    dir.MakeDir("tobrakka/daily");
    dir.Write("tobrakka/daily/history", "day 2026-12-10 playing\n");
    dir.Write("tobrakka/daily/2026-12-10.txt", "2000\n");
    Open();
    const ReplaysCard::LevelNames names = menu->NamesOfLevels();
    const auto day = names.find(LevelFileHash(dir.File("tobrakka/daily/2026-12-10.txt")));
    ASSERT_NE(day, names.end());
    EXPECT_EQ(day->second, DailyLevelMaker(DateOf("2026-12-10")).ShownName());
    EXPECT_EQ(day->second.rfind("Thursday's ", 0), 0u) << day->second;
}
