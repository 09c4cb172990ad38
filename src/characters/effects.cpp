// The effect recipes: the sprites each burst is made of, the particles that drive them and the
// order in which they draw from the world's generators.
#include "characters/effects.h"

#include "characters/characterkinds.h"
#include "characters/enemycharacter.h"
#include "particles/particlesystem.h"
#include "characters/playercharacter.h"
#include "engine/core/random.h"
#include "engine/render/spritecontainer.h"
#include "grid/papergrid.h"
#include "utils/datafiles.h"

#include <string>

namespace {

constexpr float kColourSpan = 0.78431374f; // 200 / 255
constexpr float kGravity = 600.0f;

// A fresh draw of the minimal standard generator, kept in double precision until its
// expression is done (so R * 8 stays below 8).
double R(RandomGenerators& random) { return random.Random01(); }

int Trunc(double value) { return TruncToInt32(value); }

// A random offset (y drawn first, then x) of (R - 0.5) * span on each axis.
vector2 CentredOffset(RandomGenerators& random, float span)
{
    const float y = (R(random) - 0.5f) * span;
    const float x = (R(random) - 0.5f) * span;
    return vector2(x, y);
}

// A character's position plus an offset, the offset truncated to fixed point first.
vector2 AtCharacter(const PlayerCharacter& character, const vector2& offset)
{
    return vector2(ToFloat(character.pos.x + ToFixed(offset.x)), ToFloat(character.pos.y + ToFixed(offset.y)));
}

void SetScale(CSprite* sprite, float scale)
{
    if (scale >= 0.0f)
        sprite->scaleX = sprite->scaleY = scale;
}

// A one-image sprite whose "death" shows its image for 63 ms and then removes it.
CSprite* MakeDebrisSprite(CSpriteContainer& sprites, const std::string& image, bool behind)
{
    CSprite* sprite = behind ? sprites.CreateSpriteBehind(image) : sprites.CreateSprite(image);
    sprite->SetFrames({sprite->texture});
    SpriteAnimation death;
    death.frameIndices = {0};
    death.frameTime = 63;
    death.loop = false;
    death.killAtEnd = true;
    death.name = "death";
    sprite->AddAnimation(std::move(death));
    return sprite;
}

// Yellow to white spark colours, red drawn first.
void SparkColour(RandomGenerators& random, CSprite* sprite)
{
    const float red = random.RandomFloat(0.75f, 1.0f);
    const float green = random.RandomFloat(0.75f, 1.0f);
    sprite->SetColour(red, green, 0.0f);
}

// A spark fades and turns red as it goes: green always, red when redFades (half the time).
void SparkColourRates(CParticle& particle, bool redFades)
{
    particle.colourRate[1] = -1.0f / particle.lifetime;
    if (redFades)
        particle.colourRate[0] = -1.0f / particle.lifetime;
}

// A particle that waits before it starts (a negative age), invisible at first and fading in
// by fadeIn over the wait.
void HoldBack(CParticle& particle, CSprite* sprite, float age, float fadeIn)
{
    particle.age = age;
    sprite->SetAlpha(0.0f);
    particle.delayAlphaRate = fadeIn / -age;
}

// Which of a fire puff's two colours is drawn first: a robot's smoke draws green first, an
// explosion's puffs red.
enum class FireDraw { kGreenFirst, kRedFirst };

// A puff of smoke that starts as fire: at once, red to yellow, its red and green burning away
// twice as fast as it fades. The colours are drawn whether or not the puff has a particle.
void LightFirePuff(RandomGenerators& random, CParticle* particle, CSprite* smoke, float lifetime, FireDraw order)
{
    float red = 0.0f;
    float green = 0.0f;
    if (order == FireDraw::kRedFirst) {
        red = random.RandomFloat(0.75f, 1.0f);
        green = random.RandomFloat(0.0f, 1.0f);
    } else {
        green = random.RandomFloat(0.0f, 1.0f);
        red = random.RandomFloat(0.75f, 1.0f);
    }
    if (!particle)
        return;
    particle->age = 0.0f;
    smoke->SetColour(red, green, 0.0f);
    smoke->bright = true;
    particle->colourRate[0] = -2.0f / lifetime;
    particle->colourRate[1] = -2.0f / lifetime;
}

// How a piece is thrown upward to fall back under gravity: its launch velocity, its lifetime
// (about the time it takes to come back down) and how far below the thrower its floor line
// lies, drawn in this order.
struct PieceThrow {
    vector2 vel;
    float lifetime;
    float floorDrop;
};

PieceThrow DrawPieceThrow(RandomGenerators& random)
{
    const float qy = -450.0f - R(random) * 50.0f;
    const float qx = (2.0f * R(random) - 1.0f) * 400.0f;
    const float lifetime = (R(random) - 0.5f) * 0.25f + 2.0f * (-qy) / kGravity;
    const float floorDrop = (2.0f * R(random) - 0.75f) * 50.0f;
    return PieceThrow{vector2(qx, qy), lifetime, floorDrop};
}

// The particle of the index-th thrown piece, falling in the frame turned by turn (the thrower's
// facing), its start held back a little more for every later piece; null when it was refused.
CPhysicsParticle* LaunchPiece(EffectContext& effects, CSprite* sprite, const PieceThrow& piece, const vector2& pivot,
                              float turn, int32_t priority, int index)
{
    CPhysicsParticle* particle =
        effects.particles.NewPhysicsParticle(sprite, piece.lifetime, Rotate(piece.vel, turn), 0.0f, pivot, priority);
    const float age = -R(effects.random) * (0.2f + 0.02f * index);
    if (!particle)
        return nullptr;
    particle->age = age;
    particle->accel = Rotate(vector2(0.0f, kGravity), turn);
    particle->tilt = turn;
    particle->faceVelocity = true;
    particle->killOnFloor = false;
    return particle;
}

// A blood drop or a robot part thrown from a body; the priority says whether it may be refused.
void ThrowPiece(EffectContext& effects, CSprite* sprite, const PlayerCharacter& body, int index, int32_t priority)
{
    sprite->SetCentre(AtCharacter(body, CentredOffset(effects.random, 45.0f)));
    const PieceThrow piece = DrawPieceThrow(effects.random);
    const vector2 pivot = AtCharacter(body, vector2(0.0f, piece.floorDrop));
    CPhysicsParticle* particle = LaunchPiece(effects, sprite, piece, pivot, body.facing, priority, index);
    if (!particle)
        return;
    particle->alphaRate = -0.1f;
    particle->scaleRate = vector2(-0.3f, -0.3f);
    particle->playDeath = true;
}

void ArrivalBody(EffectContext& effects, PlayerCharacter& character)
{
    CSprite* body = character.sprite;
    if (!body)
        return;
    CParticle* particle = effects.particles.AttachSprite(body, 1.0f);
    const float r1 = R(effects.random);
    const float r2 = R(effects.random);
    if (!particle)
        return;
    body->scaleX = body->scaleY = 0.2f;
    body->SetAlpha(0.0f);
    body->SetColour((r2 * 200.0f + 25.0f) / 255.0f, 0.0f, (r1 * 200.0f + 25.0f) / 255.0f);
    particle->scaleRate = vector2(0.8f, 0.8f);
    particle->alphaRate = 1.0f;
    particle->spin = 25.13274f;
    for (int i = 0; i < 3; ++i)
        particle->colourRate[i] = 1.0f - body->colour[i];
}

void ArrivalFlashes(EffectContext& effects, const vector2& p)
{
    RandomGenerators& random = effects.random;
    for (int i = 0; i < 5; ++i) {
        CSprite* spiral = CreateSpiralSprite(effects.sprites, random);
        spiral->sendToBack = true;
        SetScale(spiral, random.RandomFloat(1.0f, 2.5f));
        spiral->SetCentre(p);
        spiral->SetAlpha(0.0f);
        spiral->angle = random.RandomFloat(0.0f, 6.0f);
        float spin = random.RandomFloat(12.0f, 50.0f);
        if (random.RandomFloat(-1.0f, 1.0f) < 0.0f)
            spin = -spin;
        CParticle* particle = effects.particles.NewMovingParticle(spiral, 1.5f, vector2(), spin, 0);
        const float redRate = (R(random) - 0.5f) * 2.0f * kColourSpan / 1.5f;
        const float blueRate = (R(random) - 0.5f) * 2.0f * kColourSpan / 1.5f;
        if (!particle)
            continue;
        particle->alphaRate = 0.6666667f;
        particle->scaleRate = vector2(-1.3333334f, -1.3333334f);
        particle->colourRate[0] = redRate;
        particle->colourRate[2] = blueRate;
    }
}

void ArrivalTrail(EffectContext& effects, const vector2& p)
{
    RandomGenerators& random = effects.random;
    const int count = Trunc(R(random) * 35.0f + 35.0f);
    for (int i = 0; i < count; ++i) {
        const float oy = 2.0f * (R(random) - 0.5f) * 45.0f;
        const float ox = 2.0f * (R(random) - 0.5f) * 45.0f;
        CSprite* spiral = CreateSpiralSprite(effects.sprites, random);
        spiral->SetCentre(p + vector2(ox, oy));
        const float vy = -150.0f - R(random) * 150.0f;
        const float vx = (2.0f * R(random) - 1.0f) * 100.0f;
        const float spin = R(random) * 25.0f;
        CPhysicsParticle* particle = effects.particles.NewPhysicsParticle(spiral, 2.5f, vector2(vx, vy), spin, p, 0);
        const float age = random.RandomFloat(-0.25f, 0.25f);
        const float tilt = random.RandomFloat(-0.2f, 0.2f);
        const float redRate = (R(random) - 0.5f) * 2.0f * kColourSpan / 2.5f;
        const float blueRate = (R(random) - 0.5f) * 2.0f * kColourSpan / 2.5f;
        if (!particle)
            continue;
        if (age < 0.0f)
            HoldBack(*particle, spiral, age, 1.0f);
        particle->alphaRate = -0.4f;
        particle->scaleRate = vector2(-0.3f, -0.3f);
        particle->tilt = tilt;
        particle->curve = true;
        particle->colourRate[0] = redRate;
        particle->colourRate[2] = blueRate;
    }
}

void HitSparkStreaks(EffectContext& effects, const vector2& h, const vector2& v, const vector2& d)
{
    RandomGenerators& random = effects.random;
    const int count = Trunc(R(random) * 8.0f + 7.0f);
    for (int i = 0; i < count; ++i) {
        CSprite* spark = CreateSparkSprite(effects.sprites, random);
        spark->SetCentre(h + random.RandomVector() * 5.0f + d);
        SparkColour(random, spark);
        const float spread = random.RandomFloat(-0.9f, 0.9f);
        const float share = random.RandomFloat(0.1f, 0.5f) * 1.4f;
        const vector2 vel = -Rotate(v, spread) * share;
        const float lifetime = ((R(random) - 0.5f) * 0.5f + 1.0f) * 0.25f;
        CParticle* particle = effects.particles.NewMovingParticle(spark, lifetime, vel, 0.0f, 0);
        const bool redFades = R(random) < 0.5f;
        if (!particle)
            continue;
        particle->drag = 0.2f;
        particle->accel = vector2(0.0f, kGravity);
        particle->alphaRate = -1.0f / lifetime;
        particle->scaleRate = vector2(-0.3f, -0.3f);
        particle->playDeath = true;
        particle->faceVelocity = true;
        SparkColourRates(*particle, redFades);
    }
}

void HitChips(EffectContext& effects, const vector2& h, const vector2& d, CSprite* s, float f)
{
    RandomGenerators& random = effects.random;
    const int count = random.RandomInt(-10, 2);
    for (int i = 0; i < count; ++i) {
        CSprite* chip = CreateRobotPartSprite(effects.sprites, random);
        chip->SetCentre(h + random.RandomVector() * 5.0f + d);
        const float qy = -350.0f - R(random) * 50.0f;
        const float qx = (2.0f * R(random) - 1.0f) * 200.0f;
        const float lifetime = (R(random) - 0.5f) * 0.25f + 1.0f;
        const vector2 centre = s->GetCentre();
        const vector2 pivot(centre.x, centre.y + (2.0f * R(random) - 0.75f) * 50.0f);
        const float spin = random.RandomFloat(-12.0f, 12.0f);
        CPhysicsParticle* particle =
            effects.particles.NewPhysicsParticle(chip, lifetime, Rotate(vector2(qx, qy), f), spin, pivot, -1);
        if (!particle)
            continue;
        particle->accel = Rotate(vector2(0.0f, kGravity), f);
        particle->alphaRate = -1.0f / lifetime;
        particle->tilt = f;
        particle->scaleRate = vector2(-0.3f, -0.3f);
        particle->playDeath = true;
        particle->faceVelocity = false;
        particle->killOnFloor = false;
    }
}

// A rising puff of smoke that may start as fire: delayed puffs fade in, immediate ones burn.
// A puff that rises (at rise pixels a second squared, against a drag) and fades out over its life.
void Rise(CParticle* particle, float lifetime, float rise, bool playDeath)
{
    if (!particle)
        return;
    particle->playDeath = playDeath;
    particle->faceVelocity = false;
    particle->alphaRate = -1.0f / lifetime;
    particle->accel = vector2(0.0f, -rise);
    particle->drag = 1.0f;
}

void RobotSmoke(EffectContext& effects, const vector2& centre, float k)
{
    RandomGenerators& random = effects.random;
    CSprite* smoke = CreateSmokeSprite(effects.sprites, random);
    smoke->SetCentre(centre);
    SetScale(smoke, random.RandomFloat(0.5f, 1.0f) * k);
    const float grey = random.RandomFloat(0.0f, 0.25f);
    smoke->SetColour(grey, grey, grey);
    const float r1 = R(random);
    const float r2 = R(random);
    const vector2 vel(400.0f * k * (r2 - 0.5f) * 0.6f, 400.0f * k * (r1 - 0.5f));
    const float lifetime = ((R(random) - 0.5f) * 0.5f + 1.0f) * k;
    const float spin = random.RandomFloat(-12.0f, 12.0f);
    CParticle* particle = effects.particles.NewMovingParticle(smoke, lifetime, vel, spin, 0);
    const float age = random.RandomFloat(-0.75f * k, 0.25f);
    if (age < 0.0f) {
        const float fadeIn = random.RandomFloat(0.5f, 1.0f);
        if (particle)
            HoldBack(*particle, smoke, age, fadeIn);
    } else {
        LightFirePuff(random, particle, smoke, lifetime, FireDraw::kGreenFirst);
    }
    Rise(particle, lifetime, random.RandomFloat(300.0f, 600.0f), true);
}

void RobotSparks(EffectContext& effects, const PlayerCharacter& robot, int count)
{
    RandomGenerators& random = effects.random;
    for (int i = 0; i < count; ++i) {
        CSprite* spark = CreateSparkSprite(effects.sprites, random);
        spark->SetCentre(AtCharacter(robot, CentredOffset(random, 10.0f)));
        SparkColour(random, spark);
        const float r1 = R(random);
        const float r2 = R(random);
        const vector2 vel((r2 - 0.5f) * 1600.0f, (r1 - 0.5f) * 0.6f * 1600.0f);
        const float lifetime = ((R(random) - 0.5f) * 0.5f + 1.0f) * random.RandomFloat(0.01f, 0.6f);
        CParticle* particle = effects.particles.NewMovingParticle(spark, lifetime, vel, 0.0f, 0);
        const float age = random.RandomFloat(-0.3f, 0.0f);
        const bool redFades = R(random) < 0.5f;
        if (!particle)
            continue;
        particle->age = age;
        particle->alphaRate = -1.0f / lifetime;
        particle->scaleRate = vector2(-0.3f, -0.3f);
        particle->playDeath = true;
        particle->faceVelocity = true;
        SparkColourRates(*particle, redFades);
    }
}

void ExplosionRing(EffectContext& effects, const vector2& p, float x)
{
    RandomGenerators& random = effects.random;
    const int count = Trunc((R(random) * 35.0f + 59.0f) * x);
    if (count < 1)
        return;
    const float step = 6.283185f / static_cast<float>(count);
    vector2 d(1.0f, 0.0f);
    for (int i = 0; i < count; ++i) {
        CSprite* smoke = CreateSmokeSprite(effects.sprites, random);
        smoke->SetCentre(p + CentredOffset(random, 10.0f));
        const float upper = random.RandomFloat(0.75f, 1.0f);
        const float red = random.RandomFloat(0.75f, 1.0f);
        const float green = random.RandomFloat(0.5f, upper);
        smoke->SetColour(red, green, 0.0f);
        smoke->bright = true;
        d = Rotate(d, random.RandomFloat(0.9f, 1.1f) * step);
        const float speed = random.RandomFloat(0.85f, 1.0f) * 1200.0f * x;
        const float boost = (4.0f - LengthSquared(d - vector2(0.0f, -1.0f))) / 40.0f + 1.0f;
        const float lifetime = ((R(random) - 0.5f) * 0.5f + 1.0f) * random.RandomFloat(0.01f, 0.6f);
        const float spin = random.RandomFloat(-12.0f, 12.0f);
        CParticle* particle = effects.particles.NewMovingParticle(smoke, lifetime, d * speed * boost, spin, 1);
        if (!particle)
            continue;
        particle->drag = -0.6f;
        particle->alphaRate = -1.0f / lifetime;
        particle->scaleRate = vector2(1.0f, 1.0f);
        particle->playDeath = false;
        particle->faceVelocity = false;
        particle->colourRate[0] = -1.0f / lifetime;
        particle->colourRate[1] = -1.0f / lifetime;
    }
}

void ExplosionPuffs(EffectContext& effects, const vector2& p, float x)
{
    RandomGenerators& random = effects.random;
    const int count = Trunc(random.RandomFloat(25.0f, 50.0f) * x);
    const float a = 400.0f * x;
    for (int i = 0; i < count; ++i) {
        CSprite* smoke = CreateSmokeSprite(effects.sprites, random);
        SetScale(smoke, random.RandomFloat(0.5f, 1.0f) * x);
        const float grey = random.RandomFloat(0.0f, 0.25f);
        smoke->SetColour(grey, grey, grey);
        smoke->SetCentre(p + CentredOffset(random, 15.0f) * x);
        const float r1 = R(random);
        const float r2 = R(random);
        const vector2 vel((r2 - 0.5f) * 0.6f * a, (r1 - 0.5f) * a);
        const float lifetime = ((R(random) - 0.5f) * 0.5f + 1.0f) * x;
        const int32_t priority = random.RandomInt(-1, 0);
        const float spin = random.RandomFloat(-12.0f, 12.0f);
        CParticle* particle = effects.particles.NewMovingParticle(smoke, lifetime, vel, spin, priority);
        if (R(random) < 0.35f)
            LightFirePuff(random, particle, smoke, lifetime, FireDraw::kRedFirst);
        Rise(particle, lifetime, random.RandomFloat(300.0f, 600.0f), false);
    }
}

void ExplosionSparks(EffectContext& effects, const vector2& p, float x)
{
    RandomGenerators& random = effects.random;
    const int count = Trunc((R(random) * 25.0f + 25.0f) * x);
    for (int i = 0; i < count; ++i) {
        CSprite* spark = CreateSparkSprite(effects.sprites, random);
        spark->SetCentre(p + CentredOffset(random, 45.0f) * x);
        SparkColour(random, spark);
        SetScale(spark, x);
        const PieceThrow piece = DrawPieceThrow(random);
        const vector2 pivot(p.x, p.y + piece.floorDrop);
        CPhysicsParticle* particle = LaunchPiece(effects, spark, piece, pivot, 0.0f, -1, i);
        if (!particle)
            continue;
        particle->playDeath = false;
        particle->alphaRate = -1.0f / piece.lifetime;
    }
}

} // namespace

