#include "world/bullet.h"
#include "characters/weapon.h"

#include "support/worldfixture.h"

#include <gtest/gtest.h>

using testsupport::WorldTest;

TEST(MoveBullet, StepDistancesAndTheFieldBoundary)
{
    Bullet shot;
    shot.velocity = vector2(kPlayerWeapon.speed, 0);
    MoveBullet(shot, 16);
    EXPECT_NEAR(shot.position.x, 15.2f, 1e-4f);
    EXPECT_EQ(shot.previousPosition, vector2());
    Bullet heavy;
    heavy.velocity = vector2(0, kBigBadWeapon.speed);
    MoveBullet(heavy, 16);
    EXPECT_NEAR(heavy.position.y, 4.0f, 1e-5f);

    Bullet edge;
    edge.position = vector2(1285, 100);
    MoveBullet(edge, 0);
    EXPECT_FALSE(edge.dead) << "x exactly 1285 is still on the field";
    edge.velocity = vector2(1, 0);
    MoveBullet(edge, 16);
    EXPECT_TRUE(edge.dead);
    const vector2 where = edge.position;
    MoveBullet(edge, 16);
    EXPECT_EQ(edge.position, where) << "a dead bullet does not move";

    for (const vector2& outside : {vector2(-5.1f, 0), vector2(0, -5.1f), vector2(0, 725.1f)}) {
        Bullet gone;
        gone.position = outside;
        MoveBullet(gone, 0);
        EXPECT_TRUE(gone.dead);
    }
}

TEST_F(WorldTest, TheBigBadShotPulsesThroughItsFireCycle)
{
    Load();
    CSprite* sprite = CreateBulletSprite(World().sprites, kBigBadWeapon);
    ASSERT_NE(sprite->CurrentAnimation(), nullptr);
    EXPECT_EQ(sprite->CurrentAnimation()->name, "fire");
    EXPECT_EQ(sprite->CurrentAnimation()->frameIndices, (std::vector<int32_t>{0, 1, 2, 0, 2, 1}));
    EXPECT_EQ(sprite->CurrentAnimation()->frameTime, 85u);
    EXPECT_TRUE(sprite->CurrentAnimation()->loop);
    EXPECT_EQ(sprite->frames.size(), 3u);
    CSprite* plain = CreateBulletSprite(World().sprites, kPlayerWeapon);
    EXPECT_EQ(plain->CurrentAnimation(), nullptr) << "a player shot is a single image";
}

TEST_F(WorldTest, ADyingBulletGoesInTheSameStepAndTheOneMovedIntoItsSlotStillMoves)
{
    Load();
    auto add = [this](vector2 position, vector2 velocity) {
        auto bullet = std::make_unique<Bullet>();
        bullet->position = position;
        bullet->velocity = velocity;
        bullet->team = kTeamRobots;
        bullet->kind = kBigBadShot;
        World().bullets.push_back(std::move(bullet));
        return World().bullets.back().get();
    };
    add(vector2(1284, 700), vector2(950, 0)); // leaves the field this step
    add(vector2(100, 700), vector2(0, 950));  // flies on
    Bullet* last = add(vector2(200, 700), vector2(950, 0));
    PlacePlayer(vector2(640, 100));
    Steps(1);
    ASSERT_EQ(World().bullets.size(), 2u);
    EXPECT_EQ(World().bullets[0].get(), last) << "the last bullet took the dead one's slot";
    EXPECT_NEAR(last->position.x, 215.2f, 1e-3f) << "and was moved in the same step";
}

TEST_F(WorldTest, FiringCreatesTheBulletAtTheMuzzleAndAShotWithoutDirectionIsNotFired)
{
    Load();
    PlacePlayer(vector2(640, 360));
    PlayerCharacter* player = Player();
    player->aim = vector2(640, 360);
    World().FireBullet(player);
    EXPECT_TRUE(World().bullets.empty()) << "aiming exactly at itself fires nothing";
    player->aim = vector2(1000, 360);
    World().FireBullet(player);
    ASSERT_EQ(World().bullets.size(), 1u);
    const Bullet& bullet = *World().bullets[0];
    EXPECT_EQ(bullet.position, player->GetMuzzlePoint());
    EXPECT_EQ(bullet.velocity, vector2(950, 0));
    EXPECT_EQ(bullet.team, kTeamHumans);
    EXPECT_EQ(bullet.shooter, player);
    EXPECT_EQ(bullet.kind, kPlayerShot);
}
