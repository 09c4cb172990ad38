// The pieces effects are made of: the one-image sprites and what several effects do alike.
#include "characters/effects/effectpieces.h"

#include "engine/core/numeric.h"
#include "engine/core/random.h"
#include "engine/render/spritecontainer.h"
#include "particles/particlesystem.h"
#include "utils/datafiles.h"

#include <string>

using namespace effectpieces;

static_assert(kColourSpan == 0.78431374f, "the tint span the arrival's spirals have always drifted by");

namespace {

constexpr int kRobotPartImages = 4;
constexpr int kSmokeImages = 5;
constexpr int kSparkImages = 5;
constexpr int kBloodDropImages = 8;
constexpr uint32_t kDeathFrameMs = 63; // how long a one-image sprite's "death" shows its image

constexpr float kSpiralScaleMin = 0.05f;
constexpr float kSpiralScaleMax = 0.25f;
constexpr float kTintFloor = 25.0f; // a spiral's red and blue start this many steps above black

constexpr float kJitterSpread = 0.5f;     // a jitter factor's range: 1 give or take half of it
constexpr float kShortLifeMin = 0.01f;    // seconds, before the jitter
constexpr float kShortLifeMax = 0.6f;
constexpr float kTumbleMax = 12.0f;       // radians a second, either way
constexpr float kSmokeGreyMax = 0.25f;    // the lightest grey of a puff (0 is black)
constexpr float kPuffScaleMin = 0.5f;
constexpr float kPuffScaleMax = 1.0f;
constexpr float kRiseMin = 300.0f;        // pixels a second squared
constexpr float kRiseMax = 600.0f;
constexpr float kRiseDrag = 1.0f;         // the share of its speed a rising puff loses a second

constexpr float kFireBurnSpeed = 2.0f;    // a fire puff's red and green go this many times as fast as its alpha

// A thrown piece: its upward launch speed, its sideways speed range, how much its lifetime
// varies around the time it takes to come back down, and the range of its floor line's drop
// (2 * draw - kFloorDropRaise, times kFloorDropUnit: -37.5 to 62.5 pixels).
constexpr float kThrowSpeedMin = 450.0f;  // pixels a second, upward
constexpr float kThrowSpeedSpread = 50.0f;
constexpr float kThrowSidewaysMax = 400.0f; // pixels a second, either way
constexpr float kThrowLifetimeSpread = 0.25f; // seconds, around the time of flight
constexpr float kFloorDropRaise = 0.75f;
constexpr float kFloorDropUnit = 50.0f;   // pixels
// A thrown piece's start is held back by up to this many seconds, and the later pieces by more.
constexpr float kThrowDelayMax = 0.2f;
constexpr float kThrowDelayPerPiece = 0.02f;

// A one-image sprite whose "death" shows its image a moment and then removes it.
CSprite* MakeOneImageSprite(CSpriteContainer& sprites, const std::string& image, bool behind)
{
    CSprite* sprite = behind ? sprites.CreateSpriteBehind(image) : sprites.CreateSprite(image);
    sprite->SetFrames({sprite->texture});
    SpriteAnimation death;
    death.frameIndices = {0};
    death.frameTime = kDeathFrameMs;
    death.loop = false;
    death.killAtEnd = true;
    death.name = "death";
    sprite->AddAnimation(std::move(death));
    return sprite;
}

} // namespace

CSprite* CreateSpiralSprite(CSpriteContainer& sprites, RandomGenerators& random)
{
    CSprite* spiral = sprites.CreateSprite(datafiles::kSpiral);
    const float blueDraw = Draw01Single(random);
    const float redDraw = Draw01Single(random);
    Draw01(random); // drawn and unused, as the recipe always has
    spiral->SetColour(TintChannel(redDraw), 0.0f, TintChannel(blueDraw));
    SetScale(spiral, random.RandomFloat(kSpiralScaleMin, kSpiralScaleMax));
    return spiral;
}

CSprite* CreateRobotPartSprite(CSpriteContainer& sprites, RandomGenerators& random)
{
    return MakeOneImageSprite(sprites, datafiles::RobotPart(random.RandomInt(1, kRobotPartImages)), true);
}

CSprite* CreateSmokeSprite(CSpriteContainer& sprites, RandomGenerators& random)
{
    return MakeOneImageSprite(sprites, datafiles::Smoke(random.RandomInt(1, kSmokeImages)), true);
}

CSprite* CreateSparkSprite(CSpriteContainer& sprites, RandomGenerators& random)
{
    return MakeOneImageSprite(sprites, datafiles::Spark(random.RandomInt(1, kSparkImages)), true);
}

CSprite* CreateBloodDropSprite(CSpriteContainer& sprites, RandomGenerators& random)
{
    Draw01(random); // drawn and unused, as the recipe always has
    const int image = 1 + TruncToInt32(Draw01(random) * kBloodDropImages);
    return MakeOneImageSprite(sprites, datafiles::BloodDrop(image), false);
}

