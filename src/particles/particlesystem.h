#pragma once
// The particles of one world (or of the overlay): the live ones, updated every step, held by
// value in a fixed store of 2048 places, so that a busy step allocates nothing and a retired
// particle's place is the next one used. Above the soft limit of live particles, unprotected ones
// are culled at random, and pieces asked for with a negative priority are refused: their sprite is
// killed at once and the caller gets no particle. A particle that finds no free place is refused
// the same way.
//
// The random culls draw from the runtime generator of the generators the system is given (the
// world's), or of its own when it is made on its own (the overlay's, until it is told to draw from
// the game phase's).
#include "particles/particle.h"
#include "particles/particlestore.h"
#include "engine/core/random.h"

#include <cstdint>
#include <vector>

class ParticleSystem {
public:
    // Draws from random, which outlives the system.
    explicit ParticleSystem(RandomGenerators& random);
    // Draws from generators of its own (seeded with 1) until DrawFrom.
    ParticleSystem();
    ParticleSystem(const ParticleSystem&) = delete;
    ParticleSystem& operator=(const ParticleSystem&) = delete;
    // Clears; particles made but never made live go with the store, touching no sprite.
    ~ParticleSystem();

    // Draws from random, which outlives the system, from now on.
    void DrawFrom(RandomGenerators& random) { random_ = &random; }

    // A plain particle for the sprite, not yet live: the caller appends it with AddLive. Over
    // the soft limit, one live particle picked at random is culled first unless protected.
    // Null when no place is free (the sprite is left as it is).
    CParticle* NewParticle(CSprite* s);
    // A live plain particle; no particle (and the sprite killed) when over the soft limit with a
    // negative priority, or when no place is free.
    CParticle* NewMovingParticle(CSprite* s, float lifetime, const vector2& vel, float spin, int32_t priority);
    // The same refusal rules; otherwise a new live physics particle. A priority of 0 or more is
    // never refused for the soft limit.
    CPhysicsParticle* NewPhysicsParticle(CSprite* s, float lifetime, const vector2& vel, float spin,
                                         const vector2& pivot, int32_t priority);
    // Hands the sprite to a protected particle for a timed fade that leaves the sprite alive.
    // A particle already driving the sprite is reused with its age kept. Null for a null sprite,
    // or when no place is free (the sprite is left as it is).
    CParticle* AttachSprite(CSprite* s, float lifetime);
    // Recycles every live particle that drives the sprite.
    void ReleaseSprite(const CSprite* s);
    void Update(uint32_t ms);
    // Recycles every live particle.
    void Clear();

    // Appends a particle made by NewParticle to the live list (a null one is ignored).
    void AddLive(CParticle* p);

    int LiveCount() const { return static_cast<int>(live.size()); }
    // Places no particle holds, live or waiting for AddLive.
    int FreePlaces() const { return store_.FreePlaces(); }
    bool OverSoftLimit() const { return LiveCount() > softLimit; }
    // Whether a live particle drives the sprite.
    bool Drives(const CSprite* s) const;

    // The live particles in their order and the system's own generators, for a snapshot. Read
    // back into a system with no particle: each particle read is made with no sprite, so that
    // making it touches none, and then given its own.
    template <typename Archive>
    void Keep(Archive& archive)
    {
        archive.Value(softLimit);
        ownRandom_.Keep(archive);
        const uint32_t count = archive.Count(live.size());
        for (uint32_t i = 0; i < count; ++i) {
            CParticle* particle = Archive::kReading ? nullptr : live[i];
            auto* physics = dynamic_cast<CPhysicsParticle*>(particle);
            bool isPhysics = physics != nullptr;
            archive.Value(isPhysics);
            if constexpr (Archive::kReading) {
                physics = isPhysics ? store_.MakePhysics(nullptr) : nullptr;
                particle = isPhysics ? physics : store_.MakePlain(nullptr);
                if (!particle)
                    return; // never: a snapshot holds no more particles than the store has places
                live.push_back(particle);
            }
            if (physics)
                physics->KeepPhysics(archive);
            else
                particle->Keep(archive);
        }
    }

    int32_t softLimit = 650;
    std::vector<CParticle*> live; // in no particular order; never longer than the store

private:
    bool Refuses(CSprite* s, int32_t priority);
    // The sprite of a particle that could not be made dies at once; there is no particle.
    static std::nullptr_t Refuse(CSprite* s);
    void CullOneAtRandom();
    // Retires the live particle at the index and frees its place; the last live particle moves in.
    void RecycleLiveAt(std::size_t index);

    ParticleStore store_;
    RandomGenerators ownRandom_;
    RandomGenerators* random_;
};
