#include "engine/platform/platform.h"

#include <utility>

namespace {

// A stick or trigger pushed this far (a quarter of its travel, as the game's own stick mapping
// counts it) is the pad being used; less is a stick resting off its centre.
constexpr int32_t kUseThreshold = 32768 / 4;

} // namespace

bool Platform::NoteUse(const GameEvent& event, pads::Family padFamily)
{
    using Type = GameEvent::Type;
    switch (event.type) {
    case Type::kKeyDown:
    case Type::kMouseDown:
    case Type::kMouseWheel:
        lastUsed_ = LastDevice();
        return true;
    case Type::kPadAxis:
        if (event.value <= kUseThreshold && event.value >= -kUseThreshold)
            return false;
        [[fallthrough]];
    case Type::kPadDown:
        lastUsed_ = LastDevice{true, padFamily};
        return true;
    default:
        return false;
    }
}

std::vector<std::string> Platform::TakeDroppedFiles() { return std::exchange(dropped_, {}); }

void Platform::NoteDropped(const std::string& path)
{
    if (dropped_.size() < kDropsKept)
        dropped_.push_back(path);
}
