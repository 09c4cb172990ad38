#pragma once
// A replay: one cleared level as it was played, every loop of it, kept as text so that it can be
// read, mailed and checked:
//
//     tobrakka-replay 1
//     game 5
//     level 3 9f3c1a2b4d5e6f70 data/levels/level03.txt
//     random 16807 12345
//     pad 25 50 0 0 0 0 0 0 0
//     flow stands
//     loops 3
//     time 40016
//     date 2026-12-09T18:00:01Z
//     assisted no
//     events
//     0 move 640 360
//     16 down 119
//     check 5008 8a094ab4f54df192
//     ...
//     check 40016 0c1d2e3f40516273
//     end
//
// The header says which game version recorded it, the level (its list position, a hash of its
// file's bytes and the file), everything else the world starts from: the states of the two
// random generators as the level was loaded, the pad's sticks as they stood then (dead zone, fire
// threshold, the buttons they held and every axis) and how the level flow treats a clear
// ("stands": a clear holds through a later death); then how the clear went (loops, game time in
// milliseconds, the date in UTC) and whether it was played slower than full speed. The body is
// the events the game heard, in the lines of an input script (app/replay/scriptevents.h), at game time
// from the level's start, and a check of the world's digest every 5 s of that time and at the
// clear. The events at time 0 came as the level was loaded, before its first step.
#include "app/control/joystick.h"
#include "engine/input/gameevent.h"

#include <cstdint>
#include <string>
#include <vector>

struct Replay {
    static constexpr int kVersion = 1;
    // A replay file is text of at most this many bytes: a level of an hour, mouse moves and all,
    // takes a few.
    static constexpr std::size_t kLargestFile = 32u << 20;

    struct Event {
        uint32_t time;
        GameEvent event;
        bool operator==(const Event& other) const { return time == other.time && event == other.event; }
    };
    struct Check {
        uint32_t time;
        uint64_t hash; // of the world's digest after the step that reached time
        bool operator==(const Check& other) const { return time == other.time && hash == other.hash; }
    };

    int game = 0;     // the version of the game that recorded it
    int position = 0; // the level's position on the list
    uint64_t levelHash = 0;
    std::string levelFile;
    double minimalState = 1.0; // the random generators as the level was loaded
    uint32_t runtimeState = 1;
    JoystickMapping::State pad;
    bool clearStands = true;
    int loops = 0;
    uint32_t milliseconds = 0; // game time of the clear, from the level's start
    std::string date;          // "2026-12-09T18:00:01Z"
    bool assisted = false;
    std::vector<Event> events;
    std::vector<Check> checks;

    bool operator==(const Replay& other) const;
};

// The replay's text, as above.
std::string FormatReplay(const Replay& replay);
// Reads a replay's text: false, with the line and what is wrong in problem ("line 7: ..."), for
// text that is not a whole replay this game can read.
bool ReadReplay(const std::string& text, Replay& replay, std::string& problem);
// Reads no more than a replay's header (up to its "events" line), for listing replays.
bool ReadReplayHeader(const std::string& text, Replay& replay, std::string& problem);
// Reads a replay file: false, with what is wrong, for a file that cannot be read (missing, a
// folder, larger than kLargestFile) or is no replay.
bool LoadReplay(const std::string& path, Replay& replay, std::string& problem);

// The hash a replay keeps of a level file: 64-bit FNV-1a over its bytes.
uint64_t LevelHash(const std::string& contents);
// The hash of the level file at path (of no bytes when it cannot be read).
uint64_t LevelFileHash(const std::string& path);
// Every 5 s of a level's game time, and at its clear, a replay checks the world.
inline constexpr uint32_t kReplayCheckEvery = 5000;
