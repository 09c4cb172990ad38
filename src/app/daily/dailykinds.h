#pragma once
// What a daily level is made of: the robot kinds it brings, one line each, and the themes a day
// may have. A kind says which event of a level file it is, how its robots come (alone, or as a
// pair or a trio of events 150 ms apart), how often it is drawn, what part it plays (which a
// theme favours), and where and how often it may come in a level. A new robot kind is one more
// line of the table.
#include <cstdint>
#include <string>
#include <vector>

enum class DailyRole {
    kCrossing, // small robots that cross the field
    kHunting,  // robots that chase a self
    kFlock,    // robots that come together (an arrow)
    kHeavy,    // a big robot that takes many hits and fires
};

struct DailyKind {
    int32_t type;       // the event type of the level file
    DailyRole role;
    int weight;         // how often it is drawn for a wave's beat (a favoured role's kinds thrice)
    int most;           // events in a beat of it: a beat of a kind with most 3 is 1 to 3 events
    int fromPercent;    // it comes no earlier than this share of the level's length
    int perLevel;       // beats of it in a level at most (0: no limit)
    int atLeast;        // beats of it every level holds
};

struct DailyTheme {
    DailyRole favoured;
    std::vector<std::string> nouns; // of the day's name: "Wednesday's Crossfire"
};

const std::vector<DailyKind>& DailyKinds();
const std::vector<DailyTheme>& DailyThemes();
