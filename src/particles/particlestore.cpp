// The fixed places of a particle system's particles.
#include "particles/particlestore.h"

namespace {

// The particle a place holds, plain or physics; null for an empty place.
template <typename Place>
CParticle* HeldIn(Place& place)
{
    if (CParticle* plain = std::get_if<CParticle>(&place))
        return plain;
    return std::get_if<CPhysicsParticle>(&place);
}

} // namespace

ParticleStore::ParticleStore() : places_(std::make_unique<Place[]>(kCapacity))
{
    // Place 0 is given out first.
    for (int32_t place = kCapacity - 1; place >= 0; --place)
        free_[freeCount_++] = place;
}

ParticleStore::~ParticleStore()
{
    for (int32_t place = 0; place < kCapacity; ++place) {
        if (CParticle* held = HeldIn(places_[place]))
            held->sprite = nullptr;
    }
}

int32_t ParticleStore::TakePlace() { return freeCount_ > 0 ? free_[--freeCount_] : -1; }

template <typename Particle>
Particle* ParticleStore::MakeIn(CSprite* sprite)
{
    const int32_t place = TakePlace();
    if (place < 0)
        return nullptr;
    Particle& particle = places_[place].emplace<Particle>(sprite);
    particle.storePlace_ = place;
    return &particle;
}

CParticle* ParticleStore::MakePlain(CSprite* sprite) { return MakeIn<CParticle>(sprite); }

CPhysicsParticle* ParticleStore::MakePhysics(CSprite* sprite) { return MakeIn<CPhysicsParticle>(sprite); }

void ParticleStore::Free(CParticle* particle)
{
    const int32_t place = particle->storePlace_;
    if (place < 0 || place >= kCapacity || HeldIn(places_[place]) != particle)
        return; // not one of this store's
    places_[place].emplace<std::monostate>();
    free_[freeCount_++] = place;
}
