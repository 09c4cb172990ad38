#include "app/levels/mylevels.h"

#include "app/levels/filebytes.h"
#include "app/levels/packarchive.h"
#include "app/levels/packnames.h"
#include "app/levels/sharecode.h"
#include "app/replay/replayfile.h"
#include "utils/playerfile.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <set>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const char* const kFilePrefix = "level-";
const char* const kFileSuffix = ".txt";

// The number of a file named "level-N.txt"; 0 for any other name.
long FileNumber(const std::string& file)
{
    const std::string prefix = kFilePrefix;
    const std::string suffix = kFileSuffix;
    if (file.size() <= prefix.size() + suffix.size() || file.compare(0, prefix.size(), prefix) != 0 ||
        file.compare(file.size() - suffix.size(), suffix.size(), suffix) != 0)
        return 0;
    const std::string digits = file.substr(prefix.size(), file.size() - prefix.size() - suffix.size());
    return digits.size() < 9 && digits.find_first_not_of("0123456789") == std::string::npos ? std::stol(digits) : 0;
}

// The level files of the folder, by name: every regular file ending in ".txt".
std::set<std::string> LevelFiles(const std::string& folder)
{
    std::set<std::string> files;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (it->is_regular_file(error) && name.size() > 4 && name.compare(name.size() - 4, 4, kFileSuffix) == 0 &&
            PackPathProblem(name).empty())
            files.insert(name);
    }
    return files;
}

PackLevel* Find(PackList& list, const std::string& file)
{
    const auto found = std::find_if(list.levels.begin(), list.levels.end(), [&](const PackLevel& level) { return level.file == file; });
    return found == list.levels.end() ? nullptr : &*found;
}

std::string NameProblem(const std::string& name)
{
    return name.size() > kLongestPackText ? "a level's name is at most " + std::to_string(kLongestPackText) + " bytes"
                                          : std::string();
}

} // namespace

std::string MyLevels::DefaultFolder() { return kolm::PlayerFilePath("XDG_DATA_HOME", ".local/share", "levels"); }

PackList MyLevels::CurrentList(const std::string& listText) const
{
    PackList read;
    std::string ignored;
    ReadPackList(listText, read, ignored);
    PackList list;
    list.id = kId;
    list.title = kTitle;
    list.version = "1";
    std::set<std::string> files = LevelFiles(folder_);
    for (const PackLevel& level : read.levels) {
        if (files.erase(level.file))
            list.levels.push_back(level);
    }
    std::vector<std::string> rest(files.begin(), files.end());
    std::sort(rest.begin(), rest.end(), [](const std::string& a, const std::string& b) {
        return FileNumber(a) != FileNumber(b) ? FileNumber(a) < FileNumber(b) : a < b;
    });
    for (const std::string& file : rest)
        list.levels.push_back(PackLevel{file, std::string(), 0, 0});
    return list;
}

std::vector<MyLevels::Level> MyLevels::List() const
{
    std::vector<Level> levels;
    const kolm::PlayerFileText listText = kolm::ReadPlayerFile(ListFile(), kLargestPackList);
    for (const PackLevel& entry : CurrentList(listText.text).levels) {
        Level level{entry.file, folder_ + "/" + entry.file, entry.name, 0, entry.parLoops, entry.parTime};
        std::string bytes;
        std::string problem;
        ReadFileBytes(level.path, kLargestPack, bytes, problem);
        level.hash = LevelHash(bytes);
        levels.push_back(level);
    }
    return levels;
}

bool MyLevels::Tidy(std::string& problem) const
{
    const kolm::PlayerFileText listText = kolm::ReadPlayerFile(ListFile(), kLargestPackList);
    const PackList list = CurrentList(listText.text);
    if (listText.text == FormatPackList(list) || (list.levels.empty() && listText.state == kolm::PlayerFileText::State::kMissing))
        return true;
    return ChangeList([](PackList&) {}, problem);
}

bool MyLevels::ChangeList(const std::function<void(PackList&)>& change, std::string& problem) const
{
    const auto changed = [&](const kolm::PlayerFileText& present) {
        PackList list = CurrentList(present.text);
        change(list);
        return FormatPackList(list);
    };
    return kolm::SavePlayerFile(ListFile(), changed, problem, folder_ + "/.lock");
}

bool MyLevels::ChangeLevel(const std::string& file, const std::function<void(PackLevel&)>& change,
                           std::string& problem) const
{
    return ChangeList(
        [&](PackList& list) {
            if (PackLevel* level = Find(list, file))
                change(*level);
        },
        problem);
}

