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
#include "engine/glrenderbackend.h"
#include "engine/platform.h"
#include "engine/renderdevice.h"
#include "engine/texturecache.h"
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
    static bool tried = false;
    if (tried)
        return frame;
    tried = true;
    // The window stays open for the whole run.
    static const std::unique_ptr<Platform> platform = Platform::Start(WindowOptions());
    if (!platform)
        return nullptr;
    frame = new HeavyFrame;
    frame->device = &static_cast<GlRenderBackend&>(GetRenderBackend());
    LoadEveryPicture();
    SetRenderBackend(nullptr);
    BotPlayer::Options bot;
    bot.seed = 3;
    frame->bot = std::make_unique<BotPlayer>(bot);
    frame->game = std::make_unique<HeadlessGame>(FirstLevel("data/levels/level09.txt"), 3, frame->bot.get());
    for (int i = 0; i < kHeaviestStep; ++i)
        frame->game->Step();
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

struct Drawing {
    bool world = true;             // the characters, effects and overlay over the paper
    bool nearestWhereExact = true; // as the device draws by default
    bool copyCovers = true;        // as the device draws by default
    bool presentByCopy = true;     // as the device presents by default on Mesa's software rasteriser
    bool premultipliedTwins = true; // as the device blends the fold's shadow by default on llvmpipe
};

void Run(benchmark::State& state, Drawing drawing)
{
    HeavyFrame* frame = Build();
    if (!frame) {
        state.SkipWithError("no display: run under xvfb-run");
        return;
    }
    ScopedRenderBackend installed(frame->device);
    frame->device->SetNearestWhereExact(drawing.nearestWhereExact);
    frame->device->SetCopyWherePictureCovers(drawing.copyCovers);
    const bool presentsByCopy = frame->device->PresentsByCopy();
    frame->device->SetPresentByCopy(drawing.presentByCopy);
    frame->device->SetBlendPremultipliedWhereExact(drawing.premultipliedTwins);
    for (auto _ : state)
        DrawGame(frame->game->Phase(), drawing.world);
    frame->device->SetBlendPremultipliedWhereExact(true);
    frame->device->SetNearestWhereExact(true);
    frame->device->SetCopyWherePictureCovers(true);
    frame->device->SetPresentByCopy(presentsByCopy);
    state.counters["draw_calls_per_frame"] = frame->device->DrawCallsThisFrame();
}

void BM_HeavyFrame(benchmark::State& state) { Run(state, Drawing()); }
void BM_HeavyFrameAllLinear(benchmark::State& state) { Run(state, Drawing{true, false, true}); }
void BM_HeavyFramePaperDrawn(benchmark::State& state) { Run(state, Drawing{true, true, false}); }
void BM_HeavyFramePresentedByBlit(benchmark::State& state) { Run(state, Drawing{true, true, true, false}); }
void BM_HeavyFrameShadowBlendedStraight(benchmark::State& state) { Run(state, Drawing{true, true, true, true, false}); }
void BM_PaperAndRuling(benchmark::State& state) { Run(state, Drawing{false, true, true}); }
void BM_PaperAndRulingPaperDrawn(benchmark::State& state) { Run(state, Drawing{false, true, false}); }

void PresentOnly(benchmark::State& state, bool byCopy)
{
    HeavyFrame* frame = Build();
    if (!frame) {
        state.SkipWithError("no display: run under xvfb-run");
        return;
    }
    ScopedRenderBackend drawing(frame->device);
    const bool presentsByCopy = frame->device->PresentsByCopy();
    frame->device->SetPresentByCopy(byCopy);
    for (auto _ : state) {
        BeginFrame();
        EndFrame();
    }
    frame->device->SetPresentByCopy(presentsByCopy);
}

void BM_PresentOnly(benchmark::State& state) { PresentOnly(state, true); }
void BM_PresentOnlyByBlit(benchmark::State& state) { PresentOnly(state, false); }

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
