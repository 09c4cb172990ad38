// Robot steering, targets and their recording across loops.
#include "characters/characterkinds.h"
#include "support/worldfixture.h"

#include <cmath>

using testsupport::WorldTest;

TEST_F(WorldTest, ARobotDoesNothingUpToAndIncludingItsSpawnTime)
{
    Load();
    EnemyCharacter robot;
    robot.kind = &kSmallMovingKind;
    robot.SetStart(vector2(100, 100), nullptr);
    robot.goal = vector2(500, 100);
    robot.spawnTime = 3000;
    robot.Update(2984);
    robot.Update(3000);
    EXPECT_EQ(robot.pos.x.Raw(), 100 * kFixedOne.Raw());
    EXPECT_FALSE(robot.IsActive());
    robot.Update(3016);
    EXPECT_EQ(robot.pos.x.Raw(), 100 * kFixedOne.Raw() + ToFixed(2.5f).Raw());
    EXPECT_TRUE(robot.IsActive());
}

TEST_F(WorldTest, AHomingRobotTurnsAtMost0035RadiansAndTakesTheShortWayAcrossPi)
{
    Load();
    EnemyCharacter robot;
    robot.kind = &kSmallHomingKind;
    robot.SetStart(vector2(640, 360), nullptr);
    // Heading 3.0 rad; the goal lies at -3.0 rad. The difference of -6.0 crosses the wrap at pi,
    // so the robot turns the other way: up to pi and beyond.
    robot.vel.x = ToFixed(2.5 * std::cos(3.0));
    robot.vel.y = ToFixed(2.5 * std::sin(3.0));
    robot.goal = vector2(640 + 100 * std::cos(-3.0f), 360 + 100 * std::sin(-3.0f));
    robot.lastTime = 16;
    robot.Update(32);
    const float heading = std::atan2(ToFloat(robot.vel.y), ToFloat(robot.vel.x));
    EXPECT_NEAR(heading, 3.035f, 2e-3f);
    EXPECT_NEAR(std::hypot(ToFloat(robot.vel.x), ToFloat(robot.vel.y)), 2.5f, 1e-3f) << "speed stays constant";

    // A small difference is turned in one step.
    robot.vel.x = ToFixed(2.5);
    robot.vel.y = Fixed();
    robot.goal = vector2(640 + 100 * std::cos(0.02f), 360 + 100 * std::sin(0.02f));
    robot.SetStart(vector2(640, 360), nullptr);
    robot.Update(48);
    EXPECT_NEAR(std::atan2(ToFloat(robot.vel.y), ToFloat(robot.vel.x)), 0.02f, 2e-3f);
}

TEST_F(WorldTest, ARobotAtRestStartsOffAlongPlusX)
{
    Load();
    EnemyCharacter* robot = Spawn(2, vector2(100, 100), vector2(100, 600));
    Steps(1);
    EXPECT_GT(robot->vel.x.Raw(), 0);
}

TEST_F(WorldTest, AReplayedRobotKeepsItsRecordedTargetForItsFirst500Ms)
{
    Load();
    PlacePlayer(vector2(1000, 600));
    PlayerCharacter* first = Player();
    EnemyCharacter* robot = Spawn(1, vector2(100, 100), vector2(1100, 100));
    Steps(40);
    EXPECT_EQ(robot->target, first);
    ASSERT_EQ(robot->recording.size(), 1u);
    EXPECT_EQ(robot->recording[0].type, kEventTarget);
    World().KillCharacter(first);
    Steps(20);
    Loop(); // loop 2: the first attempt replays as an old guy; a new player stands elsewhere

    PlayerCharacter* second = Player();
    Steps(1);
    EXPECT_FALSE(robot->live);
    // Inside its recorded span and its first 500 ms, it keeps to what it recorded.
    EXPECT_FALSE(robot->MayRetarget());
    robot->ChangeTarget(second);
    EXPECT_EQ(robot->target, second) << "a choice it may not record only sets the target";
    robot->SetTarget(nullptr);
    Steps(35);
    EXPECT_EQ(robot->target, first) << "after its first 500 ms, without a target, it picks the first old guy";
    EXPECT_EQ(robot->recording.size(), 1u) << "choices inside its recorded span are not recorded";
    Steps(10);
    // The old guy died at 640 as recorded; beyond its recording the robot chooses afresh and
    // remembers the choice for later loops.
    EXPECT_EQ(robot->target, second);
    ASSERT_EQ(robot->recording.size(), 2u);
    EXPECT_EQ(robot->Find(robot->recording[1].other), second);
}

TEST_F(WorldTest, RobotsThatNeitherHomeNorShootNeverRetarget)
{
    Load();
    EnemyCharacter* robot = Spawn(3, vector2(-75, 300), vector2(1355, 300));
    Steps(10);
    EXPECT_EQ(robot->target, nullptr);
    EXPECT_EQ(robot->aim, vector2(1355, 300)) << "it faces where it is going";
    EXPECT_TRUE(robot->recording.empty());
}
