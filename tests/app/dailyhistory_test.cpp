// The daily history through its file, as the game keeps it between runs: the first attempt of a
// day counted and never replaced, later ones practice, the streak, and a bad file kept aside.
#include "app/daily/dailyhistoryfile.h"

#include "app/dailytestdate.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct DailyHistoryTest : ::testing::Test {
    testsupport::TempDir dir;
    DailyHistoryFile file{dir.File("daily/history")};

    // Begins the day's attempt on the file and ends it cleared in loops (or left when medal is
    // none): true when it was the counted one, as the game plays it.
    bool Play(const std::string& date, int loops, uint32_t ms, Medal medal)
    {
        bool counted = false;
        DailyHistory history;
        file.Change([&](DailyHistory& days) { counted = days.BeginCounted(DateOf(date)); }, history);
        const DailyAttempt attempt{loops, ms, false};
        file.Change(
            [&](DailyHistory& days) {
                if (counted)
                    days.EndCounted(DateOf(date), attempt, medal);
                else if (medal != Medal::kNone)
                    days.NotePractice(DateOf(date), attempt);
            },
            history);
        return counted;
    }
};

} // namespace

TEST_F(DailyHistoryTest, TheFirstAttemptOfADayCountsAndLaterOnesArePractice)
{
    EXPECT_TRUE(Play("2026-12-10", 4, 52000, Medal::kSilver));
    EXPECT_FALSE(Play("2026-12-10", 2, 30000, Medal::kGold));
    EXPECT_FALSE(Play("2026-12-10", 3, 20000, Medal::kGold));
    // The clock moved back a day and forward again: the later day counts its own first attempt,
    // and the earlier one keeps what it holds.
    EXPECT_TRUE(Play("2026-12-11", 5, 61000, Medal::kNone));
    EXPECT_FALSE(Play("2026-12-10", 1, 10000, Medal::kGold));

    EXPECT_EQ(testsupport::ReadFile(file.Path()),
              "day 2026-12-10 cleared 4 52000 silver\n"
              "day 2026-12-11 left 5 61000\n"
              "practice 2026-12-10 1 10000\n");
    const DailyDay day = file.Load().Of(DateOf("2026-12-10"));
    EXPECT_EQ(day.counted, DailyDay::Counted::kCleared);
    EXPECT_EQ(day.result, (DailyAttempt{4, 52000, false}));
    EXPECT_EQ(day.practice, (DailyAttempt{1, 10000, false}));
}

TEST_F(DailyHistoryTest, AnAttemptNeverEndedStaysTheDaysCountedOne)
{
    DailyHistory history;
    file.Change([](DailyHistory& days) { days.BeginCounted(DateOf("2026-12-10")); }, history);
    // The game was closed mid-attempt; the next run plays the day again.
    EXPECT_FALSE(Play("2026-12-10", 2, 30000, Medal::kGold));
    const DailyDay day = file.Load().Of(DateOf("2026-12-10"));
    EXPECT_EQ(day.counted, DailyDay::Counted::kPlaying);
    EXPECT_TRUE(day.practised);
}

TEST_F(DailyHistoryTest, TheStreakCountsConsecutiveDaysUpToTodayOrYesterday)
{
    for (const char* date : {"2026-12-05", "2026-12-07", "2026-12-08", "2026-12-09"})
        Play(date, 3, 40000, Medal::kBronze);
    EXPECT_EQ(file.Load().Streak(DateOf("2026-12-10")), 3) << "today not played yet keeps yesterday's streak";
    Play("2026-12-10", 3, 40000, Medal::kBronze);
    EXPECT_EQ(file.Load().Streak(DateOf("2026-12-10")), 4);
    EXPECT_EQ(file.Load().Streak(DateOf("2026-12-12")), 0);
    EXPECT_EQ(file.Load().BestStreak(), 4);

    // A day left uncleared breaks the streak; the best stays.
    Play("2026-12-11", 6, 70000, Medal::kNone);
    Play("2026-12-12", 3, 40000, Medal::kGold);
    EXPECT_EQ(file.Load().Streak(DateOf("2026-12-12")), 1);
    EXPECT_EQ(file.Load().BestStreak(), 4);
}

TEST_F(DailyHistoryTest, ABadFileIsKeptAsideAndItsGoodDaysKept)
{
    const std::string bad = "day 2026-12-09 cleared 3 40000 gold\nday 2026-02-30 cleared 1 1 gold\nnonsense\n";
    dir.MakeDir("daily");
    dir.Write("daily/history", bad);
    testing::internal::CaptureStderr();
    const DailyHistory history = file.Load();
    const std::string said = testing::internal::GetCapturedStderr();

    EXPECT_NE(said.find("history.bad"), std::string::npos) << said;
    EXPECT_EQ(testsupport::ReadFile(file.Path() + ".bad"), bad);
    EXPECT_EQ(history.Of(DateOf("2026-12-09")).medal, Medal::kGold);
    EXPECT_EQ(testsupport::ReadFile(file.Path()), "day 2026-12-09 cleared 3 40000 gold\n");

    // A second bad file does not take the first one's place.
    const std::string binary("bin\0ary", 7);
    dir.Write("daily/history", binary);
    testing::internal::CaptureStderr();
    file.Load();
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(testsupport::ReadFile(file.Path() + ".bad"), bad);
    EXPECT_EQ(testsupport::ReadFile(file.Path() + ".bad-2"), binary);
}
