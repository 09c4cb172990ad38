#pragma once
// A level file gives the level's length and its timed robot arrivals. The timeline spawns at
// most one due event per step, in file order, and remembers across loops how far spawning
// has got: a restarted loop replays the robots already spawned and goes on only beyond that.
//
// Level file format, one entry per line (blanks around numbers and empty fields ignored):
//   60000        a single number: the level's length in milliseconds (the last one wins)
//   1000,3       time in milliseconds, event type (see SpawnType)
//
// The timeline only decides what arrives and where: it hands the world the robots due in a step,
// and the world makes them.
#include "engine/core/vectormath.h"

#include <cstdint>
#include <string>
#include <vector>

class RandomGenerators;

// What an event of a level file brings.
enum SpawnType : int32_t {
    kSpawnBigBad = 1,
    kSpawnSmallHoming = 2,
    kSpawnSmallMoving = 3,
    kSpawnFormation = 4,      // five small_moving in an arrow
    kSpawnFormationAlso = 5,  // the same formation
    // The later kinds (characters/robots/), outside the classic game only: there they spawn
    // nothing, as every type outside 1 to 5 always has.
    kSpawnShieldBot = 6,
    kSpawnTwins = 7,          // a pair, side by side on one path
    kSpawnPhantom = 8,
    kSpawnHive = 9,
    kSpawnSower = 10,
};

struct TimelineEvent {
    int32_t type = 0;
    int32_t time = 0;
};

struct LevelFile {
    int32_t length = 0;
    bool hasLength = false; // a length line was read
    std::vector<TimelineEvent> events;
};

// A file that cannot be opened gives length 0 and no events. A file that cannot be read, or
// that has no length line, is named in a line on standard error (once per file); the empty
// name, which stands for "no more levels", reads nothing and is not named.
LevelFile ReadLevelFile(const std::string& fileName);
// Parses the lines of a level file held in memory, the same way.
LevelFile ParseLevelText(const std::string& text);

// A random diagonal path across the field from 75 pixels beyond one edge to 75 pixels beyond
// the opposite one.
void RandomCrossingPath(RandomGenerators& random, vector2& start, vector2& target);

// One robot to be made: its spawn type (one robot, never a formation) and its path.
struct Spawn {
    int32_t type = 0;
    vector2 start;
    vector2 target;
};

class LevelTimeline {
public:
    void Load(const LevelFile& level);
    // Hands out the robots of the next event if it is due at time t (and t is beyond the
    // high-water mark): none, one, or a formation's five, in the order they are to be made. The
    // path of an event due is drawn from random.
    std::vector<Spawn> AdvanceTimeline(uint32_t t, RandomGenerators& random);
    void SpawnEvent(int32_t type, const vector2& start, const vector2& target, std::vector<Spawn>& due);
    void SpawnFormation(const vector2& start, const vector2& target, std::vector<Spawn>& due);

    uint32_t LevelLength() const { return static_cast<uint32_t>(levelLength); }

    // How far the timeline has gone, for a snapshot; its events are the level's own.
    template <typename Archive>
    void Keep(Archive& archive)
    {
        archive.Value(now);
        archive.Value(spawnHighWater);
        archive.Value(next);
    }

    uint32_t now = 0;
    uint32_t spawnHighWater = 0; // the value of now at the latest spawn; never lowered
    int32_t levelLength = 0;
    std::vector<TimelineEvent> events;
    int32_t next = 0;
};