CSprite* CreateSpiralSprite(CSpriteContainer& sprites, RandomGenerators& random)
{
    CSprite* spiral = sprites.CreateSprite(datafiles::kSpiral);
    const float r1 = R(random);
    const float r2 = R(random);
    R(random);
    spiral->SetColour((r2 * 200.0f + 25.0f) / 255.0f, 0.0f, (r1 * 200.0f + 25.0f) / 255.0f);
    SetScale(spiral, random.RandomFloat(0.05f, 0.25f));
    return spiral;
}

CSprite* CreateRobotPartSprite(CSpriteContainer& sprites, RandomGenerators& random)
{
    return MakeDebrisSprite(sprites, datafiles::RobotPart(random.RandomInt(1, 4)), true);
}

CSprite* CreateSmokeSprite(CSpriteContainer& sprites, RandomGenerators& random)
{
    return MakeDebrisSprite(sprites, datafiles::Smoke(random.RandomInt(1, 5)), true);
}

CSprite* CreateSparkSprite(CSpriteContainer& sprites, RandomGenerators& random)
{
    return MakeDebrisSprite(sprites, datafiles::Spark(random.RandomInt(1, 5)), true);
}

CSprite* CreateBloodDropSprite(CSpriteContainer& sprites, RandomGenerators& random)
{
    R(random);
    const int n = 1 + Trunc(R(random) * 8.0f);
    return MakeDebrisSprite(sprites, datafiles::BloodDrop(n), false);
}

