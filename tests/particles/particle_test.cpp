// One particle driving its sprite: delays, fades, motion, scale, retirement and the floor line.
#include "particles/particle.h"
#include "engine/render/sprite.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr float kStep = 0.016f;

// A 10 x 10 sprite centred at the point; particles need no image.
void Place(CSprite& sprite, const vector2& centre)
{
    sprite.width = 10.0f;
    sprite.height = 10.0f;
    sprite.SetCentre(centre);
}

void ExpectNear(const vector2& actual, const vector2& expected, float tolerance = 1e-4f)
{
    EXPECT_NEAR(actual.x, expected.x, tolerance);
    EXPECT_NEAR(actual.y, expected.y, tolerance);
}

float Direction(const vector2& v) { return std::atan2(v.y, v.x); }

} // namespace

TEST(ParticleTest, StartDelayOnlyFadesInThenMotionBegins)
{
    CSprite sprite;
    Place(sprite, vector2(100, 100));
    sprite.colour[3] = 0.0f;
    CParticle p(&sprite);
    p.age = -0.2f;
    p.delayAlphaRate = 5.0f;
    p.vel = vector2(100, 0);
    p.spin = 2.0f;
    p.scaleRate = vector2(1, 1);
    p.colourRate = {{-1.0f, -1.0f, -1.0f}};

    int delaySteps = 0;
    while (true) {
        p.Update(kStep);
        if (p.age >= 0.0f)
            break;
        ++delaySteps;
        EXPECT_NEAR(sprite.colour[3], 0.08f * static_cast<float>(delaySteps), 1e-5f);
        ExpectNear(sprite.GetCentre(), vector2(100, 100));
        EXPECT_EQ(sprite.angle, 0.0f);
        EXPECT_EQ(sprite.scaleX, 1.0f);
        EXPECT_EQ(sprite.colour[0], 1.0f);
    }
    // Twelve waiting steps of 16 ms: the fade has come within one step of full by age 0.
    EXPECT_EQ(delaySteps, 12);
    EXPECT_GT(sprite.colour[3], 1.0f - 0.08f - 1e-5f);
    // The step that crosses age 0 already runs as a normal step.
    EXPECT_GT(sprite.GetCentre().x, 100.0f);
    EXPECT_GT(sprite.angle, 0.0f);

    // A longer fade stops at full opacity.
    sprite.colour[3] = 0.0f;
    p.age = -1.0f;
    for (int i = 0; i < 30; ++i)
        p.Update(kStep);
    EXPECT_EQ(sprite.colour[3], 1.0f);
}

TEST(ParticleTest, ShrinkingStopsAtTheLastNonNegativeScaleAboutTheCentre)
{
    CSprite sprite;
    sprite.scaleX = sprite.scaleY = 0.2f;
    Place(sprite, vector2(50, 60));
    CParticle p(&sprite);
    p.scaleRate = vector2(-0.3f, -0.3f);
    p.lifetime = 100.0f;

    float previous = sprite.scaleX;
    for (int i = 0; i < 100; ++i) {
        p.Update(kStep);
        EXPECT_GE(sprite.scaleX, 0.0f);
        EXPECT_LE(sprite.scaleX, previous);
        previous = sprite.scaleX;
    }
    EXPECT_GT(sprite.scaleX, 0.0f);
    EXPECT_LT(sprite.scaleX - 0.3f * kStep, 0.0f);
    EXPECT_EQ(sprite.scaleX, sprite.scaleY);
    ExpectNear(sprite.GetCentre(), vector2(50, 60));
}

TEST(ParticleTest, MovesWithStartOfStepVelocityThenDragThenAcceleration)
{
    CSprite sprite;
    Place(sprite, vector2(0, 0));
    CParticle p(&sprite);
    p.vel = vector2(100, 0);
    p.drag = 0.5f;
    p.accel = vector2(0, 50);
    p.scaleRate = vector2(1, 1);

    p.Update(0.1f);
    ExpectNear(sprite.GetCentre(), vector2(10, 0), 1e-3f);
    ExpectNear(p.vel, vector2(95, 5));
    ExpectNear(p.scaleRate, vector2(0.95f, 0.95f));

    const vector2 before = sprite.GetCentre();
    p.Update(0.1f);
    ExpectNear(sprite.GetCentre() - before, vector2(9.5f, 0.5f), 1e-3f);
}

TEST(ParticleTest, FaceVelocityTurnsTheImagesDownAxisAlongTheMotion)
{
    CSprite sprite;
    Place(sprite, vector2(300, 300));
    CParticle p(&sprite);
    p.faceVelocity = true;
    p.spin = 5.0f; // replaced by the facing

    p.vel = vector2(3, 4);
    p.Update(kStep);
    EXPECT_FLOAT_EQ(sprite.angle, std::atan2(0.8f, 0.6f) - 1.5707963f);

    p.vel = vector2(0, 250); // straight down: the image's own axis
    p.Update(kStep);
    EXPECT_NEAR(sprite.angle, 0.0f, 1e-6f);

    p.vel = vector2(-7, 0);
    p.Update(kStep);
    EXPECT_NEAR(sprite.angle, 1.5707963f, 1e-6f);
}

