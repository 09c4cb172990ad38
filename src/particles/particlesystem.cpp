#include "particles/particlesystem.h"

#include "engine/random.h"
#include "engine/sprite.h"

namespace {

// The pool keeps two slots free, so its write position never wraps.
constexpr int kPoolHeadroom = 2;

} // namespace

ParticleSystem::ParticleSystem() : nullParticle(new CPhysicsParticle(nullptr)) {}

ParticleSystem::~ParticleSystem()
{
    Clear();
    DestroyPooled();
    nullParticle->sprite = nullptr; // whatever a caller wrote into it, it drives nothing
    delete nullParticle;
}

// Pooled particles forgot their sprites on entering the pool: destroying them touches none.
void ParticleSystem::DestroyPooled()
{
    while (pool.Newest())
        delete pool.Pop();
}

CParticle* ParticleSystem::NewParticle(CSprite* s)
{
    if (OverSoftLimit())
        CullOneAtRandom();
    if (CParticle* recycled = TakeFromPool(s))
        return recycled;
    return new CParticle(s);
}

void ParticleSystem::CullOneAtRandom()
{
    if (live.empty())
        return;
    const int index = RandomInt(0, LiveCount() - 1);
    CParticle* p = live[static_cast<std::size_t>(index)];
    if (p->priority >= 1)
        return;
    Recycle(p);
    RemoveLiveAt(static_cast<std::size_t>(index));
}

CParticle* ParticleSystem::TakeFromPool(CSprite* s)
{
    if (!pool.Newest())
        return nullptr;
    CParticle* p = pool.Pop();
    p->Reinit(s);
    return p;
}

// Over the soft limit, a negative priority is refused and its sprite killed at once.
bool ParticleSystem::Refuses(CSprite* s, int32_t priority)
{
    if (priority >= 0 || !OverSoftLimit())
        return false;
    if (s)
        s->killed = true;
    return true;
}

CParticle* ParticleSystem::NewMovingParticle(CSprite* s, float lifetime, const vector2& vel, float spin,
                                             int32_t priority)
{
    if (Refuses(s, priority))
        return nullParticle;
    CParticle* p = NewParticle(s);
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
        return nullParticle;
    CPhysicsParticle* p = new CPhysicsParticle(s);
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
    if (p && p != nullParticle)
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
        CParticle* p = live[i];
        if (p->sprite == s) {
            Recycle(p);
            RemoveLiveAt(i); // the element moved in is examined next
        } else {
            ++i;
        }
    }
}

void ParticleSystem::Recycle(CParticle* p)
{
    if (!p || p == nullParticle)
        return;
    if (p->recyclable && pool.Position() < pool.Capacity() - kPoolHeadroom) {
        p->Retire();
        p->sprite = nullptr; // a pooled particle must never reach its old sprite again
        pool.Push(p);
    } else {
        delete p;
    }
}

// Moves the last live particle into the index and drops the last slot.
void ParticleSystem::RemoveLiveAt(std::size_t index)
{
    live[index] = live.back();
    live.pop_back();
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
            const int r = RandomInt(0, LiveCount());
            if (r < cull && p->priority < 1)
                remove = true;
        }
        if (!remove) {
            ++i;
            continue;
        }
        excess -= 1;
        cull -= 2;
        Recycle(p);
        RemoveLiveAt(i); // the moved particle gets its update at this same index
    }
}

void ParticleSystem::Clear()
{
    for (CParticle* p : live)
        Recycle(p);
    live.clear();
}
