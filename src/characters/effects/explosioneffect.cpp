// The explosion's recipe: the ring, the puffs, then the sparks, each drawing in this order.
#include "characters/effects/explosioneffect.h"

#include "characters/effects/effectpieces.h"
#include "engine/core/numeric.h"
#include "engine/core/random.h"
#include "engine/render/sprite.h"
#include "grid/papergrid.h"
#include "particles/particlesystem.h"

using namespace effectpieces;

namespace {

// The paper pushed away from the explosion: the speed given at the point, fading to nothing at
// the radius (pixels).
constexpr float kGridPush = -50000.0f;
constexpr float kGridPushRadius = 500.0f;

// A ring of 59 to 93 fire puffs (times the scale), never culled, each a little further round
// than the last, flung outward a little faster upward, speeding up and growing as it burns out.
constexpr float kRingCountMin = 59.0f;
constexpr float kRingCountSpread = 35.0f;
// A full turn: 2 pi radians, kept as the recipe's literal (2 * pi in single precision is one
// float step above it).
constexpr float kFullTurn = 6.283185f;
constexpr float kRingStepMin = 0.9f;    // a puff's step round the ring, as a share of an even one
constexpr float kRingStepMax = 1.1f;
constexpr float kRingScatter = 10.0f;   // width of the square puffs start in, pixels
constexpr float kRingGreenMin = 0.5f;   // a ring puff's green: from this to a drawn upper bound
constexpr float kRingSpeed = 1200.0f;   // pixels a second, times the scale
constexpr float kRingSpeedMin = 0.85f;  // the least share of that speed
constexpr float kRingDrag = -0.6f;      // negative: the share of its speed a puff gains a second
constexpr float kRingGrowth = 1.0f;     // scale gained a second
// The upward boost: (4 - squared distance from straight up) / 40 + 1, so a puff flung straight up
// goes a tenth faster than one flung straight down (4 is the squared distance between them).
constexpr float kOppositeDistanceSquared = 4.0f;
constexpr float kUpwardBoostDivisor = 40.0f;

// 25 to 50 puffs of smoke (times the scale), about a third of them fire.
constexpr float kPuffCountMin = 25.0f;
constexpr float kPuffCountMax = 50.0f;
constexpr float kPuffFireChance = 0.35f;

// 25 to 49 sparks (times the scale), thrown up from a square round the centre.
constexpr float kSparkCountMin = 25.0f;
constexpr float kSparkCountSpread = 25.0f;
constexpr float kSparkScatter = 45.0f; // width of the square, pixels, times the scale

// The ring's fire colours, yellow to orange: the green's upper bound drawn first, then the red,
// then the green.
void ColourRingPuff(RandomGenerators& random, CSprite* puff)
{
    const float greenMax = random.RandomFloat(kHotChannelMin, 1.0f);
    const float red = random.RandomFloat(kHotChannelMin, 1.0f);
    const float green = random.RandomFloat(kRingGreenMin, greenMax);
    puff->SetColour(red, green, 0.0f);
    puff->bright = true;
}

// One puff of the ring, turning direction on by about a step round the ring.
void FlingRingPuff(EffectContext& effects, const vector2& centre, float scale, float step, vector2& direction)
{
    RandomGenerators& random = effects.random;
    CSprite* puff = CreateSmokeSprite(effects.sprites, random);
    puff->SetCentre(centre + CentredOffset(random, kRingScatter));
    ColourRingPuff(random, puff);
    direction = Rotate(direction, random.RandomFloat(kRingStepMin, kRingStepMax) * step);
    const float speed = random.RandomFloat(kRingSpeedMin, 1.0f) * kRingSpeed * scale;
    const float boost =
        (kOppositeDistanceSquared - LengthSquared(direction - vector2(0.0f, -1.0f))) / kUpwardBoostDivisor + 1.0f;
    const float lifetime = DrawShortLifetime(random);
    const float spin = DrawTumble(random);
    CParticle* particle =
        effects.particles.NewMovingParticle(puff, lifetime, direction * speed * boost, spin, kNeverCulled);
    if (!particle)
        return;
    particle->drag = kRingDrag;
    particle->alphaRate = FadeRate(lifetime);
    particle->scaleRate = vector2(kRingGrowth, kRingGrowth);
    particle->playDeath = false;
    particle->faceVelocity = false;
    particle->colourRate[0] = FadeRate(lifetime);
    particle->colourRate[1] = FadeRate(lifetime);
}

void FlingRing(EffectContext& effects, const vector2& centre, float scale)
{
    const int count = TruncToInt32((Draw01(effects.random) * kRingCountSpread + kRingCountMin) * scale);
    if (count < 1)
        return;
    const float step = kFullTurn / static_cast<float>(count);
    vector2 direction(1.0f, 0.0f);
    for (int i = 0; i < count; ++i)
        FlingRingPuff(effects, centre, scale, step, direction);
}

void PuffSmoke(EffectContext& effects, const vector2& centre, float scale)
{
    RandomGenerators& random = effects.random;
    const int count = TruncToInt32(random.RandomFloat(kPuffCountMin, kPuffCountMax) * scale);
    const float speed = kPuffSpeed * scale;
    for (int i = 0; i < count; ++i) {
        CSprite* smoke = CreateSmokeSprite(effects.sprites, random);
        SetScale(smoke, DrawPuffScale(random) * scale);
        ColourSmoke(random, smoke);
        smoke->SetCentre(centre + CentredOffset(random, kPuffScatter) * scale);
        const float upDraw = Draw01Single(random);
        const float sideDraw = Draw01Single(random);
        const vector2 velocity((sideDraw - 0.5f) * kPuffSidewaysShare * speed, (upDraw - 0.5f) * speed);
        const float lifetime = JitterFactor(random) * scale;
        const int32_t priority = random.RandomInt(kMayBeRefused, kOrdinary);
        const float spin = DrawTumble(random);
        CParticle* particle = effects.particles.NewMovingParticle(smoke, lifetime, velocity, spin, priority);
        if (Draw01(random) < kPuffFireChance)
            LightFirePuff(random, particle, smoke, lifetime, FireDraw::kRedFirst);
        Rise(particle, lifetime, DrawRise(random), false);
    }
}

void ThrowSparks(EffectContext& effects, const vector2& centre, float scale)
{
    RandomGenerators& random = effects.random;
    const int count = TruncToInt32((Draw01(random) * kSparkCountSpread + kSparkCountMin) * scale);
    for (int i = 0; i < count; ++i) {
        CSprite* spark = CreateSparkSprite(effects.sprites, random);
        spark->SetCentre(centre + CentredOffset(random, kSparkScatter) * scale);
        SparkColour(random, spark);
        SetScale(spark, scale);
        const PieceThrow piece = DrawPieceThrow(random);
        const vector2 pivot(centre.x, centre.y + piece.floorDrop);
        CPhysicsParticle* particle = LaunchPiece(effects, spark, piece, pivot, 0.0f, kMayBeRefused, i);
        if (!particle)
            continue;
        particle->playDeath = false;
        particle->alphaRate = FadeRate(piece.lifetime);
    }
}

} // namespace

void SpawnExplosionEffect(EffectContext& effects, const vector2& centre, float scale)
{
    if (effects.grid)
        effects.grid->Push(centre, kGridPush, kGridPushRadius);
    FlingRing(effects, centre, scale);
    PuffSmoke(effects, centre, scale);
    ThrowSparks(effects, centre, scale);
}
