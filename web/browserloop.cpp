#include "browserloop.h"

#include "app/program.h"
#include "engine/core/ticks.h"

#include <emscripten.h>

namespace {

struct BrowserRun {
    std::unique_ptr<InputSource> tools;
    std::unique_ptr<Program> program;
    int ticks = 0;
};

// The program's first tick starts it up, the second shows the title.
constexpr int kTicksToFirstPicture = 2;

BrowserRun g_run;

void TellPageGameEnded(int status)
{
    EM_ASM({ if (Module.onGameEnded) Module.onGameEnded($0); }, status);
}

// The game steps every 16 ms; the browser's animation frames come at the display's rate, every
// 16.7 ms at 60 Hz. A frame that waited for a step to be due and then stepped from its own moment
// would lose a step whenever a frame came a little early, and a 60 Hz page could never reach
// 62.5 steps a second. So each frame takes the steps that fell due since the last, each at the
// moment it was due (two in one frame now and then at 60 Hz), up to kMostStepsPerFrame. A page
// further behind than kMostLateMs (a slow machine, a tab back from the background) steps from
// now instead of racing to catch up.
constexpr int kMostStepsPerFrame = 2;
constexpr uint32_t kMostLateMs = 40;

void EndRun()
{
    emscripten_cancel_main_loop();
    const int status = g_run.program->ExitStatus();
    g_run.program.reset();
    g_run.tools.reset();
    TellPageGameEnded(status);
}

void AnimationFrame()
{
    const uint32_t now = kolm::GetTicks();
    for (int steps = 0; steps < kMostStepsPerFrame; ++steps) {
        const uint32_t due = g_run.program->NextDue();
        if (now < due)
            return;
        if (!g_run.program->Tick(now - due <= kMostLateMs ? due : now)) {
            EndRun();
            return;
        }
        if (++g_run.ticks == kTicksToFirstPicture)
            EM_ASM({ window.tobrakkaFirstPicture = performance.now(); });
    }
}

} // namespace

void RunProgramInBrowser(const std::vector<std::string>& arguments, std::unique_ptr<InputSource> tools,
                         LevelCheckMaker check)
{
    g_run.tools = std::move(tools);
    g_run.program = std::make_unique<Program>(arguments, g_run.tools.get(), std::move(check));
    // Zero frames per second: the browser's own animation frames.
    emscripten_set_main_loop(AnimationFrame, 0, false);
}
