#include "characters/playercharacter.h"
#include "characters/spritesets.h"
#include "engine/render/spritecontainer.h"
#include "characters/bulletfireinterface.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

namespace {

struct RecordingFire : CBulletFireInterface {
    std::vector<uint32_t> shots;
    void FireBullet(PlayerCharacter* shooter) override { shots.push_back(shooter->lastTime); }
};

struct PlayerTest : ::testing::Test {
    testsupport::ScopedCapture capture;
    CSpriteContainer sprites; // outlives the player, as the world's container does
    PlayerCharacter player;
    uint32_t now = 0;

    PlayerTest() { player.SetStart(vector2(640, 360), nullptr); }

    void Press(uint32_t control, bool pressed = true)
    {
        InputEvent event;
        event.type = pressed ? kEventPressed : kEventReleased;
        event.key = control;
        event.time = now;
        player.ApplyEvent(event);
    }
    void Step(int n = 1)
    {
        for (int i = 0; i < n; ++i)
            player.Update(now += 16);
    }
};

} // namespace

TEST_F(PlayerTest, AKeyAgainstTheMotionBrakesThenAccelerates)
{
    player.vel.x = Fixed::FromRaw(3 * kFixedOne.Raw());
    Press(kControlLeft);
    Step();
    // 3 px damped by the 8-bit-shift product to 2.25 px, then one pixel less.
    EXPECT_EQ(player.vel.x.Raw(), 81920);
    Step();
    EXPECT_EQ(player.vel.x.Raw(), 81920 * 3 / 4 - kFixedOne.Raw());
}

TEST_F(PlayerTest, ReleasedAxesDecayAndSnapToZero)
{
    player.vel.x = kFixedOne;
    player.vel.y = Fixed() - kFixedOne;
    Step();
    EXPECT_EQ(player.vel.x.Raw(), 49152);
    EXPECT_EQ(player.vel.y.Raw(), -49152);
    Step(13);
    EXPECT_EQ(player.vel.x.Raw(), 768);
    Step();
    EXPECT_EQ(player.vel.x.Raw(), 0) << "576 is below 655 and snaps to zero";
    // The arithmetic shifts round toward minus infinity, so leftward motion decays a little
    // more slowly, but it too comes to rest exactly.
    EXPECT_LT(player.vel.y.Raw(), 0);
    Step(10);
    EXPECT_EQ(player.vel.y.Raw(), 0);
}

TEST_F(PlayerTest, SpeedIsLimitedPerAxisAndLowerWhileFiring)
{
    Press(kControlRight);
    Press(kControlDown);
    Step(12);
    EXPECT_EQ(player.vel.x.Raw(), 491520) << "7.5 px a step";
    EXPECT_EQ(player.vel.y.Raw(), 491520) << "the limit is per axis: diagonals are faster";
    Press(kControlFire);
    Step();
    EXPECT_EQ(player.vel.x.Raw(), 327680) << "5 px a step while firing";
    Press(kControlRight, false);
    Press(kControlDown, false);
    Press(kControlLeft);
    Step(20);
    EXPECT_EQ(player.vel.x.Raw(), -327680);
}

TEST_F(PlayerTest, ThePlayerCannotLeaveTheField)
{
    Press(kControlLeft);
    Press(kControlUp);
    Step(200);
    EXPECT_EQ(player.pos.x.Raw(), 20 * kFixedOne.Raw());
    EXPECT_EQ(player.pos.y.Raw(), 20 * kFixedOne.Raw());
    Press(kControlLeft, false);
    Press(kControlUp, false);
    Press(kControlRight);
    Press(kControlDown);
    Step(300);
    EXPECT_EQ(player.pos.x.Raw(), 1260 * kFixedOne.Raw());
    EXPECT_EQ(player.pos.y.Raw(), 700 * kFixedOne.Raw());
}

TEST_F(PlayerTest, HeldFireShootsOnTheSeventhStepThenEverySeventh)
{
    RecordingFire fire;
    player.fireInterface = &fire;
    Press(kControlFire);
    Step(6);
    EXPECT_TRUE(fire.shots.empty()) << "96 ms is not beyond the 100 ms interval";
    Step();
    ASSERT_EQ(fire.shots.size(), 1u);
    EXPECT_EQ(fire.shots[0], 112u);
    Step(7);
    ASSERT_EQ(fire.shots.size(), 2u);
    EXPECT_EQ(fire.shots[1], 224u);
    // Releasing keeps the timer: pressing again shoots sooner.
    Step(5);
    Press(kControlFire, false);
    Step(4);
    EXPECT_EQ(player.fireTimer, 80);
    Press(kControlFire);
    Step(2);
    EXPECT_EQ(fire.shots.size(), 3u);
}

