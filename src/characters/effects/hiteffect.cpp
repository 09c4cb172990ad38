// The hit's recipe: the sparks, then the chips, each drawing in this order.
#include "characters/effects/hiteffect.h"

#include "characters/effects/effectpieces.h"
#include "engine/core/numeric.h"
#include "engine/core/random.h"
#include "engine/render/sprite.h"
#include "particles/particlesystem.h"

using namespace effectpieces;

namespace {

// Sparks and chips start this far past the hit point along the bullet's path, scattered up to
// kHitScatter pixels either way on each axis.
constexpr float kHitDepth = 10.0f;  // pixels
constexpr float kHitScatter = 5.0f; // pixels

// 7 to 14 sparks thrown back against the bullet, spread up to kSparkSpreadMax either side, at a
// share of its speed, burning out in about a quarter of a second.
constexpr float kSparkCountMin = 7.0f;
constexpr float kSparkCountSpread = 8.0f;
constexpr float kSparkSpreadMax = 0.9f;  // radians
constexpr float kSparkShareMin = 0.1f;   // of the bullet's speed, before the boost
constexpr float kSparkShareMax = 0.5f;
constexpr float kSparkShareBoost = 1.4f;
constexpr float kSparkLifetime = 0.25f;  // seconds, before the jitter
constexpr float kSparkDrag = 0.2f;       // the share of its speed a spark loses a second

// RandomInt(-10, 2) chips: 13 equally likely counts, of which only 1 and 2 throw any. A chip is
// thrown up to fall back under gravity in the robot's frame, onto a floor line near the robot.
constexpr int kChipCountLow = -10;
constexpr int kChipCountHigh = 2;
constexpr float kChipLaunchMin = 350.0f;  // pixels a second, upward
constexpr float kChipLaunchSpread = 50.0f;
constexpr float kChipSidewaysMax = 200.0f; // pixels a second, either way
constexpr float kChipLifetime = 1.0f;     // seconds
constexpr float kChipLifetimeSpread = 0.25f;

// Where a spark or a chip starts: scattered round the hit point, then carried past it.
vector2 ScatterFromHit(RandomGenerators& random, const vector2& hitPoint, const vector2& depth)
{
    return hitPoint + random.RandomVector() * kHitScatter + depth;
}

void ThrowSparks(EffectContext& effects, const vector2& hitPoint, const vector2& bulletVelocity, const vector2& depth)
{
    RandomGenerators& random = effects.random;
    const int count = TruncToInt32(Draw01(random) * kSparkCountSpread + kSparkCountMin);
    for (int i = 0; i < count; ++i) {
        CSprite* spark = CreateSparkSprite(effects.sprites, random);
        spark->SetCentre(ScatterFromHit(random, hitPoint, depth));
        SparkColour(random, spark);
        const float spread = random.RandomFloat(-kSparkSpreadMax, kSparkSpreadMax);
        const float share = random.RandomFloat(kSparkShareMin, kSparkShareMax) * kSparkShareBoost;
        const vector2 velocity = -Rotate(bulletVelocity, spread) * share;
        const float lifetime = JitterFactor(random) * kSparkLifetime;
        CParticle* particle = effects.particles.NewMovingParticle(spark, lifetime, velocity, 0.0f, kOrdinary);
        const bool redFades = CoinFlip(random);
        if (!particle)
            continue;
        particle->drag = kSparkDrag;
        particle->accel = vector2(0.0f, kGravity);
        particle->alphaRate = FadeRate(lifetime);
        particle->scaleRate = vector2(-kShrinkPerSecond, -kShrinkPerSecond);
        particle->playDeath = true;
        particle->faceVelocity = true;
        SparkColourRates(*particle, redFades);
    }
}

void ThrowChip(EffectContext& effects, const vector2& hitPoint, const vector2& depth, CSprite* robotSprite,
               float facing)
{
    RandomGenerators& random = effects.random;
    CSprite* chip = CreateRobotPartSprite(effects.sprites, random);
    chip->SetCentre(ScatterFromHit(random, hitPoint, depth));
    const float upward = -kChipLaunchMin - Draw01(random) * kChipLaunchSpread;
    const float sideways = (2.0f * Draw01(random) - 1.0f) * kChipSidewaysMax;
    const float lifetime = CentredDraw(random) * kChipLifetimeSpread + kChipLifetime;
    const vector2 robotCentre = robotSprite->GetCentre();
    const vector2 pivot(robotCentre.x, robotCentre.y + DrawFloorDrop(random));
    const float spin = DrawTumble(random);
    CPhysicsParticle* particle = effects.particles.NewPhysicsParticle(
        chip, lifetime, Rotate(vector2(sideways, upward), facing), spin, pivot, kMayBeRefused);
    if (!particle)
        return;
    particle->accel = Rotate(vector2(0.0f, kGravity), facing);
    particle->alphaRate = FadeRate(lifetime);
    particle->tilt = facing;
    particle->scaleRate = vector2(-kShrinkPerSecond, -kShrinkPerSecond);
    particle->playDeath = true;
    particle->faceVelocity = false;
    particle->killOnFloor = false;
}

} // namespace

void SpawnHitSparks(EffectContext& effects, const vector2& hitPoint, const vector2& bulletVelocity,
                    CSprite* robotSprite, float facing)
{
    const vector2 depth = Normalized(bulletVelocity) * kHitDepth;
    ThrowSparks(effects, hitPoint, bulletVelocity, depth);
    if (!robotSprite)
        return;
    const int chips = effects.random.RandomInt(kChipCountLow, kChipCountHigh);
    for (int i = 0; i < chips; ++i)
        ThrowChip(effects, hitPoint, depth, robotSprite, facing);
}
