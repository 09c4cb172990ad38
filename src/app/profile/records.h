#pragma once
// The rules of records: a level's bests (the fewest loops and the shortest clear, each kept on its
// own, each marked when it came from a clear played slower than full speed), the player's progress
// (the furthest level cleared and the records by list position), how two of them merge, and what
// the cleared banner says of a clear; a level's par and the medals a record earns against it.
#include <cstdint>
#include <map>
#include <string>

// Whether a figure (loops, milliseconds: fewer is better) replaces a record's: a better one of the
// same kind does, one of full speed replaces an assisted one that is no better, an assisted one
// never replaces one of full speed.
bool FigureReplaces(int64_t figure, bool assisted, int64_t record, bool recordAssisted);

// A level's bests: the fewest loops and the shortest clear, each kept on its own, each marked when
// it came from a clear played slower than full speed.
struct LevelRecord {
    int loops = 0; // 0: never cleared
    uint32_t milliseconds = 0;
    bool loopsAssisted = false;
    bool timeAssisted = false;

    bool Exists() const { return loops > 0; }
    // Takes the other's figures where they are better records: the fewer loops and the shorter
    // time, except that a figure of full speed replaces an assisted one that is no better than it,
    // and an assisted figure never replaces one of full speed.
    void Merge(const LevelRecord& other);
    bool operator==(const LevelRecord& other) const
    {
        return loops == other.loops && milliseconds == other.milliseconds && loopsAssisted == other.loopsAssisted &&
               timeAssisted == other.timeAssisted;
    }
};

struct Progress {
    int cleared = 0;                    // the furthest list position of the game's own cleared; 0 for none
    std::map<int, LevelRecord> records; // of the game's own levels, by list position
    // Of every other level (a pack's, the player's own), by the hash of its file's bytes, so that
    // a pack may reorder its levels and a changed level starts fresh.
    std::map<uint64_t, LevelRecord> byHash;

    // The record of a level; one that does not exist when it was never cleared.
    LevelRecord RecordOf(int position) const;
    LevelRecord RecordOfHash(uint64_t hash) const;
    // Keeps the further cleared position and, level by level, the better of each record.
    void Merge(const Progress& other);
    bool operator==(const Progress& other) const
    {
        return cleared == other.cleared && records == other.records && byHash == other.byHash;
    }
};

// A level's par, as its list gives it: the loops and the game time (ms) the practised bot clears it
// in; 0 where the list gives none.
struct LevelPar {
    int loops = 0;
    uint32_t milliseconds = 0;
};

// The medals a record holds against a par: one for loops, one for time, each for a figure at or
// under its par set at full speed (an assisted figure earns none, and no par none either).
struct Medals {
    bool loops = false;
    bool time = false;
};
Medals MedalsOf(const LevelRecord& record, const LevelPar& par);

// What the level-cleared banner says about a clear: the level's name, "3 loops · best 2", whether it
// made a new record and the medals it earned.
struct ClearReport {
    int position = 0; // on the level list
    int loops = 0;
    uint32_t milliseconds = 0; // game time from the level's start to this clear
    bool assisted = false;     // some of the level was played slower than full speed
    LevelRecord before;        // the level's record before this clear (none on its first clear)
    LevelRecord best;          // and with this clear
    std::string name;          // the level's name in its list; empty: none
    LevelPar par;

    // The medals this clear earned that the record did not hold before it.
    Medals NewMedals() const;

    // This clear set the fewest loops or the best time (a first clear sets both).
    bool NewFewestLoops() const
    {
        return best.loops != before.loops || best.loopsAssisted != before.loopsAssisted;
    }
    bool NewBestTime() const
    {
        return best.milliseconds != before.milliseconds || best.timeAssisted != before.timeAssisted;
    }
};
