#pragma once
// Progress and records kept between runs, in a small text file of the player's own state
// directory ("$XDG_STATE_HOME/tobrakka/progress", else "~/.local/state/tobrakka/progress"), never
// under data/:
//
//     cleared 4
//     record 1 2 15360
//     record 3 1 40016 assisted=time
//     level 9c0e2f31a4b5d6e7 3 52100
//
// The first line is the list position of the furthest level of the game's own list cleared (0 to
// 9999; 0 when only other levels were). Each "record"
// line holds a level's list position, the fewest loops it was ever cleared in (1 or more) and its
// shortest clear in milliseconds of game time (from the level's start to its clear, over all its
// loops, pauses left out); the two bests may come from different clears. "assisted=" names the
// bests (loops, time, or loops,time) that came from a clear played slower than full speed. A "level"
// line holds the same of a level outside the game's own list (a pack's, the player's own), named
// by the hash of its file's bytes in sixteen hex digits (app/replay/replayfile.h: LevelHash). A file of the first line
// alone is progress without records. A missing or empty file is no progress. A first line that is
// not "cleared N", or a record line that cannot be, is named once on standard error with the file
// and line and left out, and the rest is kept. Saving merges with what the file holds under a
// lock (see utils/playerfile.h), so two games running at once never lose each other's clears.
#include "app/profile/records.h"

#include <string>

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
