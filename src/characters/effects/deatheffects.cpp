// The deaths' recipes, each drawing in the order it is written.
#include "characters/effects/deatheffects.h"

#include "characters/characterkinds.h"
#include "characters/effects/effectpieces.h"
#include "characters/enemycharacter.h"
#include "characters/playercharacter.h"
#include "engine/core/numeric.h"
#include "engine/core/random.h"
#include "engine/render/sprite.h"
#include "particles/particlesystem.h"

using namespace effectpieces;

namespace {

// A piece thrown from a body starts up to kThrowScatter pixels either way of its centre, and
// fades and shrinks as it flies.
constexpr float kThrowScatter = 45.0f; // width of the square, pixels
constexpr float kPieceFade = 0.1f;     // alpha lost a second

// A burst flung outward from a body: from a small square round it, a flat spread of speeds.
constexpr float kBurstScatter = 10.0f;      // width of the square, pixels
constexpr float kBurstSpeed = 1600.0f;      // width of the horizontal speed range, pixels a second
constexpr float kBurstVerticalShare = 0.6f; // the vertical speed range, as a share of that

// Blood: 8 to 15 drops thrown up, then 7 to 14 flung out for about half a second.
constexpr float kSprayCountMin = 8.0f;
constexpr float kSprayCountSpread = 8.0f;
constexpr float kSplashCountMin = 7.0f;
constexpr float kSplashCountSpread = 8.0f;
constexpr float kSplashLifetime = 0.5f; // seconds, before the jitter

// A robot: 100 to 150 puffs of smoke, 8 to 15 parts and 150 to 249 sparks. Small debris is
// three parts, a quarter of the smoke and sparks, and smoke three quarters the size.
constexpr int kSmokeCountMin = 100;
constexpr int kSmokeCountMax = 150;
constexpr float kPartCountMin = 8.0f;
constexpr float kPartCountSpread = 8.0f;
constexpr float kSparkCountMin = 150.0f;
constexpr float kSparkCountSpread = 100.0f;
constexpr int kSmallPartCount = 3;
constexpr float kSmallShare = 0.25f;
constexpr float kSmallSize = 0.75f;

// A robot's puff may wait up to kSmokeDelayMax seconds (times the size) before it shows, fading
// in, or be under way already by up to kSmokeHeadStart seconds, burning.
constexpr float kSmokeDelayMax = 0.75f;
constexpr float kSmokeHeadStart = 0.25f;
constexpr float kSmokeFadeInMin = 0.5f; // the alpha a waiting puff gains over its wait
constexpr float kSmokeFadeInMax = 1.0f;

constexpr float kSparkDelayMax = 0.3f; // seconds a robot's spark may wait before it flies

// A body's position plus an offset, the offset truncated to fixed point first.
vector2 AtCharacter(const PlayerCharacter& body, const vector2& offset)
{
    return vector2(ToFloat(body.pos.x + ToFixed(offset.x)), ToFloat(body.pos.y + ToFixed(offset.y)));
}

// The velocity of a piece flung out in a burst from its two draws (the vertical one drawn
// first), computed in the precision the draws are kept in: double for blood, single for a
// robot's sparks, as the recipes always have.
template <typename Real>
vector2 BurstVelocity(Real upDraw, Real sideDraw)
{
    return vector2((sideDraw - 0.5f) * kBurstSpeed, (upDraw - 0.5f) * kBurstVerticalShare * kBurstSpeed);
}

// A blood drop or a robot part thrown up from a body to fall round it, the index-th of its
// throw; the priority says whether it may be refused.
void ThrowPiece(EffectContext& effects, CSprite* sprite, const PlayerCharacter& body, int index, int32_t priority)
{
    sprite->SetCentre(AtCharacter(body, CentredOffset(effects.random, kThrowScatter)));
    const PieceThrow piece = DrawPieceThrow(effects.random);
    const vector2 pivot = AtCharacter(body, vector2(0.0f, piece.floorDrop));
    CPhysicsParticle* particle = LaunchPiece(effects, sprite, piece, pivot, body.facing, priority, index);
    if (!particle)
        return;
    particle->alphaRate = -kPieceFade;
    particle->scaleRate = vector2(-kShrinkPerSecond, -kShrinkPerSecond);
    particle->playDeath = true;
}

void SplashBlood(EffectContext& effects, const PlayerCharacter& character)
{
    RandomGenerators& random = effects.random;
    CSprite* drop = CreateBloodDropSprite(effects.sprites, random);
    drop->SetCentre(AtCharacter(character, CentredOffset(random, kBurstScatter)));
    const float lifetime = JitterFactor(random) * kSplashLifetime;
    const double upDraw = Draw01(random);
    const double sideDraw = Draw01(random);
    const vector2 velocity = BurstVelocity(upDraw, sideDraw);
    CParticle* particle = effects.particles.NewMovingParticle(drop, lifetime, velocity, 0.0f, kOrdinary);
    if (!particle)
        return;
    particle->alphaRate = -kPieceFade;
    particle->scaleRate = vector2(-kShrinkPerSecond, -kShrinkPerSecond);
    particle->playDeath = true;
    particle->faceVelocity = true;
}

// A puff of the robot's smoke at centre, sized by sizeFactor: it waits and fades in, or starts
// at once as fire, then rises.
void PuffRobotSmoke(EffectContext& effects, const vector2& centre, float sizeFactor)
{
    RandomGenerators& random = effects.random;
    CSprite* smoke = CreateSmokeSprite(effects.sprites, random);
    smoke->SetCentre(centre);
    SetScale(smoke, DrawPuffScale(random) * sizeFactor);
    ColourSmoke(random, smoke);
    const float upDraw = Draw01Single(random);
    const float sideDraw = Draw01Single(random);
    const vector2 velocity(kPuffSpeed * sizeFactor * (sideDraw - 0.5f) * kPuffSidewaysShare,
                           kPuffSpeed * sizeFactor * (upDraw - 0.5f));
    const float lifetime = JitterFactor(random) * sizeFactor;
    const float spin = DrawTumble(random);
    CParticle* particle = effects.particles.NewMovingParticle(smoke, lifetime, velocity, spin, kOrdinary);
    const float startAge = random.RandomFloat(-kSmokeDelayMax * sizeFactor, kSmokeHeadStart);
    if (startAge < 0.0f) {
        const float fadeIn = random.RandomFloat(kSmokeFadeInMin, kSmokeFadeInMax);
        if (particle)
            HoldBack(*particle, smoke, startAge, fadeIn);
    } else {
        LightFirePuff(random, particle, smoke, lifetime, FireDraw::kGreenFirst);
    }
    Rise(particle, lifetime, DrawRise(random), true);
}

void FlingRobotSparks(EffectContext& effects, const PlayerCharacter& robot, int count)
{
    RandomGenerators& random = effects.random;
    for (int i = 0; i < count; ++i) {
        CSprite* spark = CreateSparkSprite(effects.sprites, random);
        spark->SetCentre(AtCharacter(robot, CentredOffset(random, kBurstScatter)));
        SparkColour(random, spark);
        const float upDraw = Draw01Single(random);
        const float sideDraw = Draw01Single(random);
        const vector2 velocity = BurstVelocity(upDraw, sideDraw);
        const float lifetime = DrawShortLifetime(random);
        CParticle* particle = effects.particles.NewMovingParticle(spark, lifetime, velocity, 0.0f, kOrdinary);
        const float startAge = random.RandomFloat(-kSparkDelayMax, 0.0f);
        const bool redFades = CoinFlip(random);
        if (!particle)
            continue;
        particle->age = startAge;
        particle->alphaRate = FadeRate(lifetime);
        particle->scaleRate = vector2(-kShrinkPerSecond, -kShrinkPerSecond);
        particle->playDeath = true;
        particle->faceVelocity = true;
        SparkColourRates(*particle, redFades);
    }
}

} // namespace

