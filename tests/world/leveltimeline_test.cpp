// Level files and the timeline: what arrives when, in which order, and along which path.
#include "world/leveltimeline.h"

#include "engine/core/random.h"
#include "support/testsupport.h"
#include "support/worldfixture.h"

#include <gtest/gtest.h>

using testsupport::WorldTest;

TEST(LevelFile, ReadsLengthsAndEventsTolerantly)
{
    const LevelFile level = ParseLevelText("60000\n"
                                           " 1000 , 2 \n"
                                           "\t\n"
                                           ",,2000,,3,,\n"
                                           "5,\n"
                                           "3000,1,extra,fields\n"
                                           "abc,3\n"
                                           "4000,9\r\n"
                                           "\r\n"
                                           "5000,4");
    EXPECT_EQ(level.length, 5) << "the last one-field line wins";
    ASSERT_EQ(level.events.size(), 6u);
    EXPECT_EQ(level.events[0].time, 1000);
    EXPECT_EQ(level.events[0].type, 2);
    EXPECT_EQ(level.events[1].time, 2000);
    EXPECT_EQ(level.events[1].type, 3);
    EXPECT_EQ(level.events[2].type, 1);
    EXPECT_EQ(level.events[3].time, 0) << "text that is no number reads 0";
    EXPECT_EQ(level.events[4].time, 4000);
    EXPECT_EQ(level.events[4].type, 9) << "Windows line ends read the same";
    EXPECT_EQ(level.events[5].time, 5000) << "a last line without a line end is read too";
}

TEST(LevelFile, LastLineWithoutLineEndAndMissingFiles)
{
    const LevelFile level = ParseLevelText("100\n10,4");
    ASSERT_EQ(level.events.size(), 1u);
    EXPECT_EQ(level.events[0].type, 4);
    const LevelFile missing = ReadLevelFile("/nonexistent/level.txt");
    EXPECT_EQ(missing.length, 0);
    EXPECT_TRUE(missing.events.empty());
    EXPECT_EQ(ReadLevelFile("").length, 0);
    EXPECT_TRUE(ReadLevelFile("/tmp").events.empty()) << "a folder named as the level reads nothing";
}

TEST(LevelFile, AByteOrderMarkIsDropped)
{
    testsupport::TempDir dir;
    dir.Write("bom.txt", "\xEF\xBB\xBF" "60000\r\n1000,3\r\n");
    const LevelFile level = ReadLevelFile(dir.File("bom.txt"));
    EXPECT_EQ(level.length, 60000);
    ASSERT_EQ(level.events.size(), 1u);
    EXPECT_EQ(level.events[0].type, 3);
}

namespace {

std::string WarningsOfReading(const std::string& fileName)
{
    testing::internal::CaptureStderr();
    ReadLevelFile(fileName);
    return testing::internal::GetCapturedStderr();
}

} // namespace

TEST(LevelFile, NoLengthLineOrNoFileIsNamedOnceOnStandardError)
{
    testsupport::TempDir dir;
    dir.Write("nolength.txt", "1000,3\n2000,1\n");
    dir.Write("length.txt", "0\n");
    const std::string noLength = dir.File("nolength.txt");
    EXPECT_EQ(WarningsOfReading(noLength), "tobrakka: the level file " + noLength +
                                                " has no length line (a line holding one number): the level is "
                                                "cleared at once\n");
    EXPECT_EQ(WarningsOfReading(noLength), "") << "once per file";
    EXPECT_EQ(WarningsOfReading(dir.File("length.txt")), "") << "a length of 0 is a length";
    EXPECT_EQ(WarningsOfReading(dir.File("missing.txt")),
              "tobrakka: the level file " + dir.File("missing.txt") +
                  " could not be read: the level has no robots and is cleared at once\n");
    EXPECT_EQ(WarningsOfReading(""), "") << "the empty level after the last one is no fault";
}

TEST_F(WorldTest, EventsSpawnOnePerStepInFileOrderAfterTheirTime)
{
    Load("60000\n0,3\n16,3\n16,3\n100,2\n50,3\n");
    Steps(1);
    EXPECT_EQ(World().enemies.size(), 1u) << "an event at 0 spawns in the first step";
    Steps(1);
    EXPECT_EQ(World().enemies.size(), 2u) << "an event at 16 in the second step";
    Steps(1);
    EXPECT_EQ(World().enemies.size(), 3u) << "two events at one time come out in consecutive steps";
    Steps(3); // 96
    EXPECT_EQ(World().enemies.size(), 3u);
    Steps(1); // 112: the first step beyond 100
    EXPECT_EQ(World().enemies.size(), 4u);
    Steps(1);
    EXPECT_EQ(World().enemies.size(), 5u) << "the event at 50 came after the one at 100 in the file";
}