TEST(ParticleTest, FixedAlphaIsForcedBeforeTheFadeOfEveryStepAndColoursClamp)
{
    CSprite sprite;
    Place(sprite, vector2(0, 0));
    CParticle p(&sprite);
    p.fixedAlpha = 0.5f;
    p.alphaRate = -1.0f;
    p.colourRate = {{-4.0f, 0.5f, 4.0f}};
    sprite.colour[1] = 0.5f;
    for (int i = 0; i < 3; ++i) {
        p.Update(0.1f);
        EXPECT_FLOAT_EQ(sprite.colour[3], 0.4f);
    }
    EXPECT_NEAR(sprite.colour[0], 0.0f, 1e-6f);
    EXPECT_NEAR(sprite.colour[1], 0.65f, 1e-6f);
    EXPECT_EQ(sprite.colour[2], 1.0f);
}

TEST(ParticleTest, DoneWhenTheAgeReachesTheLifetimeAndNothingWithoutSprite)
{
    CSprite sprite;
    CParticle p(&sprite);
    p.lifetime = 0.05f;
    p.Update(0.03f);
    EXPECT_FALSE(p.done);
    p.Update(0.03f);
    EXPECT_TRUE(p.done);

    CParticle idle(nullptr);
    idle.vel = vector2(10, 10);
    idle.Update(5.0f);
    EXPECT_EQ(idle.age, 0.0f);
    EXPECT_FALSE(idle.done);
}

TEST(ParticleTest, RetiringPlaysDeathAndKillsAsAsked)
{
    CSprite animated;
    SpriteAnimation death;
    death.frameIndices = {0};
    death.frameTime = 63;
    death.name = "death";
    animated.AddAnimation(death);
    CSprite plain;
    {
        CParticle keep(&animated);
        keep.playDeath = true;
        keep.removeSprite = false;
        keep.Retire();
        ASSERT_NE(animated.CurrentAnimation(), nullptr);
        EXPECT_EQ(animated.CurrentAnimation()->name, "death");
        EXPECT_FALSE(animated.killed);

        // Destroying a particle retires it too; "death" without an animation kills the sprite.
        CParticle dying(&plain);
        dying.playDeath = true;
        dying.removeSprite = false;
    }
    EXPECT_TRUE(plain.killed);
}

TEST(ParticleTest, ConstructionGivesTheDefaults)
{
    CSprite sprite;
    Place(sprite, vector2(20, 30));
    CParticle p(&sprite);
    EXPECT_EQ(p.lifetime, 1.0f);
    EXPECT_EQ(p.fixedAlpha, -1.0f);
    EXPECT_TRUE(p.removeSprite);
    EXPECT_EQ(p.priority, 0);
    ExpectNear(sprite.GetCentre(), vector2(20, 30));
}

TEST(PhysicsParticleTest, DefaultsAndCurveTurnsVelocityByMinusTiltPerUpdate)
{
    CSprite sprite;
    Place(sprite, vector2(100, 100));
    CPhysicsParticle p(&sprite);
    EXPECT_EQ(p.pivot, vector2(620.0f, 360.0f));
    EXPECT_EQ(p.restitution, 0.75f);

    p.pivot = vector2(100, 10000); // the floor far below
    p.lifetime = 100.0f;
    p.vel = vector2(100, 0);
    p.tilt = 0.1f;
    p.curve = true;
    const float speed = 100.0f;
    float expected = 0.0f;
    for (float seconds : {0.016f, 0.5f, 0.001f}) {
        p.Update(seconds);
        expected -= 0.1f;
        EXPECT_NEAR(Direction(p.vel), expected, 1e-5f);
        EXPECT_NEAR(std::sqrt(p.vel.x * p.vel.x + p.vel.y * p.vel.y), speed, 1e-3f);
    }

    // No turn while the particle waits to start.
    p.age = -1.0f;
    const vector2 waiting = p.vel;
    p.Update(kStep);
    EXPECT_EQ(p.vel, waiting);
}

TEST(PhysicsParticleTest, BouncesOffAndEndsOnTheTiltedFloorLine)
{
    const float tilt = 0.5f;
    const vector2 pivot(400, 300);
    const vector2 normal(-std::sin(tilt), std::cos(tilt)); // towards the floor's far side
    CSprite sprite;
    Place(sprite, pivot + normal * -2.0f);
    CPhysicsParticle p(&sprite);
    p.pivot = pivot;
    p.tilt = tilt;
    p.bounce = true;
    p.killOnFloor = true;
    p.vel = normal * 200.0f;

    p.Update(0.005f); // one unit short of the line: nothing yet
    ExpectNear(p.vel, normal * 200.0f);
    EXPECT_FALSE(p.done);

    p.Update(0.01f); // one unit beyond, still heading across
    ExpectNear(p.vel, normal * -150.0f, 1e-3f);
    EXPECT_TRUE(p.done);

    // Beyond the line but already leaving it: neither bounce nor end.
    CSprite leaving;
    Place(leaving, pivot + normal * 5.0f);
    CPhysicsParticle q(&leaving);
    q.pivot = pivot;
    q.tilt = tilt;
    q.bounce = q.killOnFloor = true;
    q.vel = normal * -100.0f;
    q.Update(kStep);
    ExpectNear(q.vel, normal * -100.0f);
    EXPECT_FALSE(q.done);
}
