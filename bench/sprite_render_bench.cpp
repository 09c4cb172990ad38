// One frame of a busy scene drawn through the sprite container into the OpenGL target, once
// with batching and once with one draw call per quad. Needs a display: run under xvfb-run.
#include "scopedrenderbackend.h"
#include "engine/gl/glrenderbackend.h"
#include "engine/core/random.h"
#include "engine/platform/platform.h"
#include "engine/render/renderdevice.h"
#include "engine/render/spritecontainer.h"
#include "engine/render/texturecache.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

struct Scene {
    GlRenderBackend* device = nullptr;
    std::vector<std::unique_ptr<TextureEntry>> images;
    CSpriteContainer sprites;
    TextureEntry* line = nullptr;
};

TextureEntry* MakeImage(Scene& scene, int width, int height, uint8_t shade)
{
    std::vector<uint8_t> rgba(static_cast<std::size_t>(width) * height * 4, shade);
    const TextureHandle handle = GetRenderBackend().CreateTexture(width, height, rgba.data());
    scene.images.push_back(std::make_unique<TextureEntry>(TextureEntry{handle, width, height}));
    return scene.images.back().get();
}

CSprite* Place(Scene& scene, TextureEntry* image, float x, float y)
{
    CSprite* sprite = scene.sprites.CreateSprite("");
    sprite->texture = image;
    sprite->frames[0] = image;
    sprite->width = static_cast<float>(image->width);
    sprite->height = static_cast<float>(image->height);
    sprite->SetCentre(vector2(x, y));
    return sprite;
}

// The paper, about 40 characters and 1,400 particle quads over 12 images, in creation order
// as the game makes them: characters and bursts of effects interleaved.
Scene* BuildScene()
{
    static Scene* scene = nullptr;
    if (scene)
        return scene;
    // The window stays open for the whole run.
    static const std::unique_ptr<Platform> platform = Platform::Start(WindowOptions());
    if (!platform)
        return nullptr;
    // The device stays open for the whole run, but it draws only inside these benchmarks.
    GlRenderBackend* device = &static_cast<GlRenderBackend&>(GetRenderBackend());
    SetRenderBackend(nullptr);
    ScopedRenderBackend drawing(device);
    scene = new Scene;
    scene->device = device;
    RandomGenerators random(7);
    CSprite* paper = Place(*scene, MakeImage(*scene, 1280, 720, 240), 640, 360);
    paper->scaleX = paper->scaleY = 1.0f;
    scene->line = MakeImage(*scene, 64, 2, 90);
    std::vector<TextureEntry*> characters;
    for (int i = 0; i < 4; ++i)
        characters.push_back(MakeImage(*scene, i < 2 ? 96 : 64, i < 2 ? 96 : 64, static_cast<uint8_t>(40 + i)));
    std::vector<TextureEntry*> effects;
    for (int i = 0; i < 12; ++i)
        effects.push_back(MakeImage(*scene, 8 + i * 3, 8 + i * 2, static_cast<uint8_t>(100 + i * 10)));
    for (int burst = 0; burst < 40; ++burst) {
        CSprite* body = Place(*scene, characters[burst % 4], random.RandomFloat(0, 1280), random.RandomFloat(0, 720));
        body->angle = random.RandomFloat(-3, 3);
        for (int i = 0; i < 35; ++i) {
            CSprite* piece = Place(*scene, effects[random.RandomInt(0, 11)], random.RandomFloat(0, 1280), random.RandomFloat(0, 720));
            piece->angle = random.RandomFloat(-3, 3);
            piece->SetColour(random.RandomFloat(0.5f, 1), random.RandomFloat(0.5f, 1), 0);
            piece->SetAlpha(random.RandomFloat(0.2f, 1));
        }
    }
    return scene;
}

void DrawFrame(Scene& scene)
{
    BeginFrame();
    for (int row = 0; row < 20; ++row)
        DrawLine(scene.line, vector2(0, row * 37.9f), vector2(1280, row * 37.9f));
    for (int column = 0; column < 35; ++column)
        DrawLine(scene.line, vector2(column * 37.6f, 0), vector2(column * 37.6f, 720));
    scene.sprites.Draw();
    EndFrame();
}

void RunFrames(benchmark::State& state, bool batching)
{
    Scene* scene = BuildScene();
    if (!scene) {
        state.SkipWithError("no display: run under xvfb-run");
        return;
    }
    ScopedRenderBackend drawing(scene->device);
    GlRenderBackend& backend = *scene->device;
    const RendererOptions byDefault = backend.Options();
    RendererOptions options = byDefault;
    options.batching = batching;
    backend.SetOptions(options);
    for (auto _ : state)
        DrawFrame(*scene);
    backend.SetOptions(byDefault);
    state.counters["draw_calls_per_frame"] = backend.DrawCallsThisFrame();
    state.counters["quads_per_frame"] = static_cast<double>(scene->sprites.Count() + 55);
}

void BM_FrameBatched(benchmark::State& state) { RunFrames(state, true); }
void BM_FrameOneCallPerQuad(benchmark::State& state) { RunFrames(state, false); }

} // namespace

BENCHMARK(BM_FrameBatched)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FrameOneCallPerQuad)->Unit(benchmark::kMillisecond)->UseRealTime();
