#pragma once
// What the editor offers to place, in its palette's order (the keys 1 to 9 take them in turn):
// each event type a level file knows, the picture its mark on the
// timeline is drawn with (the robot's own), how large, and a word for it.
#include <cstdint>
#include <string>
#include <vector>

struct EventKind {
    int32_t type;
    std::string picture;
    float scale;      // of the picture on the timeline and in the palette
    std::string word; // "big robot"
};

const std::vector<EventKind>& EventKinds();
// The kind of a type; a plain mark for a type the editor does not know (a file made elsewhere).
const EventKind& KindOfType(int32_t type);
