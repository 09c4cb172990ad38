// The arrival's recipe: the body, the flashes, then the trail, each drawing in this order.
#include "characters/effects/arrivaleffect.h"

#include "characters/effects/effectpieces.h"
#include "characters/playercharacter.h"
#include "engine/core/numeric.h"
#include "engine/core/random.h"
#include "engine/render/sprite.h"
#include "grid/papergrid.h"
#include "particles/particlesystem.h"

using namespace effectpieces;

namespace {

// The paper pulled towards the arrival: the speed given at the point, fading to nothing at the
// radius (pixels).
constexpr float kGridPull = 60000.0f;
constexpr float kGridPullRadius = 700.0f;

// The body spins in over a second from a fifth of its size, invisible and purple, to itself.
constexpr float kBodySeconds = 1.0f;
constexpr float kBodyStartScale = 0.2f;
// Four turns a second: 8 pi radians a second, kept as the recipe's literal (8 * pi in single
// precision is one float step above it).
constexpr float kBodySpin = 25.13274f;

// Five large spirals around the arrival, fading in and shrinking away as they spin either way.
constexpr int kFlashCount = 5;
constexpr float kFlashLifetime = 1.5f; // seconds
constexpr float kFlashScaleMin = 1.0f;
constexpr float kFlashScaleMax = 2.5f;
constexpr float kFlashShrink = 2.0f;   // the scale lost over a flash's life
constexpr float kFlashAngleMax = 6.0f; // radians: the start angle, nearly any
constexpr float kFlashSpinMin = 12.0f; // radians a second
constexpr float kFlashSpinMax = 50.0f;

// A fountain of 35 to 69 small spirals thrown up from around the arrival, curling as they fall.
constexpr float kTrailCountMin = 35.0f;
constexpr float kTrailCountSpread = 35.0f;
constexpr float kTrailScatter = 45.0f;     // pixels either way of the arrival, on each axis
constexpr float kTrailLifetime = 2.5f;     // seconds
constexpr float kTrailRiseMin = 150.0f;    // pixels a second, upward
constexpr float kTrailRiseSpread = 150.0f;
constexpr float kTrailDriftMax = 100.0f;   // pixels a second, either way
constexpr float kTrailSpinMax = 25.0f;     // radians a second
constexpr float kTrailStartSpread = 0.25f; // seconds either way: early ones are under way already
constexpr float kTrailCurlMax = 0.2f;      // radians a step, either way
constexpr float kTrailFadeIn = 1.0f;       // the alpha a held-back spiral gains over its wait

static_assert((1.0f - kBodyStartScale) / kBodySeconds == 0.8f, "the body's growth as it has always been");
static_assert(1.0f / kFlashLifetime == 0.6666667f, "the flashes' fade-in as it has always been");
static_assert(-kFlashShrink / kFlashLifetime == -1.3333334f, "the flashes' shrink as it has always been");
static_assert(-1.0f / kTrailLifetime == -0.4f, "the trail's fade as it has always been");

// A rate that takes a spiral's red or blue anywhere within the tint span over its lifetime.
float DrawTintDrift(RandomGenerators& random, float lifetime)
{
    return CentredDraw(random) * 2.0f * kColourSpan / lifetime;
}

void SpinInBody(EffectContext& effects, PlayerCharacter& character)
{
    CSprite* body = character.sprite;
    if (!body)
        return;
    CParticle* particle = effects.particles.AttachSprite(body, kBodySeconds);
    const float blueDraw = Draw01Single(effects.random);
    const float redDraw = Draw01Single(effects.random);
    if (!particle)
        return;
    body->scaleX = body->scaleY = kBodyStartScale;
    body->SetAlpha(0.0f);
    body->SetColour(TintChannel(redDraw), 0.0f, TintChannel(blueDraw));
    particle->scaleRate = vector2((1.0f - kBodyStartScale) / kBodySeconds, (1.0f - kBodyStartScale) / kBodySeconds);
    particle->alphaRate = 1.0f / kBodySeconds;
    particle->spin = kBodySpin;
    for (int i = 0; i < 3; ++i)
        particle->colourRate[i] = (1.0f - body->colour[i]) / kBodySeconds;
}

void FlashSpirals(EffectContext& effects, const vector2& centre)
{
    RandomGenerators& random = effects.random;
    for (int i = 0; i < kFlashCount; ++i) {
        CSprite* spiral = CreateSpiralSprite(effects.sprites, random);
        spiral->sendToBack = true;
        SetScale(spiral, random.RandomFloat(kFlashScaleMin, kFlashScaleMax));
        spiral->SetCentre(centre);
        spiral->SetAlpha(0.0f);
        spiral->angle = random.RandomFloat(0.0f, kFlashAngleMax);
        float spin = random.RandomFloat(kFlashSpinMin, kFlashSpinMax);
        if (random.RandomFloat(-1.0f, 1.0f) < 0.0f)
            spin = -spin;
        CParticle* particle = effects.particles.NewMovingParticle(spiral, kFlashLifetime, vector2(), spin, kOrdinary);
        const float redRate = DrawTintDrift(random, kFlashLifetime);
        const float blueRate = DrawTintDrift(random, kFlashLifetime);
        if (!particle)
            continue;
        particle->alphaRate = 1.0f / kFlashLifetime;
        particle->scaleRate = vector2(-kFlashShrink / kFlashLifetime, -kFlashShrink / kFlashLifetime);
        particle->colourRate[0] = redRate;
        particle->colourRate[2] = blueRate;
    }
}

// One spiral of the fountain, thrown up from near the centre to fall and curl back round it.
void ThrowTrailSpiral(EffectContext& effects, const vector2& centre)
{
    RandomGenerators& random = effects.random;
    const float offsetY = 2.0f * CentredDraw(random) * kTrailScatter;
    const float offsetX = 2.0f * CentredDraw(random) * kTrailScatter;
    CSprite* spiral = CreateSpiralSprite(effects.sprites, random);
    spiral->SetCentre(centre + vector2(offsetX, offsetY));
    const float upward = -kTrailRiseMin - Draw01(random) * kTrailRiseSpread;
    const float sideways = (2.0f * Draw01(random) - 1.0f) * kTrailDriftMax;
    const float spin = Draw01(random) * kTrailSpinMax;
    const vector2 velocity(sideways, upward);
    CPhysicsParticle* particle =
        effects.particles.NewPhysicsParticle(spiral, kTrailLifetime, velocity, spin, centre, kOrdinary);
    const float startAge = random.RandomFloat(-kTrailStartSpread, kTrailStartSpread);
    const float curl = random.RandomFloat(-kTrailCurlMax, kTrailCurlMax);
    const float redRate = DrawTintDrift(random, kTrailLifetime);
    const float blueRate = DrawTintDrift(random, kTrailLifetime);
    if (!particle)
        return;
    if (startAge < 0.0f)
        HoldBack(*particle, spiral, startAge, kTrailFadeIn);
    particle->alphaRate = FadeRate(kTrailLifetime);
    particle->scaleRate = vector2(-kShrinkPerSecond, -kShrinkPerSecond);
    particle->tilt = curl;
    particle->curve = true;
    particle->colourRate[0] = redRate;
    particle->colourRate[2] = blueRate;
}

void ThrowTrail(EffectContext& effects, const vector2& centre)
{
    const int count = TruncToInt32(Draw01(effects.random) * kTrailCountSpread + kTrailCountMin);
    for (int i = 0; i < count; ++i)
        ThrowTrailSpiral(effects, centre);
}

} // namespace

void SpawnArrivalEffect(EffectContext& effects, PlayerCharacter& character)
{
    const vector2 centre = character.Position();
    if (effects.grid)
        effects.grid->Push(centre, kGridPull, kGridPullRadius);
    SpinInBody(effects, character);
    FlashSpirals(effects, centre);
    ThrowTrail(effects, centre);
}
