#pragma once
// Where the day's level is kept once found, beside the player's progress
// ("$XDG_STATE_HOME/tobrakka/daily/", else "~/.local/state/tobrakka/daily/"): the level file
// "2026-12-10.txt", which play and its replays read, and "2026-12-10.found", what the finder
// found out about it:
//
//     candidate 3 -1
//     practised yes 3 101216
//     novice yes 7 301120
//     novice yes 8 ...
//
// (the candidate and its tempo, then each run of the bot's check: cleared, loops, game time). A
// day is kept when both files read and the level file is what the day's candidate makes: anything
// else is found again (the same level, as the finder finds it on every machine).
#include "app/daily/dailyfinder.h"

#include <string>

class DailyFolder {
public:
    explicit DailyFolder(const std::string& folder) : folder_(folder) {}
    // The player's daily folder; the system's folder for passing files when neither
    // XDG_STATE_HOME nor HOME is set.
    static std::string DefaultFolder();

    // The day's level as kept: true, with found filled in, when it is.
    bool Kept(const DailyDate& date, DailyFound& found) const;
    // Keeps the level found (written the safe way); false, with the reason, when it cannot.
    bool Keep(const DailyFound& found, std::string& error) const;

    std::string LevelPath(const DailyDate& date) const { return folder_ + "/" + date.Text() + ".txt"; }
    // Where the finder writes its candidates.
    std::string ScratchPath() const { return folder_ + "/candidate.txt"; }
    const std::string& Folder() const { return folder_; }

private:
    std::string FoundPath(const DailyDate& date) const { return folder_ + "/" + date.Text() + ".found"; }

    std::string folder_;
};
