#pragma once
// The player's own files, the progress and the settings: small text files that are read with
// care (a folder, a binary or a huge file in the file's place is named, never trusted) and
// written so that a crash, a full disk, a kill in the middle of a save or a second game saving at
// the same moment never leaves one half-written.
//
// A save takes an exclusive lock on "FILE.lock" beside the file, reads what the file holds now,
// writes the new text to "FILE.new", syncs it to the disk, renames it over the file, syncs the
// folder and lets go of the lock. The rename is what makes the new text appear whole or not at
// all; the lock makes a read-change-write of one game whole against another game's.
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace kolm {

// The largest player's file that is read: anything bigger is no file the game wrote.
inline constexpr std::size_t kPlayerFileLimit = 64 * 1024;

struct PlayerFileText {
    enum class State {
        kRead,     // text holds the whole file
        kMissing,  // there is no such file (or no folder for it)
        kUnusable, // problem says why: a folder, not a regular file, unreadable, binary, too large
    };
    State state = State::kMissing;
    std::string text;
    std::string problem; // "is a folder", "holds a NUL byte: it is not a text file", ...
};

// Reads the whole file, without waiting on a named pipe or reading more than limit bytes and one.
PlayerFileText ReadPlayerFile(const std::string& path, std::size_t limit = kPlayerFileLimit);

// Replaces the file's contents as described above, making its folder (and the folders above it)
// when missing. makeText is handed what the file holds now, read under the lock, and returns the
// new contents. False, with the reason in error, when any step fails; the file is then as it was.
// Waits up to two seconds for another game's save to finish.
// A lockPath names the lock of a folder of files kept alike (the replays) in place of FILE.lock.
bool SavePlayerFile(const std::string& path, const std::function<std::string(const PlayerFileText& present)>& makeText,
                    std::string& error, const std::string& lockPath = std::string());

// Where a player's file of the game lives: "$VARIABLE/tobrakka/NAME" when the XDG variable holds an
// absolute path, else "$HOME/FALLBACK/tobrakka/NAME" (FALLBACK as ".local/state"); empty when
// neither is set.
std::string PlayerFilePath(const char* variable, const char* fallback, const std::string& name);

// A line of a player's file that could not be used, and why.
struct FileProblem {
    int line = 0; // from 1
    std::string what;
};

// Names each problem on standard error as "PROGRAM: FILE:LINE: what", each once in a run however
// often the file is read.
void ReportFileProblems(const std::string& path, const std::vector<FileProblem>& problems);

// Text from a player's file as it is quoted in a message: in double quotes, bytes other than
// printable ASCII written as \xNN, cut after 40 characters.
std::string QuotedFromFile(const std::string& text);

} // namespace kolm
