#pragma once
// Progress and records kept between runs, in a small text file of the player's own state
// directory ("$XDG_STATE_HOME/tobrakka/progress", else "~/.local/state/tobrakka/progress"), never
// under data/:
//
//     cleared 4
//     record 1 2 15360
//     record 3 1 40016 assisted=time
//
// The first line is the list position of the furthest level cleared (1 to 9999). Each "record"
// line holds a level's list position, the fewest loops it was ever cleared in (1 or more) and its
// shortest clear in milliseconds of game time (from the level's start to its clear, over all its
// loops, pauses left out); the two bests may come from different clears. "assisted=" names the
// bests (loops, time, or loops,time) that came from a clear played slower than full speed. A file of the first line
// alone is progress without records. A missing or empty file is no progress. A first line that is
// not "cleared N", or a record line that cannot be, is named once on standard error with the file
// and line and left out, and the rest is kept. Saving merges with what the file holds under a
// lock (see utils/playerfile.h), so two games running at once never lose each other's clears.
#include "utils/levellist/clevellist.h"
#include "world/stepobserver.h"

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
    int cleared = 0;                    // the furthest list position cleared; 0 for none
    std::map<int, LevelRecord> records; // by list position

    // The record of a level; one that does not exist when it was never cleared.
    LevelRecord RecordOf(int position) const;
    // Keeps the further cleared position and, level by level, the better of each record.
    void Merge(const Progress& other);
    bool operator==(const Progress& other) const { return cleared == other.cleared && records == other.records; }
};

class ProgressFile {
public:
    static constexpr int kLastPosition = 9999; // of any level list

    explicit ProgressFile(const std::string& path) : path_(path) {}
    // The player's progress file; empty when neither XDG_STATE_HOME nor HOME is set.
    static std::string DefaultPath();

    // What the file holds, keeping the records of list positions 1 to lastPosition (the level
    // list's length); a record past it is named and left out. Each problem is named once a run.
    Progress Load(int lastPosition = kLastPosition) const;
    // The position of the furthest level cleared; 0 for none.
    int LastCleared() const { return Load().cleared; }
    // Merges what the file holds now (records of levels past this run's list included) into
    // progress and writes the result. False when the file cannot be written, said once a run on
    // standard error; progress then still holds everything that could be merged.
    bool Save(Progress& progress) const;

    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// What the level-cleared banner says about a clear: "3 loops · best 2", and whether it made a
// new record.
struct ClearReport {
    int position = 0; // on the level list
    int loops = 0;
    uint32_t milliseconds = 0; // game time from the level's start to this clear
    bool assisted = false;     // some of the level was played slower than full speed
    LevelRecord before;        // the level's record before this clear (none on its first clear)
    LevelRecord best;          // and with this clear

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

// Looks at the game after every step, notes each clear of a level of the list with its loops and
// game time, and saves it at once. Tools that are not the player (the bot) get no keeper.
class ProgressKeeper : public StepObserver {
public:
    // Reads the file, keeping the records of the level list's positions; notes the clears of
    // the list's levels.
    ProgressKeeper(const ProgressFile& file, const kolm::CLevelList& levels);

    // After every step; phaseTime is the frame loop's game time at the start of that step, which
    // stands still while the game is paused; slowed: the step was played below full speed, which
    // marks the level's clear as assisted.
    void AfterStep(const Gameplay& gameplay, uint32_t phaseTime, bool slowed = false) override;

    // The clear of the level being played, once it is cleared; nullptr before that, from the
    // start of the next level on, and for a level that is not on the list.
    const ClearReport* LastClear() const { return hasClear_ ? &clear_ : nullptr; }
    // Progress and records as known now: the file's, this run's clears, and whatever another
    // game running at the same time has saved by this run's last save.
    const Progress& Known() const { return known_; }
    // The last save of this run failed (the note on screen says so until one succeeds).
    bool SaveFailed() const { return saveFailed_; }

private:
    void NoteClear(int position, const LevelRecord& clear);

    ProgressFile file_;
    const kolm::CLevelList& levels_;
    Progress known_;
    uint32_t level_ = 0;         // the facade's count of levels loaded when this one began
    uint32_t levelStart_ = 0;    // the phase time at its start
    bool levelCleared_ = false;  // its clear has been noted
    bool levelSlowed_ = false;   // a step of it was played below full speed
    bool hasClear_ = false;
    bool saveFailed_ = false;
    ClearReport clear_;
};