void SpawnArrivalEffect(EffectContext& effects, PlayerCharacter& character)
{
    const vector2 p = character.Position();
    if (effects.grid)
        effects.grid->Push(p, 60000.0f, 700.0f);
    ArrivalBody(effects, character);
    ArrivalFlashes(effects, p);
    ArrivalTrail(effects, p);
}

void SpawnHitSparks(EffectContext& effects, const vector2& h, const vector2& v, CSprite* s, float f)
{
    const vector2 d = Normalized(v) * 10.0f;
    HitSparkStreaks(effects, h, v, d);
    if (s)
        HitChips(effects, h, d, s, f);
}

void SpawnBloodBurst(EffectContext& effects, const PlayerCharacter& character)
{
    RandomGenerators& random = effects.random;
    const int spray = Trunc(R(random) * 8.0f + 8.0f);
    for (int i = 0; i < spray; ++i)
        ThrowPiece(effects, CreateBloodDropSprite(effects.sprites, random), character, i, 0);
    const int splash = Trunc(R(random) * 8.0f + 7.0f);
    for (int i = 0; i < splash; ++i) {
        CSprite* drop = CreateBloodDropSprite(effects.sprites, random);
        drop->SetCentre(AtCharacter(character, CentredOffset(random, 10.0f)));
        const float lifetime = ((R(random) - 0.5f) * 0.5f + 1.0f) * 0.5f;
        const float vy = (R(random) - 0.5f) * 0.6f * 1600.0f;
        const float vx = (R(random) - 0.5f) * 1600.0f;
        CParticle* particle = effects.particles.NewMovingParticle(drop, lifetime, vector2(vx, vy), 0.0f, 0);
        if (!particle)
            continue;
        particle->alphaRate = -0.1f;
        particle->scaleRate = vector2(-0.3f, -0.3f);
        particle->playDeath = true;
        particle->faceVelocity = true;
    }
}

void SpawnRobotDebris(EffectContext& effects, const EnemyCharacter& robot)
{
    RandomGenerators& random = effects.random;
    const bool small = robot.kind->smallDebris;
    const float k = small ? 0.75f : 1.0f;
    int smoke = random.RandomInt(100, 150);
    if (small)
        smoke = Trunc(smoke * 0.25f);
    for (int i = 0; i < smoke; ++i)
        RobotSmoke(effects, AtCharacter(robot, CentredOffset(random, 15.0f) * k), k);
    const int parts = small ? 3 : Trunc(R(random) * 8.0f + 8.0f);
    for (int i = 0; i < parts; ++i)
        ThrowPiece(effects, CreateRobotPartSprite(effects.sprites, random), robot, i, -1);
    int sparks = Trunc(R(random) * 100.0f + 150.0f);
    if (small)
        sparks = Trunc(sparks * 0.25f);
    RobotSparks(effects, robot, sparks);
}

void SpawnExplosionEffect(EffectContext& effects, const vector2& p, float scale)
{
    if (effects.grid)
        effects.grid->Push(p, -50000.0f, 500.0f);
    ExplosionRing(effects, p, scale);
    ExplosionPuffs(effects, p, scale);
    ExplosionSparks(effects, p, scale);
}
