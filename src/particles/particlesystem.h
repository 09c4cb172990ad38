#pragma once
// The particles of one world (or of the overlay): the live ones, updated every step, and a pool
// of retired plain particles kept for reuse so that a busy step allocates nothing. Above the
// soft limit of live particles, unprotected ones are culled at random, and pieces asked for
// with a negative priority are refused (their sprite is killed at once).
#include "particles/particle.h"
#include "engine/staticarray.h"

#include <cstdint>
#include <vector>

class ParticleSystem {
public:
    ParticleSystem();
    ParticleSystem(const ParticleSystem&) = delete;
    ParticleSystem& operator=(const ParticleSystem&) = delete;
    // Clears, then destroys the pooled particles (which drive no sprite any more).
    ~ParticleSystem();

    // A plain particle for the sprite, not yet live: the caller appends it with AddLive. Over
    // the soft limit, one live particle picked at random is culled first unless protected.
    CParticle* NewParticle(CSprite* s);
    // A live plain particle, or nullParticle (and the sprite killed) when over the soft limit
    // with a negative priority.
    CParticle* NewMovingParticle(CSprite* s, float lifetime, const vector2& vel, float spin, int32_t priority);
    // The same refusal rule; otherwise a new live physics particle (never from the pool). A
    // priority of 0 or more is never refused.
    CPhysicsParticle* NewPhysicsParticle(CSprite* s, float lifetime, const vector2& vel, float spin,
                                         const vector2& pivot, int32_t priority);
    // Hands the sprite to a protected particle for a timed fade that leaves the sprite alive.
    // A particle already driving the sprite is reused with its age kept. Null for a null sprite.
    CParticle* AttachSprite(CSprite* s, float lifetime);
    // Recycles every live particle that drives the sprite.
    void ReleaseSprite(const CSprite* s);
    // Retires the particle; plain ones go back to the pool while it has room, the rest are
    // destroyed. nullParticle is left alone.
    void Recycle(CParticle* p);
    void Update(uint32_t ms);
    // Recycles every live particle.
    void Clear();

    // Appends a particle made by NewParticle to the live list (never nullParticle).
    void AddLive(CParticle* p);

    int LiveCount() const { return static_cast<int>(live.size()); }
    int PooledCount() const { return pool.Position(); }
    bool OverSoftLimit() const { return LiveCount() > softLimit; }
    // Whether a live particle drives the sprite.
    bool Drives(const CSprite* s) const;

    int32_t softLimit = 650;
    std::vector<CParticle*> live;
    kolm::CStaticArrayWithPush<CParticle*, 2048> pool;
    CPhysicsParticle* nullParticle;

private:
    bool Refuses(CSprite* s, int32_t priority);
    void CullOneAtRandom();
    void RemoveLiveAt(std::size_t index);
    CParticle* TakeFromPool(CSprite* s);
    void DestroyPooled();
};
