#pragma once
// The level being made in the editor, as its level file will hold it: a length and the events in
// the order they happen (by time; events of one time in the order they were placed). It reads a
// level file's text by the level file's own rules and writes text that reads back as the same
// level, and makes the editor's changes, each a whole new draft kept by the undo history.
#include <cstdint>
#include <string>
#include <vector>

struct DraftEvent {
    int32_t time = 0; // ms from the level's start
    int32_t type = 0; // what it spawns (docs/levels.md)
    bool operator==(const DraftEvent& other) const { return time == other.time && type == other.type; }
};

class LevelDraft {
public:
    static constexpr int32_t kShortest = 1000;    // the editor's shortest level, ms
    static constexpr int32_t kLongest = 3600000;  // and its longest: an hour
    static constexpr int32_t kNewLength = 60000;

    LevelDraft() = default;
    // The level a file's text holds, read as the game reads it (a length the editor cannot make
    // is brought within its range; events past the end are kept).
    static LevelDraft FromText(const std::string& text);
    // The level file's text: the length, then one "time,type" line an event.
    std::string Text() const;

    int32_t Length() const { return length_; }
    void SetLength(int32_t length);
    const std::vector<DraftEvent>& Events() const { return events_; }

    // Each answers where the event now stands in the order.
    std::size_t Add(const DraftEvent& event);
    std::size_t Move(std::size_t index, int32_t time);
    void Remove(std::size_t index);

    bool operator==(const LevelDraft& other) const { return length_ == other.length_ && events_ == other.events_; }
    bool operator!=(const LevelDraft& other) const { return !(*this == other); }

private:
    int32_t length_ = kNewLength;
    std::vector<DraftEvent> events_;
};

// A time brought to the nearest multiple of the grid (ms), within 0 .. length.
int32_t Snapped(int32_t time, int32_t grid, int32_t length);
