// The wait between two steps: asleep for nearly all of it, and over on the first reading of the
// due millisecond, where a loop spinning on the tick counter would have stopped.
#include "engine/core/ticks.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

using testsupport::FakeClock;

TEST(WaitUntil, SleepsThroughTheWaitAndEndsOnTheDueMillisecond)
{
    FakeClock clock(1000);
    EXPECT_EQ(kolm::WaitUntil(1016), 1016u);
    EXPECT_LT(FakeClock::Sleeps(), 16u) << "fewer sleeps than milliseconds waited: no spinning";
    EXPECT_EQ(kolm::WaitUntil(1032), 1032u) << "and again from part-way through a millisecond";

    const uint32_t sleeps = FakeClock::Sleeps();
    EXPECT_EQ(kolm::WaitUntil(1020), 1032u) << "a due time already past ends the wait at once";
    EXPECT_EQ(kolm::WaitUntil(1032), 1032u);
    EXPECT_EQ(FakeClock::Sleeps(), sleeps);

    clock.Set(0xFFFFFFF8u);
    EXPECT_EQ(kolm::WaitUntil(8u), 8u) << "across the wrap of the 32-bit counter";
}
