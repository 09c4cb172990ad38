#include "app/robots/robotsseen.h"

#include "utils/log.h"
#include "utils/playerfile.h"
#include "utils/stringutils.h"

#include <algorithm>

namespace {

const char* const kWords[] = {"shield", "twins", "phantom", "hive", "sower"};

bool RobotOfWord(const std::string& word, LaterRobot& robot)
{
    for (LaterRobot each : kLaterRobots) {
        if (word == FileWord(each)) {
            robot = each;
            return true;
        }
    }
    return false;
}

std::string Trimmed(const std::string& line)
{
    const std::size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return std::string();
    return line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
}

} // namespace

const char* FileWord(LaterRobot robot) { return kWords[static_cast<int>(robot)]; }

bool RobotsSeen::Has(LaterRobot robot) const { return std::find(met_.begin(), met_.end(), robot) != met_.end(); }

bool RobotsSeen::Add(LaterRobot robot)
{
    if (Has(robot))
        return false;
    met_.push_back(robot);
    return true;
}

RobotsSeen RobotsSeen::Parse(const std::string& text, std::vector<kolm::FileProblem>& problems)
{
    RobotsSeen seen;
    const std::vector<std::string> lines = kolm::Split(text, "\n");
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string word = Trimmed(lines[i]);
        LaterRobot robot;
        if (RobotOfWord(word, robot))
            seen.Add(robot);
        else if (!word.empty())
            problems.push_back({static_cast<int>(i + 1), kolm::QuotedFromFile(word) +
                                                             " is no robot kind (shield, twins, phantom, hive or "
                                                             "sower); line ignored"});
    }
    return seen;
}

std::string RobotsSeen::Text() const
{
    std::string text;
    for (LaterRobot robot : met_)
        text += std::string(FileWord(robot)) + "\n";
    return text;
}

std::string RobotsSeenFile::DefaultPath() { return kolm::PlayerFilePath("XDG_STATE_HOME", ".local/state", "robots"); }

RobotsSeen RobotsSeenFile::Load() const
{
    if (path_.empty())
        return RobotsSeen();
    const kolm::PlayerFileText file = kolm::ReadPlayerFile(path_);
    if (file.state == kolm::PlayerFileText::State::kUnusable)
        kolm::WarnOnce("reading " + path_, "the robots met " + path_ + " " + file.problem + "; none is known");
    return file.state == kolm::PlayerFileText::State::kRead ? Read(file.text) : RobotsSeen();
}

RobotsSeen RobotsSeenFile::Read(const std::string& text) const
{
    std::vector<kolm::FileProblem> problems;
    const RobotsSeen seen = RobotsSeen::Parse(text, problems);
    kolm::ReportFileProblems(path_, problems);
    return seen;
}

bool RobotsSeenFile::Note(LaterRobot robot, RobotsSeen& seen) const
{
    seen.Add(robot);
    if (path_.empty())
        return true;
    std::string error;
    const RobotsSeen known = seen;
    const bool saved = kolm::SavePlayerFile(path_,
                                            [&](const kolm::PlayerFileText& present) {
                                                RobotsSeen merged = present.state == kolm::PlayerFileText::State::kRead
                                                                        ? Read(present.text)
                                                                        : RobotsSeen();
                                                for (LaterRobot each : known.InOrderMet())
                                                    merged.Add(each);
                                                seen = merged;
                                                return merged.Text();
                                            },
                                            error);
    if (!saved)
        kolm::WarnOnce("saving " + path_, "cannot save the robots met to " + path_ + ": " + error + "; play goes on");
    return saved;
}
