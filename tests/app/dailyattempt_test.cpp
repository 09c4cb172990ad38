// An attempt at a day's level as the history file keeps it: the first counted from its start and
// closed cleared with its medal or left, later ones practice, a clock moved back changing nothing
// a day holds.
#include "app/daily/dailyattempt.h"

#include "app/dailytestdate.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

namespace {

struct DailyAttemptTest : ::testing::Test {
    testsupport::TempDir dir;
    DailyHistoryFile file{dir.File("daily/history")};
    DailyPar par{3, 73}; // gold in 3 loops, silver in 7

    std::string Kept() const { return testsupport::ReadFile(file.Path()); }
};

} // namespace

TEST_F(DailyAttemptTest, TheFirstAttemptCountsFromItsStartAndLaterOnesArePractice)
{
    DailyAttemptKeeper first(file, DateOf("2026-12-10"), par, true);
    EXPECT_TRUE(first.Counted());
    EXPECT_EQ(Kept(), "day 2026-12-10 playing\n") << "counted before it ends";
    first.Cleared({5, 61500, false});
    first.Left({6, 70000, false});
    EXPECT_EQ(Kept(), "day 2026-12-10 cleared 5 61500 silver\n") << "a clear closes it once";

    DailyAttemptKeeper second(file, DateOf("2026-12-10"), par, true);
    EXPECT_FALSE(second.Counted());
    second.Cleared({2, 30000, true});
    DailyAttemptKeeper third(file, DateOf("2026-12-10"), par, true);
    third.Left({1, 5000, false});
    EXPECT_EQ(Kept(), "day 2026-12-10 cleared 5 61500 silver\npractice 2026-12-10 2 30000 assisted\n");
}

TEST_F(DailyAttemptTest, ACountedAttemptLeftIsClosedAsLeftAndAPastDayIsNeverCounted)
{
    DailyAttemptKeeper left(file, DateOf("2026-12-11"), par, true);
    left.Left({4, 52000, false});
    // The clock moved back a day: that day's level from the past days is practice, and its
    // clear only a practice line.
    DailyAttemptKeeper past(file, DateOf("2026-12-10"), par, false);
    EXPECT_FALSE(past.Counted());
    past.Cleared({3, 41000, false});
    EXPECT_EQ(Kept(), "day 2026-12-11 left 4 52000\npractice 2026-12-10 3 41000\n");
    EXPECT_EQ(file.Load().Of(DateOf("2026-12-10")).counted, DailyDay::Counted::kNone);
}
