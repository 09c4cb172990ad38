// The effect recipes: how many pieces of what, refused pieces over the soft limit, and the
// images the factories pick.
#include "characters/effects/arrivaleffect.h"
#include "characters/effects/deatheffects.h"
#include "characters/effects/effectpieces.h"
#include "characters/effects/explosioneffect.h"
#include "characters/effects/hiteffect.h"
#include "particles/particle.h"
#include "engine/render/texturecache.h"
#include "world/world.h"

#include "support/worldfixture.h"

#include <climits>
#include <cstdint>

using testsupport::WorldTest;

namespace {

struct Census {
    int parts = 0;   // thrown physics pieces that may be refused
    int smoke = 0;   // rising puffs
    int sparks = 0;  // plain sparks that face their velocity
    int ring = 0;    // protected explosion ring puffs
};

Census Count(const ParticleSystem& particles)
{
    Census census;
    for (const CParticle* particle : particles.live) {
        const bool physics = dynamic_cast<const CPhysicsParticle*>(particle) != nullptr;
        if (physics && particle->priority == -1)
            ++census.parts;
        else if (!physics && particle->priority == 1)
            ++census.ring;
        else if (!physics && particle->drag == 1.0f)
            ++census.smoke;
        else if (!physics && particle->faceVelocity)
            ++census.sparks;
    }
    return census;
}

struct EffectsTest : WorldTest {
    EffectsTest() { Load(); }
    void SetUp() override { World().particles.Clear(); }
};

constexpr int64_t kModulus = 2147483647;

// The state whose next draw of the minimal standard generator leads to the given state.
int64_t Predecessor(int64_t state)
{
    int64_t inverse = 1; // 16807^(m-2): the inverse of 16807 modulo the prime
    int64_t base = 16807;
    for (int64_t e = kModulus - 2; e > 0; e >>= 1) {
        if (e & 1)
            inverse = inverse * base % kModulus;
        base = base * base % kModulus;
    }
    return state * inverse % kModulus;
}

} // namespace

TEST_F(EffectsTest, ASmallRobotsDeathGivesThreePartsAndAQuarterOfTheSmokeAndSparks)
{
    for (int seed = 1; seed < 30; ++seed) {
        random.RandomSeed(seed * 7919);
        random.SeedRuntimeRandom(seed);
        World().particles.Clear();
        EnemyCharacter* robot = Spawn(3, vector2(640, 360), vector2(640, 360));
        EffectContext effects = World().Effects();
        SpawnRobotDebris(effects, *robot);
        const Census census = Count(World().particles);
        EXPECT_EQ(census.parts, 3);
        EXPECT_GE(census.smoke, 25);
        EXPECT_LE(census.smoke, 37);
        EXPECT_GE(census.sparks, 37);
        EXPECT_LE(census.sparks, 62);
    }
}

TEST_F(EffectsTest, ABigRobotsDeathIsTheLargestBurst)
{
    EnemyCharacter* robot = Spawn(1, vector2(640, 360), vector2(640, 360));
    EffectContext effects = World().Effects();
    SpawnRobotDebris(effects, *robot);
    const Census census = Count(World().particles);
    EXPECT_GE(census.parts, 8);
    EXPECT_LE(census.parts, 15);
    EXPECT_GE(census.smoke, 100);
    EXPECT_LE(census.smoke, 150);
    EXPECT_GE(census.sparks, 150);
    EXPECT_LE(census.sparks, 249);
}

TEST_F(EffectsTest, AnExplosionMakesItsRingPuffsAndSparks)
{
    for (int seed = 1; seed < 20; ++seed) {
        random.RandomSeed(seed * 104729);
        World().particles.Clear();
        EffectContext effects = World().Effects();
        SpawnExplosionEffect(effects, vector2(640, 360), 1.0f);
        const Census census = Count(World().particles);
        EXPECT_GE(census.ring, 59);
        EXPECT_LE(census.ring, 93);
        EXPECT_GE(census.smoke, 25);
        EXPECT_LE(census.smoke, 50);
        EXPECT_GE(census.parts, 25) << "thrown sparks";
        EXPECT_LE(census.parts, 49);
    }
}

TEST_F(EffectsTest, OverTheSoftLimitTheRobotPartsAreRefusedAndTheirSpritesKilled)
{
    ParticleSystem& particles = World().particles;
    for (int i = 0; i < 651; ++i) {
        CParticle* filler = particles.NewParticle(World().sprites.CreateSprite(""));
        filler->priority = 1;
        filler->lifetime = 100.0f;
        particles.AddLive(filler);
    }
    EnemyCharacter* robot = Spawn(3, vector2(640, 360), vector2(640, 360));
    const std::size_t spritesBefore = World().sprites.Count();
    EffectContext effects = World().Effects();
    SpawnRobotDebris(effects, *robot);
    EXPECT_EQ(Count(particles).parts, 0);
    EXPECT_GT(Count(particles).smoke, 0) << "smoke and sparks are still made, and culled later";
    int killed = 0;
    for (const CSprite* sprite : World().sprites.Sprites())
        killed += sprite->killed ? 1 : 0;
    EXPECT_GE(killed, 3) << "the refused parts' sprites die at once";
    EXPECT_GT(World().sprites.Count(), spritesBefore);
}

