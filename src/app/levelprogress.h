#pragma once
// Progress kept between runs: the list position of the furthest level the player has cleared,
// in a small text file of the player's own state directory ("$XDG_STATE_HOME/tobrakka/progress",
// else "~/.local/state/tobrakka/progress"), never under data/. The file holds one line,
// "cleared N". A missing, empty or unreadable file is no progress; a file that holds anything
// else is no progress too, said once on standard error. Writing goes through a temporary file
// renamed over the old one, so a crash or a full disk never leaves half a file behind.
#include <string>

class Gameplay;

class ProgressFile {
public:
    explicit ProgressFile(const std::string& path) : path_(path) {}
    // The player's progress file; empty when neither XDG_STATE_HOME nor HOME is set.
    static std::string DefaultPath();

    // The position of the furthest level cleared; 0 for none.
    int LastCleared() const;
    // Records a cleared level, keeping the furthest one; false, with one line on standard
    // error, when the file cannot be written.
    bool RecordCleared(int position) const;

    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

// Looks at the game after every step and records the levels of the list the player clears.
class ProgressKeeper {
public:
    explicit ProgressKeeper(const ProgressFile& file) : file_(file) {}
    void AfterStep(Gameplay& gameplay);

private:
    ProgressFile file_;
    int recorded_ = 0; // the furthest position recorded in this run
};
