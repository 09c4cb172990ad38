// One particle-system step with 650 and with 2000 live particles of a realistic mix (moving,
// spinning, fading, shrinking, some with drag and gravity, a fifth of them physics pieces) held in
// the system's fixed store. Only ParticleSystem::Update is timed; between steps the live list is
// cleared (freeing the places) and filled again with the same mix at random ages, so every step
// sees the same load.
//
// Every heap allocation of this program is counted through the replaced global operator new,
// and a step that allocates fails the benchmark, so "no allocation per step once warm" is
// checked on every measured step, not assumed.
#include "particles/particlesystem.h"
#include "engine/core/random.h"
#include "engine/render/sprite.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <memory>
#include <new>
#include <vector>

namespace {

std::atomic<uint64_t> g_allocations{0};
std::atomic<uint64_t> g_frees{0};

void CountedFree(void* p) noexcept
{
    if (p)
        g_frees.fetch_add(1, std::memory_order_relaxed);
    std::free(p);
}

} // namespace

void* operator new(std::size_t size)
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept { CountedFree(p); }
void operator delete(void* p, std::size_t) noexcept { CountedFree(p); }

namespace {

constexpr uint32_t kStepMs = 16;
constexpr std::size_t kSpriteRing = 16384; // more sprites than can be live at once
constexpr int kWarmSteps = 20;

// The sprites are declared first so that they outlive the system: clearing it at destruction
// retires the live particles into their sprites.
class ParticleScene {
    std::vector<std::unique_ptr<CSprite>> sprites_;
    std::size_t next_ = 0;
    RandomGenerators random_{12345};

public:
    ParticleScene()
    {
        sprites_.reserve(kSpriteRing);
        for (std::size_t i = 0; i < kSpriteRing; ++i) {
            sprites_.push_back(std::make_unique<CSprite>());
            sprites_.back()->width = 16.0f;
            sprites_.back()->height = 16.0f;
        }
    }

    // Recycles every live particle and makes `target` new ones, the soft limit lifted meanwhile
    // so that the step starts with exactly that many (in play, a big robot's death and an
    // explosion's protected ring get the count that high).
    void Refill(int target)
    {
        system.Clear();
        const int32_t softLimit = system.softLimit;
        system.softLimit = std::numeric_limits<int32_t>::max();
        while (system.LiveCount() < target)
            Spawn();
        system.softLimit = softLimit;
    }

    ParticleSystem system{random_};

private:
    CSprite* FreshSprite()
    {
        CSprite* s = sprites_[next_].get();
        next_ = (next_ + 1) % kSpriteRing;
        s->killed = false;
        s->angle = 0.0f;
        s->scaleX = s->scaleY = random_.RandomFloat(0.5f, 1.0f);
        s->colour = {{1.0f, random_.RandomFloat(0.5f, 1.0f), 0.2f, 1.0f}};
        s->SetCentre(vector2(random_.RandomFloat(0.0f, 1280.0f), random_.RandomFloat(0.0f, 720.0f)));
        return s;
    }

    void Spawn()
    {
        CSprite* s = FreshSprite();
        const float lifetime = random_.RandomFloat(0.25f, 2.5f);
        const vector2 vel(random_.RandomFloat(-400.0f, 400.0f), random_.RandomFloat(-500.0f, 100.0f));
        if (random_.Random01() < 0.2) {
            CPhysicsParticle* piece = system.NewPhysicsParticle(s, lifetime, vel, 0.0f, s->GetCentre(), 0);
            piece->accel = vector2(0.0f, 600.0f);
            piece->tilt = random_.RandomFloat(-0.2f, 0.2f);
            piece->curve = random_.Random01() < 0.5;
            piece->faceVelocity = true;
            piece->alphaRate = -0.1f;
            piece->age = random_.RandomFloat(0.0f, lifetime);
            return;
        }
        const int32_t priority = random_.Random01() < 0.1 ? 1 : 0; // explosion rings are protected
        CParticle* p = system.NewMovingParticle(s, lifetime, vel, random_.RandomFloat(-12.0f, 12.0f), priority);
        p->age = random_.RandomFloat(0.0f, lifetime);
        p->alphaRate = -1.0f / lifetime;
        p->scaleRate = vector2(-0.3f, -0.3f);
        p->colourRate = {{0.0f, -1.0f / lifetime, 0.0f}};
        if (random_.Random01() < 0.5) {
            p->drag = 1.0f;
            p->accel = vector2(0.0f, -random_.RandomFloat(300.0f, 600.0f));
        }
    }
};

void BM_ParticleSystemUpdate(benchmark::State& state)
{
    const int target = static_cast<int>(state.range(0));
    ParticleScene scene;
    for (int i = 0; i < kWarmSteps; ++i) {
        scene.Refill(target);
        scene.system.Update(kStepMs);
    }
    const std::size_t warmCapacity = scene.system.live.capacity();

    uint64_t allocations = 0;
    uint64_t frees = 0;
    uint64_t removed = 0;
    uint64_t freePlacesAfterStep = 0;
    for (auto _ : state) {
        scene.Refill(target);
        const uint64_t allocationsBefore = g_allocations.load(std::memory_order_relaxed);
        const uint64_t freesBefore = g_frees.load(std::memory_order_relaxed);
        const auto start = std::chrono::steady_clock::now();
        scene.system.Update(kStepMs);
        const auto end = std::chrono::steady_clock::now();
        allocations += g_allocations.load(std::memory_order_relaxed) - allocationsBefore;
        frees += g_frees.load(std::memory_order_relaxed) - freesBefore;
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        removed += static_cast<uint64_t>(target - scene.system.LiveCount());
        freePlacesAfterStep += static_cast<uint64_t>(scene.system.FreePlaces());
    }

    const double steps = static_cast<double>(state.iterations());
    state.counters["allocs_per_update"] = static_cast<double>(allocations) / steps;
    state.counters["frees_per_update"] = static_cast<double>(frees) / steps;
    state.counters["removed_per_update"] = static_cast<double>(removed) / steps;
    state.counters["free_places_after_update"] = static_cast<double>(freePlacesAfterStep) / steps;
    state.counters["live_capacity_growth"] =
        static_cast<double>(scene.system.live.capacity()) - static_cast<double>(warmCapacity);
    if (allocations != 0 || scene.system.live.capacity() != warmCapacity)
        state.SkipWithError("ParticleSystem::Update allocated once warm");
}

} // namespace

BENCHMARK(BM_ParticleSystemUpdate)->Arg(650)->Arg(2000)->UseManualTime()->Unit(benchmark::kMicrosecond);
