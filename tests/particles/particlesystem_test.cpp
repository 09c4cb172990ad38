#include "particles/particlesystem.h"
#include "engine/random.h"
#include "engine/sprite.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <vector>

namespace {

// Sprites that outlive their particle system, as a world's sprite container does.
struct ParticleScene {
    std::vector<std::unique_ptr<CSprite>> sprites;
    ParticleSystem system;

    CSprite* NewSprite()
    {
        sprites.push_back(std::make_unique<CSprite>());
        CSprite* s = sprites.back().get();
        s->width = s->height = 8.0f;
        return s;
    }

    // Appends count long-lived particles of the priority directly (no culling on the way).
    void Fill(int count, int32_t priority)
    {
        for (int i = 0; i < count; ++i) {
            CParticle* p = new CParticle(NewSprite());
            p->lifetime = 100.0f;
            p->priority = priority;
            system.AddLive(p);
        }
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
    void SetUp() override { SeedRuntimeRandom(20240611u); }
};

} // namespace

TEST_F(ParticleSystemTest, DoneParticleIsRecycledOnTheStepItsAgeReachesTheLifetime)
{
    CSprite* sprite = NewSprite();
    CParticle* p = system.NewParticle(sprite);
    p->lifetime = 0.5f;
    system.AddLive(p);

    int steps = 0;
    while (system.LiveCount() == 1 && steps < 100) {
        EXPECT_FALSE(sprite->killed);
        system.Update(16);
        ++steps;
    }
    EXPECT_EQ(steps, 32); // 31 steps reach 0.496 s, the 32nd 0.512 s
    EXPECT_GE(p->age, 0.5f);
    EXPECT_LT(p->age - 0.016f, 0.5f);
    EXPECT_TRUE(sprite->killed);
    EXPECT_EQ(system.PooledCount(), 1);
    EXPECT_EQ(p->sprite, nullptr);
    EXPECT_EQ(system.pool.Newest(), p);
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
    EXPECT_EQ(system.PooledCount(), 5);
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
    const uint32_t state = RuntimeRandomState();
    system.Update(16);
    EXPECT_EQ(RuntimeRandomState(), state);
    EXPECT_EQ(system.LiveCount(), 650);
}

TEST(ParticleSystemCullTest, CullingIsTheSameForTheSameSeed)
{
    std::set<std::size_t> survivors[2];
    for (std::set<std::size_t>& run : survivors) {
        ParticleScene scene;
        SeedRuntimeRandom(7u);
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
    ParticleSystem guarded;
    for (int i = 0; i < 660; ++i) {
        CParticle* q = guarded.NewParticle(nullptr);
        q->priority = 1;
        guarded.AddLive(q);
    }
    const uint32_t state = RuntimeRandomState();
    guarded.AddLive(guarded.NewParticle(nullptr));
    EXPECT_NE(RuntimeRandomState(), state);
    EXPECT_EQ(guarded.LiveCount(), 661);
}

TEST_F(ParticleSystemTest, NegativePriorityIsRefusedOverTheSoftLimit)
{
    for (int i = 0; i < 651; ++i)
        system.NewMovingParticle(NewSprite(), 100.0f, vector2(1, 0), 0.0f, 0);
    ASSERT_EQ(system.LiveCount(), 651);

    CSprite* refused = NewSprite();
    EXPECT_EQ(system.NewPhysicsParticle(refused, 1.0f, vector2(), 0.0f, vector2(), -1), system.nullParticle);
    EXPECT_TRUE(refused->killed);
    CSprite* puff = NewSprite();
    EXPECT_EQ(system.NewMovingParticle(puff, 1.0f, vector2(), 0.0f, -1), system.nullParticle);
    EXPECT_TRUE(puff->killed);
    CPhysicsParticle* null = system.nullParticle;
    EXPECT_EQ(system.LiveCount(), 651);

    // Writes to the stand-in reach nothing: it is never live and never recycled.
    null->tilt = 1.0f;
    null->killOnFloor = null->playDeath = true;
    system.AddLive(null);
    system.Recycle(null);
    EXPECT_FALSE(system.Drives(nullptr));
    EXPECT_EQ(system.PooledCount(), 0);

    CSprite* kept = NewSprite();
    CPhysicsParticle* made = system.NewPhysicsParticle(kept, 2.0f, vector2(3, 4), 5.0f, vector2(6, 7), 0);
    ASSERT_NE(made, system.nullParticle);
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

TEST_F(ParticleSystemTest, PoolHoldsAtMost2046AndForgetsTheSprites)
{
    for (int i = 0; i < 2047; ++i)
        system.Recycle(new CParticle(NewSprite()));
    EXPECT_EQ(system.PooledCount(), 2046);
    EXPECT_EQ(KilledSprites(), 2047); // the one that did not fit was destroyed, which retired it
    for (int i = 0; i < 2046; ++i)
        ASSERT_EQ(system.pool[i]->sprite, nullptr);
    EXPECT_EQ(system.pool[2046], nullptr);
    EXPECT_EQ(system.pool[2047], nullptr);

    // Physics particles never enter the pool.
    CSprite* piece = NewSprite();
    system.Recycle(new CPhysicsParticle(piece));
    EXPECT_TRUE(piece->killed);
    EXPECT_EQ(system.PooledCount(), 2046);

    // A recycled particle comes back with the defaults, keeping its priority.
    CParticle* newest = system.pool.Newest();
    newest->priority = 1;
    CSprite* reused = NewSprite();
    CParticle* p = system.NewParticle(reused);
    EXPECT_EQ(p, newest);
    EXPECT_EQ(p->sprite, reused);
    EXPECT_FALSE(p->done);
    EXPECT_EQ(p->priority, 1);
    EXPECT_EQ(system.PooledCount(), 2045);
    system.AddLive(p);
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
    EXPECT_EQ(system.PooledCount(), 4);
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
    EXPECT_EQ(system.PooledCount(), 5);
    EXPECT_EQ(KilledSprites(), 6);
}

// The sprites go before the system here; under AddressSanitizer any pooled particle that still
// reached its old sprite while the system is destroyed would be a use after free.
TEST(ParticleSystemLifetimeTest, DestroyingTheSystemTouchesNoSpriteThroughPooledParticles)
{
    auto scene = std::make_unique<ParticleScene>();
    ParticleSystem& system = scene->system;
    for (int i = 0; i < 20; ++i) {
        CParticle* p = system.NewMovingParticle(scene->NewSprite(), 0.1f, vector2(), 0.0f, 0);
        p->playDeath = true;
    }
    system.nullParticle->playDeath = true;
    for (int i = 0; i < 10; ++i)
        system.Update(16);
    ASSERT_EQ(system.LiveCount(), 0);
    ASSERT_EQ(system.PooledCount(), 20);
    EXPECT_EQ(scene->KilledSprites(), 20);
    scene->sprites.clear();
    scene.reset();
}