TEST_F(WorldTest, FileOrderWinsOverTime)
{
    Load("60000\n200,3\n50,2\n");
    Steps(5);
    EXPECT_TRUE(World().enemies.empty()) << "the event at 50 waits for the one at 200 before it";
    Steps(8); // 208
    ASSERT_EQ(World().enemies.size(), 1u);
    Steps(1);
    ASSERT_EQ(World().enemies.size(), 2u);
    EXPECT_EQ(World().enemies[1]->kind->homing, true);
}

TEST_F(WorldTest, AfterARestartNothingNewSpawnsUntilTheHighWaterMarkIsPassed)
{
    Load("60000\n0,3\n300,3\n");
    Steps(1);
    ASSERT_EQ(World().enemies.size(), 1u);
    Steps(19); // 320: the second spawned at 304
    ASSERT_EQ(World().enemies.size(), 2u);
    EXPECT_EQ(World().timeline.spawnHighWater, 304u);
    Loop();
    Steps(19);
    EXPECT_EQ(World().enemies.size(), 2u);
    EXPECT_EQ(World().enemies[1]->IsActive(), false) << "the robot of 304 waits for its time";
    Steps(1);
    EXPECT_TRUE(World().enemies[1]->IsActive());
}

TEST_F(WorldTest, NewEventsResumeBeyondTheHighWaterMark)
{
    Load("60000\n0,3\n100,3\n");
    Steps(1);
    Loop();
    Steps(3);
    EXPECT_EQ(World().enemies.size(), 1u);
    Steps(5); // 128: beyond 16 and beyond 100
    EXPECT_EQ(World().enemies.size(), 2u);
}

TEST_F(WorldTest, UnknownEventTypesSpawnNothing)
{
    Load("60000\n0,0\n0,11\n0,-3\n0,3\n");
    Steps(4);
    ASSERT_EQ(World().enemies.size(), 1u);
    EXPECT_NE(World().enemies[0]->sprite, nullptr);
}

TEST_F(WorldTest, TheClassicGameSpawnsNothingForTheLaterKindsTypes)
{
    gameplay.SetLaterKinds(false);
    Load("60000\n0,6\n0,7\n0,8\n0,9\n0,10\n0,3\n");
    Steps(7);
    ASSERT_EQ(World().enemies.size(), 1u);
    EXPECT_EQ(World().enemies[0]->kind, &kSmallMovingKind);
}

TEST(LevelTimeline, AFormationEntersFromTheLeftInAnArrow)
{
    LevelTimeline timeline;
    std::vector<Spawn> due;
    timeline.SpawnFormation(vector2(-75, 300), vector2(1355, 500), due);
    ASSERT_EQ(due.size(), 5u);
    const float xs[5] = {-75, -135, -135, -135, -195};
    const float ys[5] = {300, 240, 360, 300, 300};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(due[i].start, vector2(xs[i], ys[i])) << i;
        EXPECT_EQ(due[i].type, kSpawnSmallMoving);
    }
    // The target is pushed away from the centre of the field.
    EXPECT_EQ(due[0].target, vector2(1355 + 0.25f * 715, 500 + 0.25f * 140));
}

TEST(RandomCrossingPath, CrossesFromOneEdgeToTheOpposite)
{
    RandomGenerators random(5);
    int horizontal = 0;
    for (int i = 0; i < 200; ++i) {
        vector2 start;
        vector2 target;
        RandomCrossingPath(random, start, target);
        const bool acrossX = (start.x == -75 && target.x == 1355) || (start.x == 1355 && target.x == -75);
        const bool acrossY = (start.y == -75 && target.y == 795) || (start.y == 795 && target.y == -75);
        ASSERT_TRUE(acrossX != acrossY);
        horizontal += acrossX;
        if (acrossX) {
            ASSERT_GE(start.y, 0);
            ASSERT_LE(start.y, 720);
        }
    }
    EXPECT_GT(horizontal, 50);
    EXPECT_LT(horizontal, 150);
}
