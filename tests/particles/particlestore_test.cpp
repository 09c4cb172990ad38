// The fixed store of particle places: the order places are given out in, a full store, and what
// freeing does to a particle and its sprite.
#include "particles/particlestore.h"
#include "engine/sprite.h"

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

TEST(ParticleStore, FreeingRetiresTheParticleOnceAndLeavesOtherParticlesAlone)
{
    CSprite sprite;
    CSprite other;
    ParticleStore store;
    CParticle* p = store.MakePlain(&sprite);
    store.Free(p);
    EXPECT_TRUE(sprite.killed) << "freed, the particle retired";
    EXPECT_EQ(store.FreePlaces(), kPlaces);

    store.Free(p); // already freed: nothing happens
    EXPECT_EQ(store.FreePlaces(), kPlaces);
    CParticle own(&other);
    own.removeSprite = false;
    store.Free(&own); // not the store's
    EXPECT_EQ(store.FreePlaces(), kPlaces);
    EXPECT_EQ(own.sprite, &other);
}

} // namespace
