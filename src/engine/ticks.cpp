#include "engine/ticks.h"

#include <SDL.h>

namespace kolm {
namespace {
TickSource g_tickSource = nullptr;
}

uint32_t GetTicks() { return g_tickSource ? g_tickSource() : SDL_GetTicks(); }

void SetTickSource(TickSource source) { g_tickSource = source; }

} // namespace kolm
