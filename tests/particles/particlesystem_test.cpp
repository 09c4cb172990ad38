// The particle system: recycling done particles, culling over the soft limit, refusals, the
// fixed store of places, and what happens to sprites on the way.
#include "particles/particlesystem.h"
#include "engine/core/random.h"
#include "engine/render/sprite.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <set>
#include <vector>

namespace {

constexpr int kPlaces = ParticleStore::kCapacity;

// Sprites that outlive their particle system, as a world's sprite container does, and the
// generators the system culls with.
struct ParticleScene {
    std::vector<std::unique_ptr<CSprite>> sprites;
    RandomGenerators random;
    ParticleSystem system{random};

    CSprite* NewSprite()
    {
        sprites.push_back(std::make_unique<CSprite>());
        CSprite* s = sprites.back().get();
        s->width = s->height = 8.0f;
        return s;
    }

    // Appends count long-lived particles of the priority (no culling on the way).
    void Fill(int count, int32_t priority)
    {
        const int32_t softLimit = system.softLimit;
        system.softLimit = INT_MAX;
        for (int i = 0; i < count; ++i) {
            CParticle* p = system.NewParticle(NewSprite());
            p->lifetime = 100.0f;
            p->priority = priority;
            system.AddLive(p);
        }
        system.softLimit = softLimit;
    }

    int KilledSprites() const
    {
        return static_cast<int>(std::count_if(sprites.begin(), sprites.end(),
                                              [](const std::unique_ptr<CSprite>& s) { return s->killed; }));
    }

    int LiveWithPriorityAtLeast(int32_t priority) const
    {
        return static_cast<int>(std::count_if(system.live.begin(), system.live.end(),
                                              [priority](const CParticle* p) { return p->priority >= priority; }));
    }

    // Indices (in creation order) of the sprites still driven by live particles.
    std::set<std::size_t> DrivenSpriteIndices() const
    {
        std::set<std::size_t> indices;
        for (std::size_t i = 0; i < sprites.size(); ++i) {
            if (system.Drives(sprites[i].get()))
                indices.insert(i);
        }
        return indices;
    }
};

struct ParticleSystemTest : ::testing::Test, ParticleScene {
    void SetUp() override { random.SeedRuntimeRandom(20240611u); }
};

} // namespace

TEST_F(ParticleSystemTest, DoneParticleIsRecycledOnTheStepItsAgeReachesTheLifetime)
{
    CSprite* sprite = NewSprite();
    CParticle* p = system.NewParticle(sprite);
    p->lifetime = 0.5f;
    system.AddLive(p);

    int steps = 0;
    float ageBefore = 0.0f; // before the last update (a recycled particle is gone)
    while (system.LiveCount() == 1 && steps < 100) {
        EXPECT_FALSE(sprite->killed);
        ageBefore = p->age;
        system.Update(16);
        ++steps;
    }
    EXPECT_EQ(steps, 32); // 31 steps reach 0.496 s, the 32nd 0.512 s
    EXPECT_GE(ageBefore + 0.016f, 0.5f);
    EXPECT_LT(ageBefore, 0.5f);
    EXPECT_TRUE(sprite->killed);
    EXPECT_EQ(system.FreePlaces(), kPlaces);
    // Its place is the next one used.
    CSprite* next = NewSprite();
    EXPECT_EQ(system.NewParticle(next), p);
    EXPECT_EQ(p->sprite, next);
    system.AddLive(p);
}

TEST_F(ParticleSystemTest, EveryParticleIsUpdatedOnceWhileRemovalsSwapInTheLast)
{
    for (int i = 0; i < 10; ++i) {
        CParticle* p = system.NewParticle(NewSprite());
        p->lifetime = (i % 2 == 0) ? 0.01f : 10.0f;
        system.AddLive(p);
    }
    system.Update(16);
    ASSERT_EQ(system.LiveCount(), 5);
    for (const CParticle* p : system.live) {
        EXPECT_EQ(p->lifetime, 10.0f);
        EXPECT_EQ(p->age, 0.016f);
    }
    EXPECT_EQ(system.FreePlaces(), kPlaces - 5);
}

