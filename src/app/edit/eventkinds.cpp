#include "app/edit/eventkinds.h"

#include "utils/datafiles.h"

#include <algorithm>

namespace {

using datafiles::Frame;
using datafiles::FrameSet;

} // namespace

const std::vector<EventKind>& EventKinds()
{
    static const std::vector<EventKind> kinds = {
        {1, Frame(FrameSet::kBigBad, 1), 0.32f, "big robot"},
        {2, Frame(FrameSet::kSmallHoming, 1), 0.6f, "homing robot"},
        {3, Frame(FrameSet::kSmallMoving, 1), 0.6f, "crossing robot"},
        {4, Frame(FrameSet::kSmallMoving, 5), 0.6f, "arrow of five"},
        {6, Frame(FrameSet::kShieldBot, 1), 0.6f, "shield bot"},
        {7, Frame(FrameSet::kTwinBot, 1), 0.6f, "twins"},
        {8, Frame(FrameSet::kPhantom, 1), 0.6f, "phantom"},
        {9, Frame(FrameSet::kHive, 1), 0.5f, "hive"},
        {10, Frame(FrameSet::kSower, 1), 0.6f, "sower"},
    };
    return kinds;
}

const EventKind& KindOfType(int32_t type)
{
    static const EventKind unknown{0, datafiles::kSpiral, 0.4f, "no robot"};
    const std::vector<EventKind>& kinds = EventKinds();
    const auto found = std::find_if(kinds.begin(), kinds.end(), [type](const EventKind& kind) { return kind.type == type; });
    // Type 5 is a second name for the arrow.
    if (found == kinds.end())
        return type == 5 ? kinds[3] : unknown;
    return *found;
}
