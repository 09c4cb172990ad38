#pragma once
// The one place that reads the millisecond tick counter and sleeps. The frame loop, the title
// screen and the sound throttle ask GetTicks(); the native main loop waits with WaitUntil. Tests
// and the headless driver install their own clock, and tests a sleep that moves that clock on.
#include <cstdint>

namespace kolm {

using TickSource = uint32_t (*)();
using SleepFunction = void (*)(uint32_t microseconds);

uint32_t GetTicks();
// Installs a clock; nullptr restores SDL_GetTicks.
void SetTickSource(TickSource source);

// Sleeps for about that long (at least, as the system sleeps).
void Sleep(uint32_t microseconds);
// Installs a sleep; nullptr restores the system's.
void SetSleepFunction(SleepFunction sleep);

// Returns the first tick reading at which `due` has come, as a loop spinning on the tick counter
// would see it: it sleeps until shortly before then and takes the last stretch in short naps
// between readings, so the wait costs next to no processor time. A time already past returns at
// once.
uint32_t WaitUntil(uint32_t due);

} // namespace kolm
