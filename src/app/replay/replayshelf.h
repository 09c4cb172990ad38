#pragma once
// The player's replays, one file each in "$XDG_DATA_HOME/tobrakka/replays/" (else
// "~/.local/share/tobrakka/replays/"), named by the date and the level
// ("20261209-180001-level03.replay"). Each is written the way the progress file is (a synced
// temporary file renamed into place, under the folder's lock, utils/playerfile.h). After each
// save the shelf keeps each level's (known by its file's hash) best replay for fewest loops and for best time (by the
// records' rules: one of full speed replaces an assisted one that is no better, an assisted one
// never replaces one of full speed) and the 30 most recent; it removes the others.
#include "app/replay/replayfile.h"

#include <string>
#include <vector>

class ReplayShelf {
public:
    static constexpr std::size_t kRecentKept = 30;

    // What the list shows of a replay: its header, and whether it holds a level's record.
    struct Entry {
        std::string path;
        Replay header; // without its events and checks
        bool fewestLoops = false; // the level's best replay for loops
        bool bestTime = false;    // and for time
        bool IsRecord() const { return fewestLoops || bestTime; }
    };

    explicit ReplayShelf(const std::string& folder) : folder_(folder) {}
    // The player's replays folder; empty when neither XDG_DATA_HOME nor HOME is set.
    static std::string DefaultFolder();

    // Writes the replay and applies the keep rule; false, with the reason said once a run on
    // standard error, when it cannot be written. A replay file that cannot be read is left as it
    // is.
    bool Save(const Replay& replay) const;
    // The replays of the folder, newest first, each marked when it is a level's record; files
    // that are no replays are left out (and named once on standard error).
    std::vector<Entry> List() const;
    // The best replay (fewest loops, else best time) of the level with this hash; empty when it
    // has none.
    std::string BestOf(uint64_t levelHash) const;

    const std::string& Folder() const { return folder_; }

private:
    // Removes what the keep rule lets go.
    void Prune() const;
    std::string NewFileName(const Replay& replay) const;

    std::string folder_;
};

// The date of now, as a replay keeps it: "2026-12-09T18:00:01Z".
std::string ReplayDateNow();