namespace effectpieces {

double Draw01(RandomGenerators& random) { return random.Random01(); }

float Draw01Single(RandomGenerators& random) { return static_cast<float>(Draw01(random)); }

double CentredDraw(RandomGenerators& random) { return Draw01(random) - 0.5f; }

double JitterFactor(RandomGenerators& random) { return CentredDraw(random) * kJitterSpread + 1.0f; }

bool CoinFlip(RandomGenerators& random) { return Draw01(random) < 0.5f; }

vector2 CentredOffset(RandomGenerators& random, float span)
{
    const float y = CentredDraw(random) * span;
    const float x = CentredDraw(random) * span;
    return vector2(x, y);
}

float DrawShortLifetime(RandomGenerators& random)
{
    const double jitter = JitterFactor(random);
    return jitter * random.RandomFloat(kShortLifeMin, kShortLifeMax);
}

float DrawTumble(RandomGenerators& random) { return random.RandomFloat(-kTumbleMax, kTumbleMax); }

float DrawPuffScale(RandomGenerators& random) { return random.RandomFloat(kPuffScaleMin, kPuffScaleMax); }

float DrawRise(RandomGenerators& random) { return random.RandomFloat(kRiseMin, kRiseMax); }

double DrawFloorDrop(RandomGenerators& random) { return (2.0f * Draw01(random) - kFloorDropRaise) * kFloorDropUnit; }

void SetScale(CSprite* sprite, float scale)
{
    if (scale >= 0.0f)
        sprite->scaleX = sprite->scaleY = scale;
}

float TintChannel(float draw) { return (draw * kTintSpan + kTintFloor) / kChannelSteps; }

float FadeRate(float lifetime) { return -1.0f / lifetime; }

void ColourSmoke(RandomGenerators& random, CSprite* smoke)
{
    const float grey = random.RandomFloat(0.0f, kSmokeGreyMax);
    smoke->SetColour(grey, grey, grey);
}

void SparkColour(RandomGenerators& random, CSprite* spark)
{
    const float red = random.RandomFloat(kHotChannelMin, 1.0f);
    const float green = random.RandomFloat(kHotChannelMin, 1.0f);
    spark->SetColour(red, green, 0.0f);
}

void SparkColourRates(CParticle& particle, bool redFades)
{
    particle.colourRate[1] = FadeRate(particle.lifetime);
    if (redFades)
        particle.colourRate[0] = FadeRate(particle.lifetime);
}

void HoldBack(CParticle& particle, CSprite* sprite, float startAge, float fadeIn)
{
    particle.age = startAge;
    sprite->SetAlpha(0.0f);
    particle.delayAlphaRate = fadeIn / -startAge;
}

void LightFirePuff(RandomGenerators& random, CParticle* particle, CSprite* smoke, float lifetime, FireDraw order)
{
    float red = 0.0f;
    float green = 0.0f;
    if (order == FireDraw::kRedFirst) {
        red = random.RandomFloat(kHotChannelMin, 1.0f);
        green = random.RandomFloat(0.0f, 1.0f);
    } else {
        green = random.RandomFloat(0.0f, 1.0f);
        red = random.RandomFloat(kHotChannelMin, 1.0f);
    }
    if (!particle)
        return;
    particle->age = 0.0f;
    smoke->SetColour(red, green, 0.0f);
    smoke->bright = true;
    particle->colourRate[0] = -kFireBurnSpeed / lifetime;
    particle->colourRate[1] = -kFireBurnSpeed / lifetime;
}

void Rise(CParticle* particle, float lifetime, float rise, bool playDeath)
{
    if (!particle)
        return;
    particle->playDeath = playDeath;
    particle->faceVelocity = false;
    particle->alphaRate = FadeRate(lifetime);
    particle->accel = vector2(0.0f, -rise);
    particle->drag = kRiseDrag;
}

PieceThrow DrawPieceThrow(RandomGenerators& random)
{
    const float upward = -kThrowSpeedMin - Draw01(random) * kThrowSpeedSpread;
    const float sideways = (2.0f * Draw01(random) - 1.0f) * kThrowSidewaysMax;
    // 2 * v / g: the time a piece thrown up at v takes to come back down.
    const float lifetime = CentredDraw(random) * kThrowLifetimeSpread + 2.0f * (-upward) / kGravity;
    const float floorDrop = DrawFloorDrop(random);
    return PieceThrow{vector2(sideways, upward), lifetime, floorDrop};
}

CPhysicsParticle* LaunchPiece(EffectContext& effects, CSprite* sprite, const PieceThrow& piece, const vector2& pivot,
                              float turn, int32_t priority, int index)
{
    const vector2 velocity = Rotate(piece.velocity, turn);
    CPhysicsParticle* particle =
        effects.particles.NewPhysicsParticle(sprite, piece.lifetime, velocity, 0.0f, pivot, priority);
    const float startAge = -Draw01(effects.random) * (kThrowDelayMax + kThrowDelayPerPiece * index);
    if (!particle)
        return nullptr;
    particle->age = startAge;
    particle->accel = Rotate(vector2(0.0f, kGravity), turn);
    particle->tilt = turn;
    particle->faceVelocity = true;
    particle->killOnFloor = false;
    return particle;
}

} // namespace effectpieces