// A piece that gets no particle, refused over the soft limit or finding no free place, draws what
// it would have drawn: the minimal standard generator ends where it ends when every piece is made.
TEST_F(EffectsTest, PiecesWithoutAParticleDrawWhatTheyWouldHaveDrawn)
{
    auto stateAfterEffects = [this](int fillers) {
        ParticleSystem& particles = World().particles;
        particles.Clear();
        particles.softLimit = INT_MAX;
        for (int i = 0; i < fillers; ++i) {
            CParticle* filler = particles.NewParticle(World().sprites.CreateSprite(""));
            filler->priority = 1;
            filler->lifetime = 100.0f;
            particles.AddLive(filler);
        }
        particles.softLimit = 650;
        // The debris first: its smoke count comes from the runtime generator, which the culls of
        // a crowded system move.
        random = RandomGenerators(4242);
        EnemyCharacter* robot = Spawn(1, vector2(640, 360), vector2(640, 360));
        EffectContext effects = World().Effects();
        SpawnRobotDebris(effects, *robot);
        SpawnArrivalEffect(effects, *Player());
        SpawnExplosionEffect(effects, vector2(500, 300), 1.0f);
        SpawnHitSparks(effects, vector2(300, 300), vector2(950, 0), nullptr, 0.0f);
        SpawnBloodBurst(effects, *Player());
        return random.RandomState();
    };
    const double everyPieceMade = stateAfterEffects(0);
    EXPECT_EQ(stateAfterEffects(651), everyPieceMade) << "over the soft limit";
    EXPECT_EQ(stateAfterEffects(ParticleStore::kCapacity), everyPieceMade) << "with no place free";
}

TEST_F(EffectsTest, HitSparksMakeAtMostTwoChipsAndNoneWithoutASprite)
{
    int withChips = 0;
    for (int seed = 1; seed <= 130; ++seed) {
        random.SeedRuntimeRandom(seed);
        World().particles.Clear();
        EffectContext effects = World().Effects();
        CSprite* body = World().sprites.CreateSprite("");
        SpawnHitSparks(effects, vector2(300, 300), vector2(950, 0), body, 0.0f);
        const Census census = Count(World().particles);
        EXPECT_LE(census.parts, 2);
        EXPECT_GE(census.sparks, 7);
        EXPECT_LE(census.sparks, 14);
        withChips += census.parts > 0 ? 1 : 0;
        World().particles.Clear();
        SpawnHitSparks(effects, vector2(300, 300), vector2(950, 0), nullptr, 0.0f);
        EXPECT_EQ(Count(World().particles).parts, 0);
    }
    EXPECT_GT(withChips, 5);
    EXPECT_LT(withChips, 40) << "2 in 13 hits throw chips";
}

TEST_F(EffectsTest, TheArrivalSpinsTheBodyInAndThrowsSpirals)
{
    EffectContext effects = World().Effects();
    World().particles.Clear();
    SpawnArrivalEffect(effects, *Player());
    EXPECT_EQ(Player()->sprite->scaleX, 0.2f);
    EXPECT_EQ(Player()->sprite->colour[3], 0.0f);
    EXPECT_TRUE(World().particles.Drives(Player()->sprite));
    int trail = 0;
    for (const CParticle* particle : World().particles.live) {
        if (const CPhysicsParticle* physics = dynamic_cast<const CPhysicsParticle*>(particle))
            trail += physics->curve ? 1 : 0;
    }
    EXPECT_GE(trail, 35);
    EXPECT_LE(trail, 69);
    EXPECT_EQ(World().particles.LiveCount(), 1 + 5 + trail);
}

TEST_F(EffectsTest, FactoriesOnlyEverPickImagesThatExist)
{
    // Every image a factory can ask for exists here; a number out of range would find none.
    ReleaseAllTextures();
    const std::vector<uint8_t> pixel(4, 255);
    dir.MakeDir("data");
    dir.MakeDir("data/gfx");
    for (int n = 1; n <= 8; ++n) {
        testsupport::WritePng(dir.File("data/gfx/zarn_blood_drop" + std::to_string(n) + ".png"), 1, 1, pixel.data());
        testsupport::WritePng(dir.File("data/gfx/robo_part_0" + std::to_string(n) + ".png"), 1, 1, pixel.data());
        testsupport::WritePng(dir.File("data/gfx/smoke_0" + std::to_string(n) + ".png"), 1, 1, pixel.data());
        testsupport::WritePng(dir.File("data/gfx/spark_0" + std::to_string(n) + ".png"), 1, 1, pixel.data());
    }
    testsupport::InDirectory(dir.Path(), [&] {
        // The blood drop discards one draw and uses the next: make that next draw the
        // generator's largest value, which rounds to 1.0 in single precision.
        const double beforeDiscard = static_cast<double>(Predecessor(Predecessor(kModulus - 1)));
        random.RandomSeed(beforeDiscard);
        random.Random01();
        EXPECT_EQ(static_cast<float>(random.Random01()), 1.0f);
        random.RandomSeed(beforeDiscard);
        for (int i = 0; i < 400; ++i) {
            CSprite* drop = CreateBloodDropSprite(World().sprites, random);
            CSprite* part = CreateRobotPartSprite(World().sprites, random);
            CSprite* smoke = CreateSmokeSprite(World().sprites, random);
            CSprite* spark = CreateSparkSprite(World().sprites, random);
            for (CSprite* sprite : {drop, part, smoke, spark})
                ASSERT_NE(sprite->texture, nullptr) << "iteration " << i;
        }
    });
    ReleaseAllTextures();
}