bool MyLevels::Holds(const std::string& file, std::string& problem) const
{
    if (PackPathProblem(file).empty() && file.find('/') == std::string::npos && LevelFiles(folder_).count(file))
        return true;
    problem = "My levels hold no level file " + kolm::QuotedFromFile(file);
    return false;
}

bool MyLevels::MakeFile(std::string& file, std::string& problem) const
{
    std::error_code error;
    if (folder_.empty() || (fs::create_directories(folder_, error), error)) {
        problem = folder_.empty() ? "there is no folder for your levels (neither XDG_DATA_HOME nor HOME is set)"
                                  : "cannot make the folder " + folder_ + ": " + error.message();
        return false;
    }
    long number = 1;
    for (const std::string& present : LevelFiles(folder_))
        number = std::max(number, FileNumber(present) + 1);
    for (;; ++number) {
        file = kFilePrefix + std::to_string(number) + kFileSuffix;
        const int fd = open((folder_ + "/" + file).c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd >= 0) {
            close(fd);
            return true;
        }
        if (errno != EEXIST) {
            problem = "cannot make a level file in " + folder_ + ": " + std::strerror(errno);
            return false;
        }
    }
}

bool MyLevels::Add(const std::string& name, const std::string& text, std::string& file, std::string& problem)
{
    problem = NameProblem(name);
    if (!problem.empty() || !MakeFile(file, problem))
        return false;
    if (Save(file, text, problem) && ChangeLevel(file, [&](PackLevel& level) { level.name = name; }, problem))
        return true;
    std::remove((folder_ + "/" + file).c_str());
    return false;
}

bool MyLevels::Copy(const std::string& file, const std::string& name, std::string& copy, std::string& problem)
{
    std::string bytes;
    if (!Holds(file, problem))
        return false;
    if (!ReadFileBytes(folder_ + "/" + file, kLargestSharedLevel, bytes, problem)) {
        problem = file + " " + problem;
        return false;
    }
    return Add(name, bytes, copy, problem);
}

bool MyLevels::Rename(const std::string& file, const std::string& name, std::string& problem)
{
    problem = NameProblem(name);
    return problem.empty() && Holds(file, problem) &&
           ChangeLevel(file, [&](PackLevel& level) { level.name = name; }, problem);
}

bool MyLevels::SetPar(const std::string& file, int parLoops, int parTime, std::string& problem)
{
    if (parLoops < 0 || parLoops > kHighestParLoops || parTime < 0 || parTime > kHighestParTime) {
        problem = "a par is at most " + std::to_string(kHighestParLoops) + " loops and " +
                  std::to_string(kHighestParTime / 3600000) + " hours";
        return false;
    }
    const auto setPar = [&](PackLevel& level) {
        level.parLoops = parLoops;
        level.parTime = parTime;
    };
    return Holds(file, problem) && ChangeLevel(file, setPar, problem);
}

bool MyLevels::Save(const std::string& file, const std::string& text, std::string& problem)
{
    if (text.size() > kLargestSharedLevel) {
        problem = "a level of more than " + SizeText(kLargestSharedLevel) + " cannot be kept among your levels";
        return false;
    }
    return Holds(file, problem) && WriteFileSafely(folder_ + "/" + file, text, problem);
}

bool MyLevels::Delete(const std::string& file, std::string& problem)
{
    if (!Holds(file, problem))
        return false;
    if (std::remove((folder_ + "/" + file).c_str()) != 0) {
        problem = "cannot remove " + folder_ + "/" + file + ": " + std::strerror(errno);
        return false;
    }
    return Tidy(problem);
}

bool MyLevels::MakePack(const PackList& pack, const std::vector<std::string>& files, const std::string& zipPath,
                        std::string& problem) const
{
    PackList list = pack;
    list.levels.clear();
    std::vector<std::string> levelBytes;
    const kolm::PlayerFileText listText = kolm::ReadPlayerFile(ListFile(), kLargestPackList);
    PackList mine = CurrentList(listText.text);
    for (const std::string& file : files) {
        levelBytes.emplace_back();
        const PackLevel* level = Find(mine, file);
        if (!level || !ReadFileBytes(folder_ + "/" + file, kLargestPack, levelBytes.back(), problem)) {
            problem = level ? file + " " + problem : "My levels hold no level file " + kolm::QuotedFromFile(file);
            return false;
        }
        list.levels.push_back(*level);
    }
    PackContents contents;
    if (!PackFromLevels(list, levelBytes, contents, problem)) {
        problem = "the pack cannot be made: " + problem;
        return false;
    }
    return WriteFileSafely(zipPath, ZipPack(contents), problem);
}
