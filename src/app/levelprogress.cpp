#include "app/levelprogress.h"

#include "world/gameplay.h"
#include "utils/levellist/clevellist.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <iostream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Makes every missing directory of the file's path; false when one cannot be made.
bool MakeParentDirectories(const std::string& path)
{
    for (std::size_t slash = path.find('/', 1); slash != std::string::npos; slash = path.find('/', slash + 1)) {
        const std::string directory = path.substr(0, slash);
        if (mkdir(directory.c_str(), 0700) != 0 && errno != EEXIST)
            return false;
    }
    return true;
}

// "cleared N" with N a whole number of 1 or more, and nothing else but blanks.
bool ParseProgress(const std::string& text, int& position)
{
    std::istringstream words(text);
    std::string word;
    long value = 0;
    std::string rest;
    if (!(words >> word >> value) || word != "cleared" || value < 1 || value > 9999 || (words >> rest))
        return false;
    position = static_cast<int>(value);
    return true;
}

} // namespace

std::string ProgressFile::DefaultPath()
{
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state && state[0] == '/')
        return std::string(state) + "/tobrakka/progress";
    const char* home = std::getenv("HOME");
    if (home && home[0])
        return std::string(home) + "/.local/state/tobrakka/progress";
    return std::string();
}

int ProgressFile::LastCleared() const
{
    std::ifstream file(path_);
    std::ostringstream text;
    if (!file || !(text << file.rdbuf()))
        return 0; // missing, unreadable or empty
    int position = 0;
    if (ParseProgress(text.str(), position))
        return position;
    std::cerr << "tobrakka: the progress file " << path_ << " cannot be read; starting without progress" << std::endl;
    return 0;
}

bool ProgressFile::RecordCleared(int position) const
{
    if (path_.empty() || position <= LastCleared())
        return true;
    // A temporary file of its own beside the real one, on the disk before it takes the real
    // one's place: a crash, a full disk or a second game never leaves half a file behind.
    std::string temporary = path_ + ".XXXXXX";
    const int file = MakeParentDirectories(path_) ? mkstemp(&temporary[0]) : -1;
    bool saved = false;
    if (file >= 0) {
        const std::string line = "cleared " + std::to_string(position) + "\n";
        saved = write(file, line.data(), line.size()) == static_cast<ssize_t>(line.size()) && fsync(file) == 0;
        saved = close(file) == 0 && saved;
        saved = saved && std::rename(temporary.c_str(), path_.c_str()) == 0;
    }
    if (saved)
        return true;
    std::cerr << "tobrakka: cannot save progress to " << path_ << ": " << std::strerror(errno) << std::endl;
    if (file >= 0)
        std::remove(temporary.c_str());
    return false;
}

void ProgressKeeper::AfterStep(Gameplay& gameplay)
{
    if (!gameplay.IsLevelCleared())
        return;
    // The empty level played after the end of the list is cleared too, but is no level.
    const kolm::CLevelList& list = kolm::CLevelList::Instance();
    const int position = list.Current();
    if (position <= recorded_ || position >= list.Count())
        return;
    recorded_ = position;
    file_.RecordCleared(position);
}
