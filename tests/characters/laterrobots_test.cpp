// The later robot kinds as characters: each has a number a snapshot names it by and a class of its
// own that a snapshot makes it again as, and a hive takes its post well inside the paper.
#include "characters/characterkinds.h"
#include "characters/robots/hiverobot.h"
#include "characters/robots/minelayer.h"
#include "characters/robots/phantomrobot.h"
#include "characters/robots/robotmaker.h"
#include "characters/robots/shieldrobot.h"
#include "characters/robots/twinrobot.h"

#include <gtest/gtest.h>

#include <set>

TEST(LaterRobots, EveryKindHasANumberOfItsOwnAndComesBackAsItsOwnClass)
{
    std::set<int32_t> numbers;
    for (const EnemyKind* kind : {&kBigBadKind, &kSmallHomingKind, &kSmallMovingKind, &kShieldKind, &kTwinKind,
                                  &kPhantomKind, &kHiveKind, &kHatchlingKind, &kSowerKind, &kMineKind}) {
        const int32_t number = KindNumber(kind);
        EXPECT_EQ(KindOfNumber(number), kind);
        numbers.insert(number);
        EXPECT_EQ(MakeRobot(kind, nullptr)->kind, kind);
    }
    EXPECT_EQ(numbers.size(), 10u);
    EXPECT_EQ(KindNumber(&kBigBadKind), 0) << "the classic kinds keep their numbers";
    EXPECT_EQ(KindNumber(&kSmallMovingKind), 2);
    EXPECT_NE(dynamic_cast<ShieldRobot*>(MakeRobot(&kShieldKind, nullptr).get()), nullptr);
    EXPECT_NE(dynamic_cast<TwinRobot*>(MakeRobot(&kTwinKind, nullptr).get()), nullptr);
    EXPECT_NE(dynamic_cast<PhantomRobot*>(MakeRobot(&kPhantomKind, nullptr).get()), nullptr);
    EXPECT_NE(dynamic_cast<HiveRobot*>(MakeRobot(&kHiveKind, nullptr).get()), nullptr);
    EXPECT_NE(dynamic_cast<HatchlingRobot*>(MakeRobot(&kHatchlingKind, nullptr).get()), nullptr);
    EXPECT_NE(dynamic_cast<SowerRobot*>(MakeRobot(&kSowerKind, nullptr).get()), nullptr);
    EXPECT_NE(dynamic_cast<MineRobot*>(MakeRobot(&kMineKind, nullptr).get()), nullptr);
    EXPECT_EQ(typeid(*MakeRobot(&kBigBadKind, nullptr)), typeid(EnemyCharacter));
}

TEST(LaterRobots, AHiveTakesItsPostHalfWayAndWellInsideThePaper)
{
    EXPECT_EQ(HiveRobot::PostOf(vector2(-75, 300), vector2(1355, 500)), vector2(640, 400));
    EXPECT_EQ(HiveRobot::PostOf(vector2(-75, 10), vector2(1355, 30)), vector2(640, 130));
    EXPECT_EQ(HiveRobot::PostOf(vector2(1250, -75), vector2(1270, 795)), vector2(1150, 360));
}

TEST(LaterRobots, AMineIsADudInItsOwnLoopAndArmsABitIntoEveryLaterOne)
{
    MineRobot mine;
    mine.kind = &kMineKind;
    mine.SetStart(vector2(300, 300), nullptr);
    mine.spawnTime = 5000;
    mine.Update(5016);
    mine.Update(9000);
    EXPECT_FALSE(mine.Armed());
    EXPECT_FALSE(mine.HurtsAtTouch());
    mine.Reset();
    EXPECT_TRUE(mine.FromAnEarlierLoop());
    mine.Update(16);
    EXPECT_FALSE(mine.Armed());
    mine.Update(1504);
    EXPECT_TRUE(mine.Armed() && mine.HurtsAtTouch() && mine.GoesOffAtTouch());
}
