// The fixed store of particle places: the order places are given out in, a full store, and what
// freeing does to a particle and its sprite.
#include "particles/particlestore.h"
#include "engine/render/sprite.h"

#include <gtest/gtest.h>

#include <set>

namespace {

constexpr int kPlaces = ParticleStore::kCapacity;

TEST(ParticleStore, PlacesGoFreedLastFirstAndAFullStoreGivesNone)
{
    ParticleStore store;
    std::set<CParticle*> made;
    CParticle* first = nullptr;
    CParticle* second = nullptr;
    for (int i = 0; i < kPlaces; ++i) {
        CParticle* p = i % 2 ? store.MakePlain(nullptr) : store.MakePhysics(nullptr);
        ASSERT_NE(p, nullptr) << i;
        made.insert(p);
        first = i == 10 ? p : first;
        second = i == 11 ? p : second;
    }
    EXPECT_EQ(made.size(), static_cast<std::size_t>(kPlaces)) << "every particle has a place of its own";
    EXPECT_EQ(store.FreePlaces(), 0);
    EXPECT_EQ(store.MakePlain(nullptr), nullptr);
    EXPECT_EQ(store.MakePhysics(nullptr), nullptr);

    store.Free(first);
    store.Free(second);
    EXPECT_EQ(store.FreePlaces(), 2);
    EXPECT_EQ(static_cast<void*>(store.MakePhysics(nullptr)), static_cast<void*>(second));
    EXPECT_EQ(store.MakePlain(nullptr), first);
    EXPECT_EQ(store.FreePlaces(), 0);
}

TEST(ParticleStore, FreeingRetiresTheParticleAndLeavesOtherStoresParticlesAlone)
{
    CSprite sprite;
    CSprite other;
    ParticleStore store;
    CParticle* p = store.MakePlain(&sprite);
    store.Free(p);
    EXPECT_TRUE(sprite.killed) << "freed, the particle retired";
    EXPECT_EQ(store.FreePlaces(), kPlaces);

    // Particles that are not the store's are left alone: one of another store, one of its own.
    ParticleStore another;
    CParticle* theirs = another.MakePlain(&other);
    store.Free(theirs);
    EXPECT_EQ(theirs->sprite, &other);
    EXPECT_FALSE(other.killed);
    CParticle own(&other);
    own.removeSprite = false;
    store.Free(&own);
    EXPECT_EQ(store.FreePlaces(), kPlaces);
    EXPECT_EQ(own.sprite, &other);
}

} // namespace