TEST_F(ParticleSystemTest, CullingRemovesAtMostTheExcessAndSparesProtectedParticles)
{
    Fill(600, 0);
    Fill(100, 1);
    system.Update(16);
    const int removed = 700 - system.LiveCount();
    EXPECT_GT(removed, 0);
    EXPECT_LE(removed, 50);
    EXPECT_EQ(LiveWithPriorityAtLeast(1), 100);
    EXPECT_EQ(KilledSprites(), removed);

    // At or under the soft limit nothing is drawn from the generator and nothing is culled.
    while (system.LiveCount() > 650)
        system.Update(16);
    const uint32_t state = random.RuntimeRandomState();
    system.Update(16);
    EXPECT_EQ(random.RuntimeRandomState(), state);
    EXPECT_EQ(system.LiveCount(), 650);
}

TEST(ParticleSystemCullTest, CullingIsTheSameForTheSameSeed)
{
    std::set<std::size_t> survivors[2];
    for (std::set<std::size_t>& run : survivors) {
        ParticleScene scene;
        scene.random.SeedRuntimeRandom(7u);
        scene.Fill(700, 0);
        scene.system.Update(16);
        run = scene.DrivenSpriteIndices();
    }
    EXPECT_LT(survivors[0].size(), 700u);
    EXPECT_EQ(survivors[0], survivors[1]);
}

TEST_F(ParticleSystemTest, NewParticleOverTheLimitCullsOneUnprotectedLiveParticle)
{
    Fill(660, 0);
    CParticle* p = system.NewParticle(NewSprite());
    EXPECT_EQ(system.LiveCount(), 659);
    EXPECT_EQ(KilledSprites(), 1);
    EXPECT_EQ(std::find(system.live.begin(), system.live.end(), p), system.live.end());
    system.AddLive(p);

    // Protected particles survive the draw.
    RandomGenerators guardedRandom;
    ParticleSystem guarded(guardedRandom);
    for (int i = 0; i < 660; ++i) {
        CParticle* q = guarded.NewParticle(nullptr);
        q->priority = 1;
        guarded.AddLive(q);
    }
    const uint32_t state = guardedRandom.RuntimeRandomState();
    guarded.AddLive(guarded.NewParticle(nullptr));
    EXPECT_NE(guardedRandom.RuntimeRandomState(), state);
    EXPECT_EQ(guarded.LiveCount(), 661);
}

TEST_F(ParticleSystemTest, NegativePriorityIsRefusedOverTheSoftLimit)
{
    for (int i = 0; i < 651; ++i)
        system.NewMovingParticle(NewSprite(), 100.0f, vector2(1, 0), 0.0f, 0);
    ASSERT_EQ(system.LiveCount(), 651);

    CSprite* refused = NewSprite();
    EXPECT_EQ(system.NewPhysicsParticle(refused, 1.0f, vector2(), 0.0f, vector2(), -1), nullptr);
    EXPECT_TRUE(refused->killed);
    CSprite* puff = NewSprite();
    EXPECT_EQ(system.NewMovingParticle(puff, 1.0f, vector2(), 0.0f, -1), nullptr);
    EXPECT_TRUE(puff->killed);
    EXPECT_EQ(system.LiveCount(), 651);
    EXPECT_EQ(system.FreePlaces(), kPlaces - 651) << "a refused particle takes no place";

    // No particle is nothing to add.
    system.AddLive(nullptr);
    EXPECT_EQ(system.LiveCount(), 651);
    EXPECT_FALSE(system.Drives(nullptr));

    CSprite* kept = NewSprite();
    CPhysicsParticle* made = system.NewPhysicsParticle(kept, 2.0f, vector2(3, 4), 5.0f, vector2(6, 7), 0);
    ASSERT_NE(made, nullptr);
    EXPECT_FALSE(kept->killed);
    EXPECT_EQ(system.LiveCount(), 652);
    EXPECT_EQ(system.live.back(), made);
    EXPECT_EQ(made->lifetime, 2.0f);
    EXPECT_EQ(made->vel, vector2(3, 4));
    EXPECT_EQ(made->spin, 5.0f);
    EXPECT_EQ(made->pivot, vector2(6, 7));
    EXPECT_EQ(made->priority, 0);

    // Physics pieces of priority 0 are never refused.
    system.NewPhysicsParticle(NewSprite(), 1.0f, vector2(), 0.0f, vector2(), 0);
    EXPECT_EQ(system.LiveCount(), 653);
}

