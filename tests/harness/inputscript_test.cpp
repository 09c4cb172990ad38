#include "harness/inputscript.h"
#include "engine/input/gamekeys.h"

#include <gtest/gtest.h>

TEST(InputScript, ReadsEventsAndSortsThemByTime)
{
    InputScript script;
    std::string error;
    ASSERT_TRUE(script.Parse("# a comment\n"
                             "320 down 27\n"
                             "title down 32\n"
                             "16 move 640 360  # aim\n"
                             "\n"
                             "48 click\n"
                             "64 release\n"
                             "80 up 119\n"
                             "96 quit\n",
                             error))
        << error;
    const auto& events = script.Events();
    ASSERT_EQ(events.size(), 7u);
    EXPECT_TRUE(events[0].title);
    using Type = GameEvent::Type;
    EXPECT_EQ(events[0].event.type, Type::kKeyDown);
    EXPECT_EQ(events[1].time, 16u);
    EXPECT_EQ(events[1].event.type, Type::kMouseMotion);
    EXPECT_EQ(events[1].event.x, 640);
    EXPECT_EQ(events[2].event.type, Type::kMouseDown);
    EXPECT_EQ(events[2].event.button, GameEvent::kLeftButton);
    // A click lands where the mouse last moved to (menus and the replay's timeline ask where).
    EXPECT_EQ(events[2].event.x, 640);
    EXPECT_EQ(events[3].event.y, 360);
    EXPECT_EQ(events[4].event.type, Type::kKeyUp);
    EXPECT_EQ(events[4].event.key, gamekeys::kW);
    EXPECT_EQ(events[5].event.type, Type::kQuit);
    EXPECT_EQ(events[6].time, 320u);
    EXPECT_EQ(events[6].event.key, gamekeys::kEscape);
}

TEST(InputScript, RejectsLinesItCannotRead)
{
    InputScript script;
    std::string error;
    for (const char* bad : {"abc down 32", "-5 down 32", "10 jump", "10 down", "10 down 99999", "10 move 1",
                            "10 down 32 extra"}) {
        EXPECT_FALSE(script.Parse(bad, error)) << bad;
        EXPECT_NE(error.find("line 1"), std::string::npos) << error;
    }
}
