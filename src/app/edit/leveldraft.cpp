#include "app/edit/leveldraft.h"

#include "world/leveltimeline.h"

#include <algorithm>

LevelDraft LevelDraft::FromText(const std::string& text)
{
    const LevelFile read = ParseLevelText(text);
    LevelDraft draft;
    draft.SetLength(read.hasLength ? read.length : kNewLength);
    for (const TimelineEvent& event : read.events)
        draft.events_.push_back({std::max(0, event.time), event.type});
    // The file's order is the order events happen in: an event waits for those before it.
    for (std::size_t i = 1; i < draft.events_.size(); ++i)
        draft.events_[i].time = std::max(draft.events_[i].time, draft.events_[i - 1].time);
    return draft;
}

std::string LevelDraft::Text() const
{
    std::string text = std::to_string(length_) + "\n";
    for (const DraftEvent& event : events_)
        text += std::to_string(event.time) + "," + std::to_string(event.type) + "\n";
    return text;
}

void LevelDraft::SetLength(int32_t length) { length_ = std::clamp(length, kShortest, kLongest); }

std::size_t LevelDraft::Add(const DraftEvent& event)
{
    const auto after = std::upper_bound(events_.begin(), events_.end(), event.time,
                                        [](int32_t time, const DraftEvent& placed) { return time < placed.time; });
    return static_cast<std::size_t>(events_.insert(after, event) - events_.begin());
}

std::size_t LevelDraft::Move(std::size_t index, int32_t time)
{
    DraftEvent moved = events_.at(index);
    events_.erase(events_.begin() + static_cast<std::ptrdiff_t>(index));
    moved.time = std::max(0, time);
    return Add(moved);
}

void LevelDraft::Remove(std::size_t index) { events_.erase(events_.begin() + static_cast<std::ptrdiff_t>(index)); }

int32_t Snapped(int32_t time, int32_t grid, int32_t length)
{
    const int32_t snapped = grid > 0 ? (time + grid / 2) / grid * grid : time;
    return std::clamp(snapped, 0, length);
}