TEST_F(ParticleSystemTest, AttachSpriteReusesTheDrivingParticleWithoutRestartingIt)
{
    CSprite* bar = NewSprite();
    CParticle* p = system.NewMovingParticle(bar, 2.0f, vector2(), 0.0f, 0);
    for (int i = 0; i < 10; ++i)
        system.Update(16);
    const float age = p->age;

    EXPECT_EQ(system.AttachSprite(bar, 0.5f), p);
    EXPECT_EQ(p->age, age);
    EXPECT_EQ(p->priority, 1);
    EXPECT_EQ(p->lifetime, 0.5f);
    EXPECT_FALSE(p->removeSprite);
    EXPECT_EQ(system.LiveCount(), 1);

    CSprite* fresh = NewSprite();
    CParticle* q = system.AttachSprite(fresh, 1.0f);
    EXPECT_EQ(system.LiveCount(), 2);
    EXPECT_EQ(q->age, 0.0f);
    EXPECT_EQ(q->priority, 1);
    EXPECT_FALSE(q->removeSprite);
    EXPECT_EQ(system.AttachSprite(nullptr, 1.0f), nullptr);

    // The fade ends without killing the sprite.
    for (int i = 0; i < 100; ++i)
        system.Update(16);
    EXPECT_EQ(system.LiveCount(), 0);
    EXPECT_FALSE(bar->killed || fresh->killed);
}

TEST_F(ParticleSystemTest, WithEveryPlaceTakenNewParticlesAreRefusedButAFadeStaysPossible)
{
    Fill(kPlaces - 1, 1);
    CSprite* bar = NewSprite();
    ASSERT_NE(system.AttachSprite(bar, 0.5f), nullptr);
    ASSERT_EQ(system.FreePlaces(), 0);

    CSprite* puff = NewSprite();
    EXPECT_EQ(system.NewMovingParticle(puff, 1.0f, vector2(), 0.0f, 1), nullptr);
    EXPECT_TRUE(puff->killed) << "a sprite that got no particle would stay for good";
    CSprite* piece = NewSprite();
    EXPECT_EQ(system.NewPhysicsParticle(piece, 1.0f, vector2(), 0.0f, vector2(), 0), nullptr);
    EXPECT_TRUE(piece->killed);
    CSprite* message = NewSprite();
    EXPECT_EQ(system.AttachSprite(message, 1.0f), nullptr);
    EXPECT_FALSE(message->killed) << "a sprite handed over for a fade is not the system's to end";
    EXPECT_NE(system.AttachSprite(bar, 0.5f), nullptr) << "the particle that drives it already is reused";
    EXPECT_EQ(system.LiveCount(), kPlaces);

    // A place freed is a particle made.
    system.ReleaseSprite(bar);
    EXPECT_NE(system.NewMovingParticle(NewSprite(), 1.0f, vector2(), 0.0f, 1), nullptr);
}

TEST_F(ParticleSystemTest, AParticleInAFreedPlaceStartsFromTheDefaults)
{
    CSprite* first = NewSprite();
    CParticle* p = system.NewMovingParticle(first, 9.0f, vector2(1, 1), 1.0f, 1);
    p->age = 3.0f;
    p->done = true;
    p->alphaRate = p->drag = p->delayAlphaRate = 1.0f;
    p->colourRate = {{1.0f, 1.0f, 1.0f}};
    p->accel = p->scaleRate = vector2(1, 1);
    p->fixedAlpha = 0.3f;
    p->removeSprite = false;
    p->faceVelocity = p->playDeath = true;
    system.ReleaseSprite(first);

    CSprite* other = NewSprite();
    CParticle* q = system.NewParticle(other);
    ASSERT_EQ(q, p) << "the place freed last is used first";
    EXPECT_EQ(q->sprite, other);
    EXPECT_FALSE(q->done);
    EXPECT_EQ(q->age, 0.0f);
    EXPECT_EQ(q->lifetime, 1.0f);
    EXPECT_EQ(q->alphaRate + q->spin + q->drag + q->delayAlphaRate, 0.0f);
    EXPECT_EQ(q->colourRate[0] + q->colourRate[1] + q->colourRate[2], 0.0f);
    EXPECT_EQ(q->vel, vector2());
    EXPECT_EQ(q->accel, vector2());
    EXPECT_EQ(q->scaleRate, vector2());
    EXPECT_EQ(q->fixedAlpha, -1.0f);
    EXPECT_TRUE(q->removeSprite);
    EXPECT_FALSE(q->faceVelocity || q->playDeath);
    EXPECT_EQ(q->priority, 0);
    system.AddLive(q);

    // A physics particle's place takes a plain particle, and the other way round.
    CSprite* piece = NewSprite();
    CPhysicsParticle* physics = system.NewPhysicsParticle(piece, 1.0f, vector2(), 0.0f, vector2(), 0);
    system.ReleaseSprite(piece);
    CParticle* plain = system.NewParticle(NewSprite());
    EXPECT_EQ(static_cast<void*>(plain), static_cast<void*>(physics));
    EXPECT_EQ(dynamic_cast<CPhysicsParticle*>(plain), nullptr);
    system.AddLive(plain);
}

