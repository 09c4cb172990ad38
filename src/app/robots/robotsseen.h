#pragma once
// The later robot kinds a player has met, kept between runs in a small file beside the progress
// ("$XDG_STATE_HOME/tobrakka/robots", else "~/.local/state/tobrakka/robots"): one kind's word a
// line, in the order they were met,
//
//     twins
//     sower
//
// read and written as every player's file is (utils/playerfile.h). A line that names no kind is
// named once on standard error and left out; the next save writes the file without it. Noting a
// kind merges it into what the file holds under the lock, so two games running at once keep each
// other's kinds.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace kolm {
struct FileProblem;
}

// The later kinds, in the order of their event types (6 to 10).
enum class LaterRobot { kShield, kTwins, kPhantom, kHive, kSower };
inline constexpr std::array<LaterRobot, 5> kLaterRobots = {LaterRobot::kShield, LaterRobot::kTwins,
                                                          LaterRobot::kPhantom, LaterRobot::kHive, LaterRobot::kSower};

// The kind's word in the file ("shield", "twins", "phantom", "hive", "sower").
const char* FileWord(LaterRobot robot);

class RobotsSeen {
public:
    bool Has(LaterRobot robot) const;
    // Notes the kind as met; false when it already was.
    bool Add(LaterRobot robot);
    // The kinds met, in the order they were met.
    const std::vector<LaterRobot>& InOrderMet() const { return met_; }
    bool Empty() const { return met_.empty(); }

    // The kinds of a file's text; each line that names none is a problem.
    static RobotsSeen Parse(const std::string& text, std::vector<kolm::FileProblem>& problems);
    std::string Text() const;

private:
    std::vector<LaterRobot> met_;
};

class RobotsSeenFile {
public:
    explicit RobotsSeenFile(const std::string& path) : path_(path) {}
    // The player's file; empty when neither XDG_STATE_HOME nor HOME is set.
    static std::string DefaultPath();

    // What the file holds (nothing for a missing or unusable file, which is named once).
    RobotsSeen Load() const;
    // Adds the kind to the file and to seen, which then holds what the file holds. False when the
    // file cannot be written, said once a run on standard error; seen holds the kind all the same.
    bool Note(LaterRobot robot, RobotsSeen& seen) const;

    const std::string& Path() const { return path_; }

private:
    RobotsSeen Read(const std::string& text) const;

    std::string path_;
};
