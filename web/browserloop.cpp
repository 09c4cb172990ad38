#include "browserloop.h"

#include "app/program.h"
#include "engine/ticks.h"

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

// One animation frame. Before a step is due the frame loop does nothing, so the steps keep
// their 16 ms cadence whatever the browser's frame rate.
void AnimationFrame()
{
    const uint32_t now = kolm::GetTicks();
    if (now < g_run.program->NextDue())
        return;
    if (g_run.program->Tick(now)) {
        if (++g_run.ticks == kTicksToFirstPicture)
            EM_ASM({ window.tobrakkaFirstPicture = performance.now(); });
        return;
    }
    emscripten_cancel_main_loop();
    const int status = g_run.program->ExitStatus();
    g_run.program.reset();
    g_run.tools.reset();
    TellPageGameEnded(status);
}

} // namespace

void RunProgramInBrowser(const std::vector<std::string>& arguments, std::unique_ptr<InputSource> tools)
{
    g_run.tools = std::move(tools);
    g_run.program = std::make_unique<Program>(arguments, g_run.tools.get());
    // Zero frames per second: the browser's own animation frames.
    emscripten_set_main_loop(AnimationFrame, 0, false);
}
