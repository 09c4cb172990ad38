#pragma once
// The one place that reads the millisecond tick counter. The frame loop, the title screen and
// the sound throttle ask GetTicks(); tests and the headless driver install their own clock.
#include <cstdint>

namespace kolm {

using TickSource = uint32_t (*)();

uint32_t GetTicks();
// Installs a clock; nullptr restores SDL_GetTicks.
void SetTickSource(TickSource source);

} // namespace kolm
