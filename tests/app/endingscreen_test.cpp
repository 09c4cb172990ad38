// The ending's table of records: a row for every level of the book, dashes for one without a
// record, and the totals over the levels with records; a book's ending with its own records and drawing.
#include "app/screens/endingscreen.h"
#include "utils/datafiles.h"

#include <gtest/gtest.h>

TEST(EndingRecords, EveryLevelOfTheListWithItsBestsAndTheTotals)
{
    Progress records;
    records.cleared = 3;
    records.records[1] = LevelRecord{2, 41200};
    records.records[3] = LevelRecord{1, 125000};
    records.records[7] = LevelRecord{1, 1000}; // past this list
    const std::vector<EndingScreen::Row> expected{
        {"level 1", "2 loops", "0:41.20"},
        {"level 2", "-", "-"},
        {"level 3", "1 loop", "2:05.00"},
        {"total", "3 loops", "2:46.20"},
    };
    EXPECT_EQ(EndingScreen::Rows(records, 3), expected);
}

TEST(EndingRecords, EachRowHoldsTheMedalsItsRecordWonAndTheCountIsOfAllTheParsOffer)
{
    Progress records;
    records.cleared = 3;
    records.records[1] = LevelRecord{2, 41200};
    records.records[2] = LevelRecord{1, 30000, false, true}; // its time played slower
    const std::vector<LevelPar> pars{{2, 41200}, {1, 40000}, {3, 90000}};
    const std::vector<EndingScreen::Row> rows = EndingScreen::Rows(records, 3, pars);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0].medals, 2) << "at par in both";
    EXPECT_EQ(rows[1].medals, 1) << "an assisted time earns none";
    EXPECT_EQ(rows[2].medals, 0) << "no record";
    EXPECT_EQ(rows[3].medals, 3);
    EXPECT_EQ(EndingScreen::MedalCount(rows, pars), "3 of 6 medals");
    EXPECT_EQ(EndingScreen::MedalCount(EndingScreen::Rows(records, 3), {}), "") << "a list without pars";
}

TEST(EndingRecords, TheTotalTimeIsTheSumOfTheTimesTheRowsShow)
{
    Progress records;
    records.cleared = 2;
    records.records[1] = LevelRecord{1, 3005};
    records.records[2] = LevelRecord{1, 3009};
    const std::vector<EndingScreen::Row> rows = EndingScreen::Rows(records, 2);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].time, "0:03.00");
    EXPECT_EQ(rows[1].time, "0:03.00");
    EXPECT_EQ(rows[2].time, "0:06.00") << "not the 0:06.01 of the milliseconds summed";
}

namespace {

// A pack of levels as the shelf holds it, its levels named "stage 1"... with a par of one loop.
ShelfPack PackOf(int levels, const std::string& id = "second-notebook")
{
    ShelfPack pack;
    pack.source = ShelfPack::Source::kGame;
    pack.list.id = id;
    pack.list.title = "Notebook 2";
    pack.listFile = "data/packs/" + id + "/pack.xml";
    for (int position = 1; position <= levels; ++position)
        pack.levels.push_back({position, "", "stage " + std::to_string(position), uint64_t(100 + position), 1, 0});
    return pack;
}

} // namespace

TEST(BookEnding, ABooksEndingNamesItsLevelsWithTheirOwnRecordsAndLeadsBackToTheLevelsCardAtIt)
{
    Progress records;
    records.records[1] = LevelRecord{1, 9000}; // the game's own level 1: not the book's
    records.byHash[102] = LevelRecord{1, 20000};
    records.byHash[103] = LevelRecord{3, 30000};
    const EndingScreen::Book book = EndingScreen::OfPack(records, PackOf(3), true);
    EXPECT_EQ(book.heading, "Notebook 2 cleared!");
    const std::vector<EndingScreen::Row> expected{
        {"stage 1", "-", "-"},
        {"stage 2", "1 loop", "0:20.00", "", 1},
        {"stage 3", "3 loops", "0:30.00"},
        {"total", "4 loops", "0:50.00", "", 1},
    };
    EXPECT_EQ(EndingScreen::Rows(book.levels), expected);
    EndingScreen ending(book);
    EXPECT_EQ(ending.WhatNext().to, GameScreen::Change::To::kStay);
    ending.HandleEvent(GameEvent::Of(GameEvent::Type::kQuit));
    EXPECT_EQ(ending.WhatNext().to, GameScreen::Change::To::kQuit) << "closing the window still quits";
    EXPECT_EQ(book.after.to, GameScreen::Change::To::kLevels);
    EXPECT_EQ(book.after.book, "data/packs/second-notebook/pack.xml");
    EXPECT_EQ(EndingScreen::OfPack(records, PackOf(3), false).after.to, GameScreen::Change::To::kQuit)
        << "without the menus the game ends";
}

TEST(BookEnding, EachNotebookHasItsOwnDrawingAndAnyOtherBookThePlainOne)
{
    EXPECT_EQ(EndingScreen::OwnList({}, 10, true).picture, datafiles::kEndingNotebookOne);
    EXPECT_EQ(EndingScreen::OfPack({}, PackOf(20), true).picture, datafiles::kEndingNotebookTwo);
    ShelfPack installed = PackOf(5);
    installed.source = ShelfPack::Source::kInstalled; // a player's pack with the same id is not the game's
    EXPECT_EQ(EndingScreen::OfPack({}, installed, true).picture, datafiles::kEndingAnyBook);
    EXPECT_EQ(EndingScreen::OfPack({}, PackOf(5, "winter"), true).picture, datafiles::kEndingAnyBook);
}

TEST(BookEnding, ATableOfMoreLevelsThanItHoldsShowsTheFirstAndHowManyMoreOverTheWholeTotals)
{
    Progress records;
    for (uint64_t hash = 101; hash <= 120; ++hash)
        records.byHash[hash] = LevelRecord{1, 10000};
    const std::vector<EndingScreen::Row> all = EndingScreen::Rows(EndingScreen::OfPack(records, PackOf(20), true).levels);
    const std::vector<EndingScreen::Row> shown = EndingScreen::Fitted(all);
    ASSERT_EQ(shown.size(), EndingScreen::kMostRows);
    EXPECT_EQ(shown[12].name, "stage 13");
    EXPECT_EQ(shown[13].name, "and 7 more");
    EXPECT_EQ(shown.back(), all.back());
    EXPECT_EQ(shown.back().loops, "20 loops");
    const std::vector<EndingScreen::Row> ten = EndingScreen::Rows(EndingScreen::OfPack(records, PackOf(10), true).levels);
    EXPECT_EQ(EndingScreen::Fitted(ten), ten) << "ten levels and the totals fit";
}

TEST(BookEnding, TheGameOwnListNamesItsLevelsWhereTheyHaveNames)
{
    const EndingScreen::Book book = EndingScreen::OwnList({}, 2, true, {}, {"Ruled Lines", ""});
    ASSERT_EQ(book.levels.size(), 2u);
    EXPECT_EQ(book.levels[0].name, "Ruled Lines");
    EXPECT_EQ(book.levels[1].name, "level 2");
    EXPECT_EQ(book.after.to, GameScreen::Change::To::kMainMenu);
}
