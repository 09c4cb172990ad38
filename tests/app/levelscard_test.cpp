// The level select: what each line says of a level, and which levels can be started.
#include "app/menu/levelscard.h"
#include "app/text/translate.h"
#include "engine/input/gamekeys.h"
#include "audio/soundoutput.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

namespace {

Progress TwoCleared()
{
    Progress progress;
    progress.cleared = 2;
    progress.records[1] = LevelRecord{1, 15360};
    progress.records[2] = LevelRecord{3, 61050};
    return progress;
}

} // namespace

TEST(LevelsCardTest, ALineShowsTheClearWithItsRecordsOrTheLock)
{
    const Progress progress = TwoCleared();
    const Menu::Choice first = LevelsCard::LineOf(progress, 1);
    EXPECT_EQ(first.label, "Level 1");
    EXPECT_EQ(first.note, "1 loop · 0:15.3");
    EXPECT_EQ(first.badge, Menu::Badge::kTick);
    EXPECT_EQ(LevelsCard::LineOf(progress, 2).note, "3 loops · 1:01.0");
    const Menu::Choice next = LevelsCard::LineOf(progress, 3);
    EXPECT_EQ(next.badge, Menu::Badge::kNone) << "one past the furthest cleared is open";
    EXPECT_TRUE(next.note.empty());
    EXPECT_EQ(LevelsCard::LineOf(progress, 4).badge, Menu::Badge::kPadlock);

    Progress oldForm; // a progress file of the one-line form: no records
    oldForm.cleared = 2;
    EXPECT_EQ(LevelsCard::LineOf(oldForm, 2).badge, Menu::Badge::kTick);
    EXPECT_TRUE(LevelsCard::LineOf(oldForm, 2).note.empty());
}

TEST(LevelsCardTest, ANamedLevelShowsItsNameAndARecordAtOrUnderParShowsItsMedals)
{
    Progress progress = TwoCleared(); // level 2: 3 loops in 1:01.0
    ShelfLevel crossfire{2, "level02.txt", "Crossfire", 7, 3, 61050};
    Menu::Choice line = LevelsCard::LineOf(progress, 2, crossfire);
    EXPECT_EQ(line.label, "2. Crossfire");
    EXPECT_EQ(line.badge, Menu::Badge::kMedals) << "both figures at par";
    crossfire.parTime = 61000;
    EXPECT_EQ(LevelsCard::LineOf(progress, 2, crossfire).badge, Menu::Badge::kMedal) << "the loops medal alone";
    crossfire.parLoops = 2;
    EXPECT_EQ(LevelsCard::LineOf(progress, 2, crossfire).badge, Menu::Badge::kTick) << "over both pars";
    progress.records[2].loopsAssisted = progress.records[2].timeAssisted = true;
    EXPECT_EQ(LevelsCard::LineOf(progress, 2, ShelfLevel{2, "", "", 7, 3, 61050}).badge, Menu::Badge::kTick)
        << "a clear played slower earns none";

    const LevelsCard card(TwoCleared(), 3, nullptr, nullptr, {}, {ShelfLevel{1, "", "Ruled Lines", 1, 1, 25000}});
    EXPECT_EQ(card.MarkedNote(), "1 loop · 0:15.3 · par 1 loop, 0:25.0") << "said under the card, where a long name leaves room";

    progress.byHash[7] = LevelRecord{1, 30000};
    EXPECT_EQ(LevelsCard::BookLineOf(progress, ShelfLevel{1, "", "Tied Together", 7, 1, 40000}).badge,
              Menu::Badge::kMedals) << "a book's level by its hash";
}

TEST(LevelsCardTest, ALockedLevelIsRefusedAnOpenOneStartsAndBackLeaves)
{
    SetSoundEnabled(false);
    using To = GameScreen::Change::To;
    const auto press = [](LevelsCard& screen, int32_t key) {
        screen.Hear(GameEvent::Key(key, true));
        return screen.WhatNext();
    };
    LevelsCard screen(TwoCleared(), 5);
    for (int i = 0; i < 3; ++i)
        press(screen, gamekeys::kDown);
    EXPECT_EQ(press(screen, gamekeys::kReturn).to, To::kStay) << "level 4 is locked";
    press(screen, gamekeys::kUp);
    const GameScreen::Change start = press(screen, gamekeys::kReturn);
    EXPECT_EQ(start.to, To::kPlay);
    EXPECT_EQ(start.startAfter, 2) << "level 3 plays, after the list's position 2";
    LevelsCard again(TwoCleared(), 5);
    press(again, gamekeys::kUp); // round to Back
    EXPECT_EQ(press(again, gamekeys::kReturn).to, To::kBack);
    LevelsCard escaped(TwoCleared(), 5);
    EXPECT_EQ(press(escaped, gamekeys::kEscape).to, To::kBack);
    SetSoundEnabled(true);
}

TEST(LevelsCardTest, TheMarkedPadlockSaysWhatOpensItAndTheLineItLeavesSaysItsRecordsAgain)
{
    SetSoundEnabled(false);
    LevelsCard screen(TwoCleared(), 5);
    for (int i = 0; i < 3; ++i)
        screen.Hear(GameEvent::Key(gamekeys::kDown, true));
    EXPECT_EQ(screen.Card().ChoiceAt(3).note, "clear level 3 first");
    EXPECT_EQ(screen.Card().ChoiceAt(3).badge, Menu::Badge::kPadlock);
    screen.Hear(GameEvent::Key(gamekeys::kReturn, true));
    EXPECT_EQ(screen.Card().ChoiceAt(3).note, "clear level 3 first") << "taken, it still says so";
    screen.Hear(GameEvent::Key(gamekeys::kDown, true));
    EXPECT_TRUE(screen.Card().ChoiceAt(3).note.empty());
    EXPECT_EQ(screen.Card().ChoiceAt(4).note, "clear level 4 first");
    screen.Hear(GameEvent::Key(gamekeys::kUp, true));
    screen.Hear(GameEvent::Key(gamekeys::kUp, true));
    EXPECT_EQ(screen.Card().ChoiceAt(2).note, "") << "level 3 is open: no note";
    EXPECT_TRUE(screen.Card().ChoiceAt(4).note.empty());
    SetSoundEnabled(true);
}