TEST_F(PlayerTest, WithoutAFireInterfaceTheTimerJustGrows)
{
    Press(kControlFire);
    Step(20);
    EXPECT_EQ(player.fireTimer, 320);
}

TEST_F(PlayerTest, FacingPicksTheWalkAnimationFromTheAimPoint)
{
    testing::internal::CaptureStdout();
    CSprite* body = CreatePlayerSprite(sprites);
    testing::internal::GetCapturedStdout();
    player.SetStart(vector2(640, 360), body);
    player.aim = vector2(600, 400);
    player.Animate(false);
    EXPECT_EQ(body->CurrentAnimation()->name, "walk_left");
    EXPECT_FLOAT_EQ(player.facing, std::atan2(40.0f / std::sqrt(3200.0f), -40.0f / std::sqrt(3200.0f)) - 3.1415925f);
    EXPECT_EQ(body->angle, player.facing);
    EXPECT_TRUE(body->paused) << "standing still";

    player.aim = vector2(640, 100);
    player.Animate(false);
    EXPECT_EQ(body->CurrentAnimation()->name, "walk_right") << "aiming straight up counts as right";
    EXPECT_FLOAT_EQ(player.facing, -1.5707964f);

    player.vel.x = Fixed::FromRaw(13107); // 0.2 px a step: exactly at the walking threshold
    player.Animate(true);
    EXPECT_FALSE(body->paused);
    player.vel.x = Fixed::FromRaw(13000);
    player.Animate(true);
    EXPECT_TRUE(body->paused) << "creeping below 0.2 px a step does not cycle the walk frames";
}

TEST_F(PlayerTest, MuzzlePointIsAheadOfTheBodyAndMirrorsWithTheWalkDirection)
{
    player.aim = vector2(740, 360);
    const vector2 right = player.GetMuzzlePoint();
    EXPECT_NEAR(right.x, 640 + 16 + 20, 1e-3);
    EXPECT_NEAR(right.y, 360 + 7, 1e-3);
    player.aim = vector2(540, 360);
    const vector2 left = player.GetMuzzlePoint();
    EXPECT_NEAR(left.x, 640 - 16 - 20, 1e-3);
    EXPECT_NEAR(left.y, 360 + 7, 1e-3) << "mirrored: the gun stays on the +y side on screen";
}

TEST_F(PlayerTest, RecordsOnlyWhileLiveAndResetKeepsTheRecording)
{
    Press(kControlUp);
    EXPECT_TRUE(player.recording.empty());
    player.live = true;
    Press(kControlUp, false);
    InputEvent aim;
    aim.type = kEventAim;
    aim.x = 10;
    aim.y = 20;
    player.ApplyEvent(aim);
    ASSERT_EQ(player.recording.size(), 2u);
    EXPECT_EQ(player.aim, vector2(10, 20));
    Step(5);
    player.Reset();
    EXPECT_FALSE(player.live);
    EXPECT_EQ(player.recording.size(), 2u);
    EXPECT_EQ(player.pos.x.Raw(), 640 * kFixedOne.Raw());
    EXPECT_EQ(player.aim, vector2());
    EXPECT_EQ(player.lastTime, 0u);
}

TEST(CharacterRef, AGoneCharactersHandleReadsAsNoneEvenWhenItsSlotIsTakenAgain)
{
    CharacterRegistry registry;
    auto first = std::make_unique<PlayerCharacter>(&registry);
    const CharacterRef handle(first.get());
    EXPECT_EQ(registry.Find(handle), first.get());
    first.reset();
    EXPECT_EQ(registry.Find(handle), nullptr);
    const PlayerCharacter second(&registry); // takes the freed slot
    EXPECT_EQ(registry.Find(handle), nullptr);
    EXPECT_EQ(registry.Find(CharacterRef(&second)), &second);
    EXPECT_EQ(registry.Find(CharacterRef()), nullptr);
}

TEST(CharacterRef, EachWorldNumbersItsOwnCharacters)
{
    CharacterRegistry one;
    CharacterRegistry other;
    const PlayerCharacter inOne(&one);
    const PlayerCharacter inOther(&other);
    EXPECT_EQ(inOne.Id(), inOther.Id()) << "both are the first of their world";
    EXPECT_EQ(one.Find(CharacterRef(&inOther)), &inOne) << "a handle means a character of the world it is read in";
    EXPECT_EQ(other.Find(CharacterRef(&inOther)), &inOther);
}
