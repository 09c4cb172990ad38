// The later robot kinds' rules in the world, each beaten only through the time loop: the shield
// bot's open back, the twins' double hit by two selves, the phantom that only the past can hurt,
// the hive that only a blast cracks, and the sower's mines that arm in the next loop.
#include "support/worldfixture.h"

#include "characters/robots/hiverobot.h"
#include "characters/robots/minelayer.h"
#include "world/bullet.h"

#include <algorithm>

using testsupport::WorldTest;

namespace {

struct LaterKindsTest : WorldTest {
    // A shot of shooter's, flying along direction, that reaches the robot in the next hit test.
    Bullet* ShootAt(PlayerCharacter* shooter, const EnemyCharacter& robot, const vector2& direction)
    {
        auto bullet = std::make_unique<Bullet>();
        bullet->position = robot.Position() - Normalized(direction) * 2.0f;
        bullet->previousPosition = bullet->position;
        bullet->velocity = Normalized(direction) * 950.0f;
        bullet->damage = 1.0f;
        bullet->team = shooter->team;
        bullet->shooter = shooter;
        World().bullets.push_back(std::move(bullet));
        return World().bullets.back().get();
    }

    // A robot of the type, already on the paper.
    EnemyCharacter* Entered(int type, const vector2& at)
    {
        EnemyCharacter* robot = Spawn(type, at, at);
        robot->spawnTime = 0;
        robot->lastTime = 16;
        return robot;
    }

    // The loop starts again: the first attempt becomes a past self, which is returned.
    PlayerCharacter* PastSelf()
    {
        Loop();
        return World().oldGuys.back().get();
    }

    std::size_t Count(const EnemyKind& kind)
    {
        return static_cast<std::size_t>(std::count_if(World().enemies.begin(), World().enemies.end(),
                                                      [&kind](const auto& robot) { return robot->kind == &kind; }));
    }
};

} // namespace

TEST_F(LaterKindsTest, AShieldBotShrugsOffShotsFromTheFrontAndSidesButNotFromBehind)
{
    Load();
    PlacePlayer(vector2(100, 360));
    EnemyCharacter* shield = Entered(6, vector2(600, 360));
    shield->vel.x = ToFixed(-1.4); // walking at the player, along -x
    const Bullet* front = ShootAt(Player(), *shield, vector2(1, 0));
    World().CollideCharacter(shield);
    ShootAt(Player(), *shield, vector2(0, 1));
    World().CollideCharacter(shield);
    EXPECT_EQ(shield->health, kShieldKind.health);
    EXPECT_TRUE(front->dead) << "a shot that glances off is spent";
    ShootAt(Player(), *shield, vector2(-1, 0.5f));
    World().CollideCharacter(shield);
    EXPECT_EQ(shield->health, kShieldKind.health - 1.0f);
}

TEST_F(LaterKindsTest, AShieldBotTurnsToHuntThePastSelfFirst)
{
    Load();
    PlayerCharacter* past = PastSelf();
    EnemyCharacter* shield = Spawn(6, vector2(600, 360), vector2(600, 360));
    Steps(2);
    EXPECT_EQ(shield->target, past) << "its back is the present self's to shoot";
}

TEST_F(LaterKindsTest, TwinsBreakOnlyWhenTwoSelvesHitOneEachWithin350Ms)
{
    Load();
    PlayerCharacter* past = PastSelf();
    World().SpawnEnemy(7, vector2(200, -75), vector2(200, 795));
    ASSERT_EQ(World().enemies.size(), 2u) << "a pair on one path, side by side";
    EnemyCharacter* first = World().enemies[0].get();
    EnemyCharacter* second = World().enemies[1].get();
    EXPECT_NEAR(std::fabs(first->Position().x - second->Position().x), 300.0f, 0.01f);
    for (EnemyCharacter* twin : {first, second}) {
        twin->spawnTime = 0;
        twin->lastTime = 16;
    }
    ShootAt(Player(), *first, vector2(1, 0));
    World().CollideCharacter(first);
    ShootAt(Player(), *second, vector2(1, 0));
    World().CollideCharacter(second);
    EXPECT_FALSE(first->dead || second->dead) << "one self on both";
    EXPECT_EQ(first->health, kTwinKind.health) << "a twin alone takes no harm";
    World().worldTime += 400;
    ShootAt(past, *second, vector2(1, 0));
    World().CollideCharacter(second);
    EXPECT_FALSE(first->dead || second->dead) << "the other self 400 ms later";
    World().worldTime += 100;
    ShootAt(Player(), *first, vector2(1, 0));
    World().CollideCharacter(first);
    EXPECT_TRUE(first->dead && second->dead) << "two selves within 350 ms";
    EXPECT_EQ(World().pendingExplosions.size(), 2u) << "both blow up";
}

