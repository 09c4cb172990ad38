#pragma once
// The places of one particle system's particles: a fixed array of 2048, allocated once with the
// system, each empty or holding one particle by value, plain or physics. Making a particle takes
// a free place (the one freed last first, so a busy step reuses what the step before let go) and
// allocates nothing; freeing it destroys the particle, which retires it, and frees its place.
#include "particles/particle.h"

#include <array>
#include <cstdint>
#include <memory>
#include <variant>

class ParticleStore {
public:
    static constexpr int kCapacity = 2048;

    ParticleStore();
    ParticleStore(const ParticleStore&) = delete;
    ParticleStore& operator=(const ParticleStore&) = delete;
    // Particles still held are destroyed without touching their sprites, which may be gone.
    ~ParticleStore();

    // A new particle for the sprite in a free place; null when every place is taken.
    CParticle* MakePlain(CSprite* sprite);
    CPhysicsParticle* MakePhysics(CSprite* sprite);
    // Destroys a live particle this store made (retiring it) and frees its place; a particle of
    // another store, or of none, is left alone.
    void Free(CParticle* particle);

    int FreePlaces() const { return freeCount_; }

private:
    using Place = std::variant<std::monostate, CParticle, CPhysicsParticle>;

    // The index of a free place, taken from the free list; -1 when there is none.
    int32_t TakePlace();
    template <typename Particle>
    Particle* MakeIn(CSprite* sprite);

    std::unique_ptr<Place[]> places_;
    std::array<int32_t, kCapacity> free_; // indices of the free places, the one freed last on top
    int freeCount_ = 0;
};