TEST_F(ParticleSystemTest, ReleaseSpriteRemovesEveryParticleDrivingIt)
{
    CSprite* a = NewSprite();
    CSprite* b = NewSprite();
    CSprite* c = NewSprite();
    for (CSprite* s : {a, b, a, a, c, a})
        system.NewMovingParticle(s, 5.0f, vector2(), 0.0f, 0);
    system.NewPhysicsParticle(a, 1.0f, vector2(), 0.0f, vector2(), 0);
    system.ReleaseSprite(a);
    EXPECT_EQ(system.LiveCount(), 2);
    EXPECT_FALSE(system.Drives(a));
    EXPECT_TRUE(system.Drives(b));
    EXPECT_TRUE(system.Drives(c));
    EXPECT_EQ(system.FreePlaces(), kPlaces - 2);
}

TEST_F(ParticleSystemTest, ClearRecyclesEveryLiveParticle)
{
    for (int i = 0; i < 5; ++i)
        system.NewMovingParticle(NewSprite(), 5.0f, vector2(), 0.0f, 0);
    system.NewPhysicsParticle(NewSprite(), 1.0f, vector2(), 0.0f, vector2(), 0);
    const std::size_t capacity = system.live.capacity();
    system.Clear();
    EXPECT_EQ(system.LiveCount(), 0);
    EXPECT_EQ(system.live.capacity(), capacity);
    EXPECT_EQ(system.FreePlaces(), kPlaces);
    EXPECT_EQ(KilledSprites(), 6);
}

// The sprites go before the system here; under AddressSanitizer any particle that still reached
// its old sprite while the system is destroyed would be a use after free: the retired ones, and
// those made but never made live.
TEST(ParticleSystemLifetimeTest, DestroyingTheSystemTouchesNoSpriteOfARetiredOrNeverLiveParticle)
{
    auto scene = std::make_unique<ParticleScene>();
    ParticleSystem& system = scene->system;
    for (int i = 0; i < 20; ++i) {
        CParticle* p = system.NewMovingParticle(scene->NewSprite(), 0.1f, vector2(), 0.0f, 0);
        p->playDeath = true;
    }
    for (int i = 0; i < 3; ++i)
        system.NewParticle(scene->NewSprite())->playDeath = true;
    for (int i = 0; i < 10; ++i)
        system.Update(16);
    ASSERT_EQ(system.LiveCount(), 0);
    ASSERT_EQ(system.FreePlaces(), kPlaces - 3);
    EXPECT_EQ(scene->KilledSprites(), 20);
    scene->sprites.clear();
    scene.reset();
}

// The overlay's system has generators of its own until the game phase hands it its own.
TEST(ParticleSystemCullTest, ASystemMadeOnItsOwnCullsFromTheGeneratorsItIsHanded)
{
    std::vector<std::unique_ptr<CSprite>> sprites;
    ParticleSystem system;
    system.softLimit = 0;
    auto add = [&] {
        sprites.push_back(std::make_unique<CSprite>());
        system.AddLive(system.NewParticle(sprites.back().get()));
    };
    add();
    add(); // over the limit: a cull drawn from the system's own generators
    RandomGenerators phase(99);
    system.DrawFrom(phase);
    add();
    EXPECT_NE(phase.RuntimeRandomState(), 99u) << "the next cull draws from the phase's";
}