TEST_F(LaterKindsTest, TheTwinsWireHurtsWhoeverTouchesItAndBlastsPassOverThem)
{
    Load();
    World().SpawnEnemy(7, vector2(640, -75), vector2(640, 795));
    Steps(150);
    const EnemyCharacter* first = World().enemies[0].get();
    const vector2 middle = (first->Position() + World().enemies[1]->Position()) * 0.5f;
    World().Explode(Gameplay::CQuenlowZarnImpl::DelayedExplosion{first->Position(), 100.0f, 50.0f, 0});
    EXPECT_FALSE(first->dead);
    PlacePlayer(middle);
    World().CollideCharacter(Player());
    EXPECT_TRUE(Player()->dead);
}

TEST_F(LaterKindsTest, APhantomLetsThePresentsShotsThroughAndFallsToThePasts)
{
    Load();
    PlayerCharacter* past = PastSelf();
    EnemyCharacter* phantom = Entered(8, vector2(600, 360));
    const Bullet* now = ShootAt(Player(), *phantom, vector2(1, 0));
    World().CollideCharacter(phantom);
    EXPECT_FALSE(now->dead) << "it flies on through";
    EXPECT_EQ(phantom->health, kPhantomKind.health);
    const Bullet* then = ShootAt(past, *phantom, vector2(1, 0));
    World().CollideCharacter(phantom);
    EXPECT_TRUE(then->dead);
    EXPECT_EQ(phantom->health, kPhantomKind.health - 1.0f);
}

TEST_F(LaterKindsTest, AHiveHatchesAtItsPostShrugsOffShotsAndCracksInABlast)
{
    Load();
    PlacePlayer(vector2(100, 100));
    World().SpawnEnemy(9, vector2(-75, 300), vector2(1355, 500));
    auto* hive = static_cast<HiveRobot*>(World().enemies.back().get());
    EXPECT_EQ(hive->goal, vector2(640, 400)) << "its post, half way along its path";
    int steps = 0;
    for (; !hive->AtPost() && steps < 1000; ++steps)
        Steps(1);
    EXPECT_EQ(Count(kHatchlingKind), 0u) << "nothing hatches on the way";
    Steps(100);
    EXPECT_GE(Count(kHatchlingKind), 1u);
    ShootAt(Player(), *hive, vector2(1, 0));
    World().CollideCharacter(hive);
    EXPECT_EQ(hive->health, kHiveKind.health);
    World().Explode(Gameplay::CQuenlowZarnImpl::DelayedExplosion{hive->Position(), 100.0f, 50.0f, 0});
    EXPECT_EQ(hive->health, kHiveKind.health - 50.0f);
    Loop();
    EXPECT_EQ(Count(kHatchlingKind), 0u) << "hatchlings go with their loop";
    Steps(steps + 100);
    EXPECT_GE(Count(kHatchlingKind), 1u) << "and hatch anew";
}

TEST_F(LaterKindsTest, ASowersMinesAreDudsInTheirLoopAndLieArmedInTheNext)
{
    Load();
    PlacePlayer(vector2(1200, 650));
    World().SpawnEnemy(10, vector2(100, 100), vector2(1355, 100));
    EnemyCharacter* sower = World().enemies.back().get();
    Steps(250);
    ASSERT_GE(Count(kMineKind), 1u);
    auto* mine = static_cast<MineRobot*>(World().enemies[1].get());
    ShootAt(Player(), *sower, vector2(1, 0));
    World().CollideCharacter(sower);
    EXPECT_EQ(sower->health, kSowerKind.health) << "its armour";
    const Bullet* through = ShootAt(Player(), *mine, vector2(1, 0));
    World().CollideCharacter(mine);
    EXPECT_FALSE(through->dead || mine->dead) << "a dud in the loop it was laid in";
    PastSelf();
    Steps(1);
    EXPECT_TRUE(mine->IsActive()) << "there from the next loop's start";
    EXPECT_FALSE(mine->Armed());
    Steps(94);
    EXPECT_TRUE(mine->Armed()) << "armed a second and a half in";
}

TEST_F(LaterKindsTest, AnArmedMineBlowsUpUnderfootOrUnderFireAndItsBlastBreaksTheSower)
{
    Load();
    PlacePlayer(vector2(1200, 650));
    World().SpawnEnemy(10, vector2(100, 100), vector2(1355, 100));
    EnemyCharacter* sower = World().enemies.back().get();
    Steps(250);
    ASSERT_GE(Count(kMineKind), 2u);
    PastSelf();
    Steps(100);
    EnemyCharacter* first = World().enemies[1].get();
    EnemyCharacter* second = World().enemies[2].get();
    PlacePlayer(second->Position());
    World().CollideCharacter(Player());
    EXPECT_TRUE(Player()->dead && second->dead) << "stepped on";
    sower->SetStart(first->Position() + vector2(60, 0), sower->sprite);
    ShootAt(World().oldGuys[0].get(), *first, vector2(1, 0));
    World().CollideCharacter(first);
    EXPECT_TRUE(first->dead);
    Steps(6);
    EXPECT_TRUE(sower->dead) << "its own mine's blast, 90 ms on";
}
