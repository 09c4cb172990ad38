#pragma once
// The real platform driven from a test: keys put into SDL's own queue as the keyboard would put
// them (by their place), and the platform's events polled as the program's pump would.
#include "engine/input/gameevent.h"
#include "engine/platform/platform.h"

#include <memory>
#include <vector>

namespace testsupport {

// Puts the key of a game key number into SDL's queue, pressed or released, with an Alt key held
// or not.
void PushKey(int32_t key, bool down, bool alt = false);
// Every event the platform hands out now.
std::vector<GameEvent> PollAll(Platform& platform);
// The types of the events.
std::vector<GameEvent::Type> TypesOf(const std::vector<GameEvent>& events);

} // namespace testsupport