void SpawnBloodBurst(EffectContext& effects, const PlayerCharacter& character)
{
    RandomGenerators& random = effects.random;
    const int spray = TruncToInt32(Draw01(random) * kSprayCountSpread + kSprayCountMin);
    for (int i = 0; i < spray; ++i)
        ThrowPiece(effects, CreateBloodDropSprite(effects.sprites, random), character, i, kOrdinary);
    const int splash = TruncToInt32(Draw01(random) * kSplashCountSpread + kSplashCountMin);
    for (int i = 0; i < splash; ++i)
        SplashBlood(effects, character);
}

void SpawnRobotDebris(EffectContext& effects, const EnemyCharacter& robot)
{
    RandomGenerators& random = effects.random;
    const bool small = robot.kind->smallDebris;
    const float sizeFactor = small ? kSmallSize : 1.0f;
    int smoke = random.RandomInt(kSmokeCountMin, kSmokeCountMax);
    if (small)
        smoke = TruncToInt32(smoke * kSmallShare);
    for (int i = 0; i < smoke; ++i)
        PuffRobotSmoke(effects, AtCharacter(robot, CentredOffset(random, kPuffScatter) * sizeFactor), sizeFactor);
    const int parts = small ? kSmallPartCount : TruncToInt32(Draw01(random) * kPartCountSpread + kPartCountMin);
    for (int i = 0; i < parts; ++i)
        ThrowPiece(effects, CreateRobotPartSprite(effects.sprites, random), robot, i, kMayBeRefused);
    int sparks = TruncToInt32(Draw01(random) * kSparkCountSpread + kSparkCountMin);
    if (small)
        sparks = TruncToInt32(sparks * kSmallShare);
    FlingRobotSparks(effects, robot, sparks);
}
