// The paper grid's cost per frame-loop step: the spring step with and without pushes, the pushes
// themselves, and drawing a dented sheet into the null backend (which only counts quads).
#include "scopedrenderbackend.h"
#include "engine/render/renderbackend.h"
#include "engine/render/texturecache.h"
#include "grid/papergrid.h"

#include <benchmark/benchmark.h>
#include <stb/stb_image_write.h>

#include <cstdio>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

void WriteImage(const std::string& fileName, int width, int height)
{
    const std::vector<uint8_t> rgba(static_cast<std::size_t>(width) * height * 4, 120);
    stbi_write_png(fileName.c_str(), width, height, 4, rgba.data(), width * 4);
}

// A 35 x 20 grid whose images come from a scratch folder, so the lines really reach the backend.
std::unique_ptr<CPaperGrid> MakeGrid()
{
    char pattern[] = "/tmp/tobrakka-bench-XXXXXX";
    const std::string dir = mkdtemp(pattern);
    mkdir((dir + "/data").c_str(), 0755);
    mkdir((dir + "/data/gfx").c_str(), 0755);
    WriteImage(dir + "/data/gfx/line.png", 64, 3);
    WriteImage(dir + "/data/gfx/paper_background.jpg", 64, 36);

    char previous[4096];
    if (!getcwd(previous, sizeof previous) || chdir(dir.c_str()) != 0)
        return nullptr;
    ReleaseAllTextures();
    auto grid = std::make_unique<CPaperGrid>();
    if (chdir(previous) != 0)
        return nullptr;
    std::remove((dir + "/data/gfx/line.png").c_str());
    std::remove((dir + "/data/gfx/paper_background.jpg").c_str());
    rmdir((dir + "/data/gfx").c_str());
    rmdir((dir + "/data").c_str());
    rmdir(dir.c_str());
    grid->Init(35, 20);
    return grid;
}

// A bullet crossing the screen, one push per step as the world does for a flying bullet.
vector2 BulletAt(int64_t step) { return vector2(static_cast<float>(step % 1280), 360.0f); }

void BM_UpdateAtRest(benchmark::State& state)
{
    auto grid = MakeGrid();
    if (!grid)
        return state.SkipWithError("no scratch folder for the images");
    for (auto _ : state)
        grid->Update(16);
    benchmark::DoNotOptimize(grid->Node(17, 10));
}
BENCHMARK(BM_UpdateAtRest);

void BM_UpdateWithBulletPush(benchmark::State& state)
{
    auto grid = MakeGrid();
    if (!grid)
        return state.SkipWithError("no scratch folder for the images");
    int64_t step = 0;
    for (auto _ : state) {
        grid->Push(BulletAt(step++), 300.0f, 100.0f);
        grid->Update(16);
    }
    benchmark::DoNotOptimize(grid->Node(17, 10));
}
BENCHMARK(BM_UpdateWithBulletPush);

// A big explosion every step: the worst case, with most of the sheet at the speed limit.
void BM_UpdateWithExplosionPush(benchmark::State& state)
{
    auto grid = MakeGrid();
    if (!grid)
        return state.SkipWithError("no scratch folder for the images");
    for (auto _ : state) {
        grid->Push(vector2(640.0f, 360.0f), -50000.0f, 500.0f);
        grid->Update(16);
    }
    benchmark::DoNotOptimize(grid->Node(17, 10));
}
BENCHMARK(BM_UpdateWithExplosionPush);

void BM_PushExplosionOnly(benchmark::State& state)
{
    auto grid = MakeGrid();
    if (!grid)
        return state.SkipWithError("no scratch folder for the images");
    for (auto _ : state)
        grid->Push(vector2(640.0f, 360.0f), -50000.0f, 500.0f);
    benchmark::DoNotOptimize(grid->Node(17, 10));
}
BENCHMARK(BM_PushExplosionOnly);

void BM_DrawDented(benchmark::State& state)
{
    NullRenderBackend backend;
    ScopedRenderBackend headless(&backend);
    auto grid = MakeGrid();
    if (!grid)
        return state.SkipWithError("no scratch folder for the images");
    grid->Push(vector2(640.0f, 360.0f), -50000.0f, 500.0f);
    for (int step = 0; step < 10; ++step)
        grid->Update(16);
    for (auto _ : state) {
        backend.BeginFrame();
        grid->Draw();
        backend.EndFrame();
    }
    state.counters["quads"] = static_cast<double>(backend.QuadsThisFrame());
}
BENCHMARK(BM_DrawDented);

void BM_DrawAtRest(benchmark::State& state)
{
    NullRenderBackend backend;
    ScopedRenderBackend headless(&backend);
    auto grid = MakeGrid();
    if (!grid)
        return state.SkipWithError("no scratch folder for the images");
    for (auto _ : state) {
        backend.BeginFrame();
        grid->Draw();
        backend.EndFrame();
    }
    state.counters["quads"] = static_cast<double>(backend.QuadsThisFrame());
}
BENCHMARK(BM_DrawAtRest);

} // namespace
