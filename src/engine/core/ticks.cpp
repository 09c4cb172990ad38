#include "engine/core/ticks.h"

#include <SDL.h>

#include <chrono>
#include <thread>

namespace kolm {
namespace {

TickSource g_tickSource = nullptr;
SleepFunction g_sleep = nullptr;

// A sleep may end a little late, and the tick counter's millisecond began up to a millisecond
// before it was read: the long sleep stops this far before the due time, and the rest is
// watched in naps short enough that the first reading of the due millisecond is not missed.
constexpr int32_t kWakeEarlyMs = 2;
constexpr uint32_t kNapMicroseconds = 200;

} // namespace

uint32_t GetTicks() { return g_tickSource ? g_tickSource() : SDL_GetTicks(); }

void SetTickSource(TickSource source) { g_tickSource = source; }

void Sleep(uint32_t microseconds)
{
    if (g_sleep)
        g_sleep(microseconds);
    else
        std::this_thread::sleep_for(std::chrono::microseconds(microseconds));
}

void SetSleepFunction(SleepFunction sleep) { g_sleep = sleep; }

uint32_t WaitUntil(uint32_t due)
{
    for (;;) {
        const uint32_t now = GetTicks();
        const int32_t left = static_cast<int32_t>(due - now);
        if (left <= 0)
            return now;
        Sleep(left > kWakeEarlyMs ? static_cast<uint32_t>(left - kWakeEarlyMs) * 1000u : kNapMicroseconds);
    }
}

} // namespace kolm
