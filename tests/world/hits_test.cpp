// Hits, damage, deaths, explosions and the hit ring.
#include "support/worldfixture.h"

#include "world/bullet.h"

using testsupport::WorldTest;

namespace {

struct HitsTest : WorldTest {
    Bullet* Shoot(PlayerCharacter* shooter, const vector2& position, const vector2& previous)
    {
        auto bullet = std::make_unique<Bullet>();
        bullet->position = position;
        bullet->previousPosition = previous;
        bullet->velocity = vector2(950, 0);
        bullet->damage = 1.0f;
        bullet->team = shooter->team;
        bullet->shooter = shooter;
        bullet->kind = kNoPush; // no paper push: keeps these tests about hits
        World().bullets.push_back(std::move(bullet));
        return World().bullets.back().get();
    }

    // A small robot standing still at a point, already active.
    EnemyCharacter* Standing(const vector2& at, int type = 3)
    {
        EnemyCharacter* robot = Spawn(type, at, at);
        robot->lastTime = 16;
        robot->spawnTime = 0;
        return robot;
    }
};

} // namespace

TEST_F(HitsTest, ABulletIsCaughtAtItsPreviousPosition)
{
    Load();
    PlacePlayer(vector2(100, 100));
    EnemyCharacter* robot = Standing(vector2(600, 600));
    Bullet* bullet = Shoot(Player(), vector2(640, 600), vector2(600, 600));
    World().CollideCharacter(robot);
    EXPECT_TRUE(bullet->dead);
    EXPECT_EQ(robot->health, 4.0f);
    ASSERT_NE(robot->healthBar, nullptr) << "a hit that does not kill shows the bar";
    EXPECT_TRUE(robot->healthBar->shown);
    EXPECT_EQ(robot->healthBar->hideTime, World().worldTime + 1000);
}

TEST_F(HitsTest, BulletsNeverHurtTheirShooterOrItsTeam)
{
    Load();
    PlacePlayer(vector2(300, 300));
    Loop();
    PlacePlayer(vector2(300, 300));
    PlayerCharacter* oldGuy = World().oldGuys[0].get();
    Shoot(Player(), vector2(300, 300), vector2(300, 300));
    World().CollideCharacter(Player());
    World().CollideCharacter(oldGuy);
    EXPECT_FALSE(Player()->dead);
    EXPECT_FALSE(oldGuy->dead);
    EXPECT_FALSE(World().bullets[0]->dead);
}

TEST_F(HitsTest, TouchingARobotKillsThePlayer)
{
    Load();
    PlacePlayer(vector2(300, 300));
    PlayerCharacter* player = Player();
    Spawn(3, vector2(300 + 22 + 7.4f, 300), vector2(1355, 300)); // within reach, not yet active
    World().CollideCharacter(player);
    EXPECT_TRUE(player->dead) << "2.0 contact damage against 1.0 health";
    EXPECT_EQ(player->recording.back().type, kEventDeath);
    Steps(1);
    EXPECT_TRUE(gameplay.IsPlayerDead());
}

TEST_F(HitsTest, NoteHitMergesRepeatedHitsByOneShooter)
{
    Load();
    EnemyCharacter* robot = Standing(vector2(600, 600));
    PlayerCharacter* player = Player();
    World().NoteHit(robot, player);
    Steps(2);
    World().NoteHit(robot, player);
    EXPECT_EQ(World().hitRing.Position(), 1);
    EXPECT_EQ(World().hitRing[0].time, 32u);
    World().NoteHit(robot, nullptr);
    EXPECT_EQ(World().hitRing.Position(), 2);
}

TEST_F(HitsTest, ARobotHitByTwoSelvesWithin350MsExplodesLaterAndOneShooterJustPops)
{
    Load();
    PlacePlayer(vector2(100, 100));
    Loop(); // the first attempt becomes an old guy
    PlacePlayer(vector2(100, 600));
    PlayerCharacter* oldGuy = World().oldGuys[0].get();
    EnemyCharacter* robot = Standing(vector2(600, 400));
    robot->health = 2.0f;
    World().ApplyDamage(robot, 1.0f, vector2(600, 400), vector2(950, 0), oldGuy);
    Steps(18); // 288 ms later
    World().ApplyDamage(robot, 1.0f, vector2(600, 400), vector2(950, 0), Player());
    World().KillCharacter(robot);
    EXPECT_TRUE(robot->dead);
    ASSERT_EQ(World().pendingExplosions.size(), 1u);
    EXPECT_EQ(World().pendingExplosions.front().dueTime, World().worldTime + 90);

    EnemyCharacter* alone = Standing(vector2(200, 400));
    alone->health = 2.0f;
    World().ApplyDamage(alone, 1.0f, vector2(200, 400), vector2(950, 0), Player());
    World().ApplyDamage(alone, 1.0f, vector2(200, 400), vector2(950, 0), Player());
    World().KillCharacter(alone);
    EXPECT_EQ(World().pendingExplosions.size(), 1u) << "one shooter: a small pop, no explosion";
    EXPECT_FALSE(World().particles.live.empty()) << "the pop throws debris";

    EnemyCharacter* late = Standing(vector2(1000, 400));
    World().ApplyDamage(late, 1.0f, vector2(1000, 400), vector2(950, 0), oldGuy);
    Steps(25); // 400 ms: beyond the window
    World().ApplyDamage(late, 1.0f, vector2(1000, 400), vector2(950, 0), Player());
    World().KillCharacter(late);
    EXPECT_EQ(World().CountRecentShooters(late, 350), 1);
}

TEST_F(HitsTest, AnExplosionChainsThroughACrowdAndNeverHurtsHumans)
{
    Load();
    PlacePlayer(vector2(500, 360));
    std::vector<EnemyCharacter*> crowd;
    for (int i = 0; i < 6; ++i)
        crowd.push_back(Standing(vector2(600 + 90.0f * i, 360)));
    EnemyCharacter* farAway = Standing(vector2(600, 700));
    World().QueueExplosion(vector2(600, 360));
    for (int step = 0; step < 60; ++step) {
        Steps(1);
        for (const auto& robot : World().enemies)
            robot->spawnTime = 0; // keep every robot active as the world steps
    }
    for (const auto& robot : crowd)
        EXPECT_TRUE(robot->dead);
    EXPECT_FALSE(farAway->dead) << "beyond the reach of every blast in the chain";
    EXPECT_FALSE(Player()->dead) << "explosions never hurt humans";
    EXPECT_TRUE(World().pendingExplosions.empty());
}

TEST_F(HitsTest, InactiveRobotsAreSparedByExplosions)
{
    Load();
    EnemyCharacter* waiting = Spawn(3, vector2(600, 360), vector2(600, 360));
    waiting->spawnTime = 100000;
    World().Explode(Gameplay::CQuenlowZarnImpl::DelayedExplosion{vector2(600, 360), 100.0f, 50.0f, 0});
    EXPECT_FALSE(waiting->dead);
}
