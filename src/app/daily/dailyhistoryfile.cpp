#include "app/daily/dailyhistoryfile.h"

#include "utils/log.h"

#include <cstdio>
#include <sys/stat.h>

namespace {

bool Exists(const std::string& path)
{
    struct stat status;
    return lstat(path.c_str(), &status) == 0;
}

} // namespace

std::string DailyHistoryFile::DefaultPath() { return kolm::PlayerFilePath("XDG_STATE_HOME", ".local/state", "daily/history"); }

DailyHistory DailyHistoryFile::Load() const
{
    const kolm::PlayerFileText file = kolm::ReadPlayerFile(path_);
    DailyHistory history;
    std::vector<kolm::FileProblem> problems;
    if (file.state == kolm::PlayerFileText::State::kRead)
        history = DailyHistory::Parse(file.text, problems);
    if (file.state == kolm::PlayerFileText::State::kUnusable || !problems.empty())
        Change([](DailyHistory&) {}, history);
    return history;
}

bool DailyHistoryFile::Change(const std::function<void(DailyHistory&)>& change, DailyHistory& history) const
{
    if (path_.empty()) {
        change(history);
        return true;
    }
    std::string error;
    const bool saved = kolm::SavePlayerFile(path_,
                                            [&](const kolm::PlayerFileText& present) {
                                                history = Read(present);
                                                change(history);
                                                return history.Text();
                                            },
                                            error);
    if (!saved) {
        change(history);
        kolm::WarnOnce("saving " + path_, "cannot save the daily history to " + path_ + ": " + error + "; play goes on");
    }
    return saved;
}

DailyHistory DailyHistoryFile::Read(const kolm::PlayerFileText& present) const
{
    if (present.state == kolm::PlayerFileText::State::kUnusable) {
        SetAside(present.problem);
        return DailyHistory();
    }
    std::vector<kolm::FileProblem> problems;
    const DailyHistory history = DailyHistory::Parse(present.text, problems);
    if (!problems.empty()) {
        kolm::ReportFileProblems(path_, problems);
        SetAside(problems.size() == 1 ? "holds a line that is no day" : "holds lines that are no days");
    }
    return history;
}

void DailyHistoryFile::SetAside(const std::string& why) const
{
    std::string aside = path_ + ".bad";
    for (int again = 2; Exists(aside); ++again)
        aside = path_ + ".bad-" + std::to_string(again);
    if (std::rename(path_.c_str(), aside.c_str()) != 0) {
        kolm::WarnOnce("setting aside " + path_, "the daily history " + path_ + " " + why + " and cannot be renamed aside");
        return;
    }
    kolm::Warn("the daily history " + path_ + " " + why + ": it is kept as " + aside +
               ", and a new history holds every day that could be read from it");
}
