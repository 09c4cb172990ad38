// The live particles of a world or of the overlay: making, culling, updating and recycling them.
#include "particles/particlesystem.h"

#include "engine/render/sprite.h"

ParticleSystem::ParticleSystem(RandomGenerators& random) : random_(&random)
{
    live.reserve(ParticleStore::kCapacity);
}

ParticleSystem::ParticleSystem() : ParticleSystem(ownRandom_) {}

ParticleSystem::~ParticleSystem() { Clear(); }

CParticle* ParticleSystem::NewParticle(CSprite* s)
{
    if (OverSoftLimit())
        CullOneAtRandom();
    return store_.MakePlain(s);
}

void ParticleSystem::CullOneAtRandom()
{
    if (live.empty())
        return;
    const int index = random_->RandomInt(0, LiveCount() - 1);
    if (live[static_cast<std::size_t>(index)]->priority >= 1)
        return;
    RecycleLiveAt(static_cast<std::size_t>(index));
}

// Over the soft limit, a negative priority is refused.
bool ParticleSystem::Refuses(CSprite* s, int32_t priority)
{
    if (priority >= 0 || !OverSoftLimit())
        return false;
    Refuse(s);
    return true;
}

std::nullptr_t ParticleSystem::Refuse(CSprite* s)
{
    if (s)
        s->killed = true;
    return nullptr;
}

CParticle* ParticleSystem::NewMovingParticle(CSprite* s, float lifetime, const vector2& vel, float spin,
                                             int32_t priority)
{
    if (Refuses(s, priority))
        return nullptr;
    CParticle* p = NewParticle(s);
    if (!p)
        return Refuse(s);
    p->priority = priority;
    p->lifetime = lifetime;
    p->vel = vel;
    p->spin = spin;
    live.push_back(p);
    return p;
}

CPhysicsParticle* ParticleSystem::NewPhysicsParticle(CSprite* s, float lifetime, const vector2& vel, float spin,
                                                     const vector2& pivot, int32_t priority)
{
    if (Refuses(s, priority))
        return nullptr;
    CPhysicsParticle* p = store_.MakePhysics(s);
    if (!p)
        return Refuse(s);
    live.push_back(p);
    p->lifetime = lifetime;
    p->priority = priority;
    p->vel = vel;
    p->spin = spin;
    p->pivot = pivot;
    return p;
}

void ParticleSystem::AddLive(CParticle* p)
{
    if (p)
        live.push_back(p);
}

CParticle* ParticleSystem::AttachSprite(CSprite* s, float lifetime)
{
    if (!s)
        return nullptr;
    CParticle* p = nullptr;
    for (CParticle* candidate : live) {
        if (candidate->sprite == s) {
            p = candidate;
            break;
        }
    }
    if (!p) {
        p = NewParticle(s);
        if (!p)
            return nullptr;
        live.push_back(p);
    }
    p->priority = 1;
    p->lifetime = lifetime;
    p->removeSprite = false;
    return p;
}

bool ParticleSystem::Drives(const CSprite* s) const
{
    for (const CParticle* p : live) {
        if (p->sprite == s)
            return true;
    }
    return false;
}

void ParticleSystem::ReleaseSprite(const CSprite* s)
{
    std::size_t i = 0;
    while (i < live.size()) {
        if (live[i]->sprite == s)
            RecycleLiveAt(i); // the particle moved in is examined next
        else
            ++i;
    }
}

void ParticleSystem::RecycleLiveAt(std::size_t index)
{
    CParticle* p = live[index];
    live[index] = live.back();
    live.pop_back();
    store_.Free(p);
}

// Each particle is updated exactly once. While over the soft limit, every unprotected particle
// examined is culled with probability cull / (live count + 1); each removal, culled or done,
// lowers the excess, so one pass culls at most the excess it started with.
void ParticleSystem::Update(uint32_t ms)
{
    // Wide enough for any soft limit a caller may set.
    int64_t excess = OverSoftLimit() ? int64_t{LiveCount()} - softLimit : 0;
    int64_t cull = 2 * excess;
    const float seconds = static_cast<float>(ms) / 1000.0f;
    std::size_t i = 0;
    while (i < live.size()) {
        CParticle* p = live[i];
        p->Update(seconds);
        bool remove = p->done;
        if (excess > 0) {
            const int r = random_->RandomInt(0, LiveCount());
            if (r < cull && p->priority < 1)
                remove = true;
        }
        if (!remove) {
            ++i;
            continue;
        }
        excess -= 1;
        cull -= 2;
        RecycleLiveAt(i); // the moved particle gets its update at this same index
    }
}

void ParticleSystem::Clear()
{
    for (CParticle* p : live)
        store_.Free(p);
    live.clear();
}
