#pragma once
// The daily history's file, beside the player's progress ("$XDG_STATE_HOME/tobrakka/daily/history",
// else "~/.local/state/tobrakka/daily/history"), read and written as every player's file is
// (utils/playerfile.h): each change is made under the file's lock onto what the file holds then,
// so two games running at once keep each other's days.
//
// A history the game cannot read whole (a line that is no day, a binary or huge file, a folder in
// its place) is never written over: it is named on standard error and kept aside, renamed to
// "history.bad" beside it ("history.bad-2" and on when that is taken), and a new history holds
// every day that could be read from it.
#include "app/daily/dailyhistory.h"

#include <functional>
#include <string>

class DailyHistoryFile {
public:
    explicit DailyHistoryFile(const std::string& path) : path_(path) {}
    // The player's history file; empty when neither XDG_STATE_HOME nor HOME is set.
    static std::string DefaultPath();

    // The history as the file holds it (a bad file is kept aside as above, and what could be
    // read of it returned).
    DailyHistory Load() const;
    // Changes the history on the file and returns it as written (or, when it cannot be written,
    // as changed, said once a run on standard error with the false answer).
    bool Change(const std::function<void(DailyHistory&)>& change, DailyHistory& history) const;

    const std::string& Path() const { return path_; }

private:
    // The history of what the file holds; a bad file is renamed aside (under the lock).
    DailyHistory Read(const kolm::PlayerFileText& present) const;
    void SetAside(const std::string& why) const;

    std::string path_;
};
