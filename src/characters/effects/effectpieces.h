#pragma once
// The pieces effects are made of: the one-image sprites (spirals, robot parts, smoke, sparks,
// blood drops), and what several effects do alike with them: their random draws, a spark's
// colours, a puff of smoke that may start as fire and rises, a piece thrown upward to fall back
// under gravity.
//
// Every helper draws from the generators in the order it is written. A draw is kept in double
// precision until the expression it is used in is done, but for the draws a recipe has always
// rounded to single precision at once (Draw01Single): the two give different floats.
#include "characters/effects/effectcontext.h"
#include "engine/core/vectormath.h"

#include <cstdint>

class CParticle;
class CPhysicsParticle;
class CSprite;

// The one-image sprites, each drawing which of its images it shows; all are made on top of the
// layer but robot parts, smoke and sparks, which go just above its bottom sprite.
// The spiral also draws its purple tint and its size; the others have a "death" animation that
// shows the image a moment and removes the sprite.
CSprite* CreateSpiralSprite(CSpriteContainer& sprites, RandomGenerators& random);
CSprite* CreateRobotPartSprite(CSpriteContainer& sprites, RandomGenerators& random);
CSprite* CreateSmokeSprite(CSpriteContainer& sprites, RandomGenerators& random);
CSprite* CreateSparkSprite(CSpriteContainer& sprites, RandomGenerators& random);
CSprite* CreateBloodDropSprite(CSpriteContainer& sprites, RandomGenerators& random);

namespace effectpieces {

inline constexpr float kGravity = 600.0f;               // pixels per second squared, down the screen
inline constexpr float kChannelSteps = 255.0f;          // the steps of an 8-bit colour channel
inline constexpr float kTintSpan = 200.0f;              // a spiral's red and blue range over 200 of them
inline constexpr float kColourSpan = kTintSpan / kChannelSteps; // the same as a share of the channel
inline constexpr float kHotChannelMin = 0.75f;          // the least red of fire or a spark, and a spark's least green
inline constexpr float kShrinkPerSecond = 0.3f;         // the scale most pieces lose a second

// A puff of smoke starts in a square kPuffScatter pixels wide, its vertical speed ranging over
// kPuffSpeed pixels a second and its sideways speed over a share of that, all times the size of
// its effect.
inline constexpr float kPuffScatter = 15.0f;
inline constexpr float kPuffSpeed = 400.0f;
inline constexpr float kPuffSidewaysShare = 0.6f;

// A particle's priority: may be refused over the soft limit, ordinary, or never culled.
inline constexpr int32_t kMayBeRefused = -1;
inline constexpr int32_t kOrdinary = 0;
inline constexpr int32_t kNeverCulled = 1;

// A fresh draw of the minimal standard generator, 0 to 1, in double precision (so Draw01 * 8
// stays below 8).
double Draw01(RandomGenerators& random);
// A fresh draw rounded to single precision at once, as some recipes keep theirs.
float Draw01Single(RandomGenerators& random);
// Draw01 - 0.5: a draw centred on zero, still in double precision.
double CentredDraw(RandomGenerators& random);
// A factor of 1 give or take a quarter, in double precision.
double JitterFactor(RandomGenerators& random);
// True half the time.
bool CoinFlip(RandomGenerators& random);
// A random offset of CentredDraw * span on each axis, y drawn first, then x.
vector2 CentredOffset(RandomGenerators& random, float span);
// A short life, 0.0075 to 0.75 s: a jitter factor, then a share of the longest short life.
float DrawShortLifetime(RandomGenerators& random);
// A tumbling piece's spin, either way, radians a second.
float DrawTumble(RandomGenerators& random);
// A puff's scale before its effect's size factor.
float DrawPuffScale(RandomGenerators& random);
// How fast a puff rises, pixels a second squared.
float DrawRise(RandomGenerators& random);
// How far below its thrower the floor line of a thrown piece lies: -37.5 to 62.5 pixels.
double DrawFloorDrop(RandomGenerators& random);

// A negative scale leaves the sprite's scale as it is.
void SetScale(CSprite* sprite, float scale);
// A spiral's red or blue channel from a single-precision draw: 25 to 225 of 255.
float TintChannel(float draw);
// The rate at which a colour channel or the alpha goes from 1 to 0 over a lifetime.
float FadeRate(float lifetime);

// Dark grey smoke, one draw.
void ColourSmoke(RandomGenerators& random, CSprite* smoke);
// Yellow to white spark colours, red drawn first.
void SparkColour(RandomGenerators& random, CSprite* spark);
// A spark fades and turns red as it goes: green always, red when redFades (half the time).
void SparkColourRates(CParticle& particle, bool redFades);
// A particle that waits before it starts (a negative startAge), invisible at first and gaining
// fadeIn of alpha over the wait.
void HoldBack(CParticle& particle, CSprite* sprite, float startAge, float fadeIn);

// Which of a fire puff's two colours is drawn first: a robot's smoke draws green first, an
// explosion's puffs red.
enum class FireDraw { kGreenFirst, kRedFirst };
// A puff of smoke that starts as fire: at once, red to yellow, its red and green burning away
// twice as fast as it fades. The colours are drawn whether or not the puff has a particle.
void LightFirePuff(RandomGenerators& random, CParticle* particle, CSprite* smoke, float lifetime, FireDraw order);
// A puff that rises (at rise pixels a second squared, against a drag) and fades out over its
// lifetime; nothing for a puff without a particle.
void Rise(CParticle* particle, float lifetime, float rise, bool playDeath);

// How a piece is thrown upward to fall back under gravity: its launch velocity, its lifetime
// (about the time it takes to come back down) and how far below the thrower its floor line
// lies, drawn in this order.
struct PieceThrow {
    vector2 velocity;
    float lifetime;
    float floorDrop;
};
PieceThrow DrawPieceThrow(RandomGenerators& random);
// The particle of the index-th thrown piece, falling in the frame turned by turn (the thrower's
// facing), its start held back a little more for every later piece; null when it was refused.
CPhysicsParticle* LaunchPiece(EffectContext& effects, CSprite* sprite, const PieceThrow& piece, const vector2& pivot,
                              float turn, int32_t priority, int index);

} // namespace effectpieces
