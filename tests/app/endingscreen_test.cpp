// The ending's table of records: a row for every level of the list, dashes for one without a
// record, and the totals over the levels with records.
#include "app/screens/endingscreen.h"

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
