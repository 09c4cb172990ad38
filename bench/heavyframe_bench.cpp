// Where a frame's time goes on the OpenGL device: a heavy frame of the bot's level 9 (seed 3,
// step 3,917, 63 s in: a chain explosion, about 770 quads over 2.5 screens of pixels) drawn and
// presented as the game draws it; the same frame with every quad sampled linearly, and with the
// paper drawn as a quad rather than copied, and with the picture handed to the window in one blit
// rather than copied a row at a time, and with the fold's shadow blended from the image itself
// rather than from its premultiplied twin; its paper alone (the picture and the ruling), copied and
// drawn; and the present alone (to the window, and the swap), by copy and by blit. The CPU column is the whole
// process's, the software rasteriser's threads included: on a busy machine it tells the work a
// frame takes better than the wall time does. Needs a display: run from the build directory under
// xvfb-run -s "-screen 0 1280x720x24".
#include "scopedrenderbackend.h"
#include "engine/gl/glrenderbackend.h"
#include "engine/platform/platform.h"
#include "engine/render/renderdevice.h"
#include "engine/render/texturecache.h"
#include "harness/botplayer.h"
#include "harness/headlessgame.h"
#include "utils/directorylisting.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

constexpr int kHeaviestStep = 3917;

struct HeavyFrame {
    GlRenderBackend* device = nullptr;
    const char* problem = nullptr; // why the frame cannot be timed; null when it can
    std::unique_ptr<BotPlayer> bot;
    std::unique_ptr<HeadlessGame> game;
};

// Every picture goes onto the device first, so that the game, stepped through the null backend
// up to the heavy frame, draws with the device's own textures afterwards.
void LoadEveryPicture()
{
    kolm::DirectoryListing pictures;
    pictures.Read("data/gfx/*");
    for (const std::string& name : pictures.Names())
        GetTexture("data/gfx/" + name);
}

HeavyFrame* Build()
{
    static HeavyFrame* frame = nullptr;
    if (frame)
        return frame;
    frame = new HeavyFrame;
    // The window stays open for the whole run.
    static const std::unique_ptr<Platform> platform = Platform::Start(WindowOptions());
    if (!platform) {
        frame->problem = "no display: run under xvfb-run";
        return frame;
    }
    frame->device = &static_cast<GlRenderBackend&>(GetRenderBackend());
    LoadEveryPicture();
    SetRenderBackend(nullptr);
    BotPlayer::Options bot;
    bot.seed = 3;
    frame->bot = std::make_unique<BotPlayer>(bot);
    frame->game = std::make_unique<HeadlessGame>(FirstLevel("data/levels/level09.txt"), 3, frame->bot.get());
    for (int i = 0; i < kHeaviestStep; ++i)
        frame->game->Step();
    // Without the level files beside the bench (a build of the bench target alone) the level is
    // empty and cleared at once: the paper alone would be timed as the heavy frame.
    if (frame->game->Phase().gameplay.IsLevelCleared())
        frame->problem = "level 9 could not be read: build the level_data target too";
    return frame;
}

// What the frame loop draws, in its order.
void DrawGame(GamePhase& phase, bool world)
{
    BeginFrame();
    phase.grid.Draw();
    if (world) {
        phase.gameplay.Draw();
        phase.overlay->Draw();
    }
    EndFrame();
}

// The device's options as it draws by default on Mesa's software rasteriser: every shortcut,
// the picture presented by copy.
RendererOptions AsOnLlvmpipe()
{
    RendererOptions options;
    options.presentByCopy = Choice::On;
    return options;
}

struct Drawing {
    bool world = true; // the characters, effects and overlay over the paper
    RendererOptions options = AsOnLlvmpipe();
};

void Run(benchmark::State& state, const Drawing& drawing)
{
    HeavyFrame* frame = Build();
    if (frame->problem) {
        state.SkipWithError(frame->problem);
        return;
    }
    ScopedRenderBackend installed(frame->device);
    const RendererOptions byDefault = frame->device->Options();
    frame->device->SetOptions(drawing.options);
    for (auto _ : state)
        DrawGame(frame->game->Phase(), drawing.world);
    frame->device->SetOptions(byDefault);
    state.counters["draw_calls_per_frame"] = frame->device->DrawCallsThisFrame();
}

// The heavy frame (or, without the world, its paper) with one of the device's shortcuts left out.
Drawing Without(bool RendererOptions::*shortcut, bool world = true)
{
    Drawing drawing;
    drawing.world = world;
    drawing.options.*shortcut = false;
    return drawing;
}

Drawing PresentedByBlit()
{
    Drawing drawing;
    drawing.options.presentByCopy = Choice::Off;
    return drawing;
}

Drawing PaperOnly()
{
    Drawing drawing;
    drawing.world = false;
    return drawing;
}

void BM_HeavyFrame(benchmark::State& state) { Run(state, Drawing()); }
void BM_HeavyFrameAllLinear(benchmark::State& state) { Run(state, Without(&RendererOptions::nearestWhereExact)); }
void BM_HeavyFramePaperDrawn(benchmark::State& state) { Run(state, Without(&RendererOptions::copyCovers)); }
void BM_HeavyFramePresentedByBlit(benchmark::State& state) { Run(state, PresentedByBlit()); }
void BM_HeavyFrameShadowBlendedStraight(benchmark::State& state) { Run(state, Without(&RendererOptions::premultipliedTwins)); }
void BM_PaperAndRuling(benchmark::State& state) { Run(state, PaperOnly()); }
void BM_PaperAndRulingPaperDrawn(benchmark::State& state) { Run(state, Without(&RendererOptions::copyCovers, false)); }

void PresentOnly(benchmark::State& state, Choice byCopy)
{
    HeavyFrame* frame = Build();
    if (frame->problem) {
        state.SkipWithError(frame->problem);
        return;
    }
    ScopedRenderBackend drawing(frame->device);
    const RendererOptions byDefault = frame->device->Options();
    RendererOptions options = byDefault;
    options.presentByCopy = byCopy;
    frame->device->SetOptions(options);
    for (auto _ : state) {
        BeginFrame();
        EndFrame();
    }
    frame->device->SetOptions(byDefault);
}

void BM_PresentOnly(benchmark::State& state) { PresentOnly(state, Choice::On); }
void BM_PresentOnlyByBlit(benchmark::State& state) { PresentOnly(state, Choice::Off); }

} // namespace

BENCHMARK(BM_HeavyFrame)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_HeavyFrameAllLinear)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_HeavyFramePaperDrawn)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_HeavyFramePresentedByBlit)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_HeavyFrameShadowBlendedStraight)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_PaperAndRuling)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_PaperAndRulingPaperDrawn)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_PresentOnly)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(BM_PresentOnlyByBlit)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