TEST(LevelsCardTest, TheCardThatAsksAboutALevelWithAReplayCoversTheListWhole)
{
    SetSoundEnabled(false);
    testsupport::TempDir dir;
    testsupport::ScopedCapture capture;
    dir.Write("level1.replay", testsupport::ReadFile(std::string(TOBRAKKA_SOURCE_DIR) + "/tests/data/replays/level01-bot.replay"));
    const ReplayShelf shelf(dir.Path());
    ASSERT_EQ(shelf.List().size(), 1u);
    const ShelfLevel first{1, "data/levels/level01.txt", "", shelf.List()[0].header.levelHash, 0, 0};
    LevelsCard screen(TwoCleared(), 5, nullptr, &shelf, {}, {first});
    screen.Hear(GameEvent::Key(gamekeys::kReturn, true));
    ASSERT_NE(screen.Asking(), nullptr) << "level 1 has a replay on the shelf";
    screen.Draw();
    const rect asking = screen.Asking()->CardBox();
    ASSERT_FALSE(capture.Backend().Quads().empty());
    for (const auto& drawn : capture.Backend().Quads()) {
        const testsupport::Box box = testsupport::BoxOf(drawn.quad);
        EXPECT_GE(box.top, asking.y - 1.0f) << "nothing of the list shows above the small card";
        EXPECT_LE(box.bottom, asking.y + asking.h + 1.0f) << "nor under it";
    }
    SetSoundEnabled(true);
}

TEST(LevelsCardTest, TheTabLineTurnsToABookWhoseLevelsShowTheirNamesAndOneTakenPlaysThatBook)
{
    SetSoundEnabled(false);
    ShelfPack mine;
    mine.source = ShelfPack::Source::kMine;
    mine.list.title = "My levels";
    mine.listFile = "/levels/pack.xml";
    mine.levels = {ShelfLevel{1, "/levels/level-1.txt", "Crossfire", 7, 0, 0},
                   ShelfLevel{2, "/levels/level-2.txt", "", 8, 2, 0}};
    ShelfPack installed = mine;
    installed.source = ShelfPack::Source::kInstalled;
    installed.list.title = "Paper cuts";
    Progress progress = TwoCleared();
    progress.byHash[7] = LevelRecord{2, 30000};
    const std::vector<ShelfPack> books = LevelsCard::BooksOf({installed, mine});
    ASSERT_EQ(books[0].list.title, "My levels") << "My levels come before the installed packs";

    LevelsCard screen(progress, 5, nullptr, nullptr, books);
    EXPECT_EQ(screen.Card().Chosen(), 1) << "the first level is marked, under the tab line";
    EXPECT_EQ(screen.Card().ChoiceAt(0).items,
              (std::vector<std::string>{"Notebook 1", "My levels", "Paper cuts"}));
    screen.Hear(GameEvent::Key(gamekeys::kUp, true));
    screen.Hear(GameEvent::Key(gamekeys::kRight, true));
    EXPECT_EQ(screen.Book(), 1);
    EXPECT_EQ(screen.Card().ChoiceAt(1).label, "1. Crossfire");
    EXPECT_EQ(screen.Card().ChoiceAt(1).note, "2 loops · 0:30.0");
    EXPECT_EQ(screen.Card().ChoiceAt(2).label, "Level 2");
    EXPECT_EQ(screen.Card().ChoiceAt(2).note, "par 2 loops");
    EXPECT_EQ(screen.Card().Count(), 4);
    screen.Hear(GameEvent::Key(gamekeys::kDown, true));
    screen.Hear(GameEvent::Key(gamekeys::kDown, true));
    screen.Hear(GameEvent::Key(gamekeys::kReturn, true));
    EXPECT_EQ(screen.WhatNext().to, GameScreen::Change::To::kPlay);
    EXPECT_EQ(screen.WhatNext().startAfter, 1) << "level 2 of the book";
    EXPECT_EQ(screen.WhatNext().book, "/levels/pack.xml");
    SetSoundEnabled(true);
}

TEST(LevelsCardTest, TheGamesOwnBooksAreTitledInTheLanguageSpokenAndAPlayersPackAsItsMakerWroteIt)
{
    SetSoundEnabled(false);
    ShelfPack second;
    second.source = ShelfPack::Source::kGame;
    second.list.title = "Notebook 2";
    ShelfPack mine = second;
    mine.source = ShelfPack::Source::kMine;
    mine.list.title = "My levels";
    ShelfPack installed = second; // a player's pack may well be called so too
    installed.source = ShelfPack::Source::kInstalled;
    Speak(translation::LanguageOfCode("de"));
    LevelsCard screen(TwoCleared(), 5, nullptr, nullptr, LevelsCard::BooksOf({installed, mine, second}));
    Speak(nullptr);
    EXPECT_EQ(screen.Card().ChoiceAt(0).items,
              (std::vector<std::string>{"Heft 1", "Heft 2", "Meine Level", "Notebook 2"}));
    SetSoundEnabled(true);
}
