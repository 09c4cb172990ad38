#include "app/replay/replayshelf.h"

#include "app/profile/records.h"
#include "utils/directorylisting.h"
#include "utils/log.h"
#include "utils/playerfile.h"

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <map>
#include <sys/stat.h>

namespace {

// A header is a dozen short lines; the pad's, with every axis a pad can have, is the longest.
constexpr std::size_t kHeaderBytes = 8192;

// The start of the file, enough for its header.
std::string HeadOf(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    std::string head(kHeaderBytes, '\0');
    file.read(&head[0], static_cast<std::streamsize>(head.size()));
    head.resize(static_cast<std::size_t>(std::max<std::streamsize>(0, file.gcount())));
    return head;
}

bool Exists(const std::string& path)
{
    struct stat status;
    return stat(path.c_str(), &status) == 0;
}

// Newest first; of two of the same second, the later name.
bool Newer(const ReplayShelf::Entry& a, const ReplayShelf::Entry& b)
{
    return a.header.date != b.header.date ? a.header.date > b.header.date : a.path > b.path;
}

// Marks each level's record replays: going through them oldest first, each replaces the
// level's best of a figure as a clear would replace its record. A level is known by its file's
// hash, so that the first level of a pack and the game's own level 1 keep bests of their own.
void MarkRecords(std::vector<ReplayShelf::Entry>& entries)
{
    std::map<uint64_t, std::size_t> fewestLoops;
    std::map<uint64_t, std::size_t> bestTime;
    for (std::size_t i = entries.size(); i-- > 0;) {
        const Replay& header = entries[i].header;
        const auto loops = fewestLoops.find(header.levelHash);
        if (loops == fewestLoops.end() ||
            FigureReplaces(header.loops, header.assisted, entries[loops->second].header.loops,
                           entries[loops->second].header.assisted))
            fewestLoops[header.levelHash] = i;
        const auto time = bestTime.find(header.levelHash);
        if (time == bestTime.end() ||
            FigureReplaces(header.milliseconds, header.assisted, entries[time->second].header.milliseconds,
                           entries[time->second].header.assisted))
            bestTime[header.levelHash] = i;
    }
    for (const auto& [level, index] : fewestLoops)
        entries[index].fewestLoops = true;
    for (const auto& [level, index] : bestTime)
        entries[index].bestTime = true;
}

} // namespace

std::string ReplayShelf::DefaultFolder() { return kolm::PlayerFilePath("XDG_DATA_HOME", ".local/share", "replays"); }

std::string ReplayDateNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
    gmtime_r(&now, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

std::string ReplayShelf::NewFileName(const Replay& replay) const
{
    // "2026-12-09T18:00:01Z" gives "20261209-180001".
    std::string stamp;
    for (char c : replay.date) {
        if (c >= '0' && c <= '9')
            stamp += c;
    }
    stamp = stamp.substr(0, 8) + "-" + stamp.substr(std::min<std::size_t>(8, stamp.size()));
    char level[16];
    std::snprintf(level, sizeof level, "level%02d", replay.position);
    const std::string base = folder_ + "/" + stamp + "-" + level;
    std::string path = base + ".replay";
    for (int again = 2; Exists(path); ++again)
        path = base + "-" + std::to_string(again) + ".replay";
    return path;
}

bool ReplayShelf::Save(const Replay& replay) const
{
    if (folder_.empty())
        return true;
    std::string error;
    const std::string path = NewFileName(replay);
    const std::string text = FormatReplay(replay);
    if (!kolm::SavePlayerFile(
            path, [&text](const kolm::PlayerFileText&) { return text; }, error, folder_ + "/.lock")) {
        kolm::WarnOnce("saving replays in " + folder_, "cannot save the replay " + path + ": " + error + "; play goes on");
        return false;
    }
    Prune();
    return true;
}

std::vector<ReplayShelf::Entry> ReplayShelf::List() const
{
    std::vector<Entry> entries;
    if (folder_.empty())
        return entries;
    kolm::DirectoryListing listing;
    listing.Read(folder_ + "/*.replay");
    for (const std::string& name : listing.Names()) {
        Entry entry;
        entry.path = folder_ + "/" + name;
        std::string problem;
        if (ReadReplayHeader(HeadOf(entry.path), entry.header, problem))
            entries.push_back(entry);
        else
            kolm::WarnOncePerFile(entry.path, "the replay " + entry.path + " cannot be read: " + problem);
    }
    std::sort(entries.begin(), entries.end(), Newer);
    MarkRecords(entries);
    return entries;
}

std::string ReplayShelf::BestOf(uint64_t levelHash) const
{
    std::string best;
    for (const Entry& entry : List()) {
        if (entry.header.levelHash == levelHash && (entry.fewestLoops || (best.empty() && entry.bestTime)))
            best = entry.path;
    }
    return best;
}

void ReplayShelf::Prune() const
{
    const std::vector<Entry> entries = List();
    for (std::size_t i = kRecentKept; i < entries.size(); ++i) {
        if (!entries[i].IsRecord())
            std::remove(entries[i].path.c_str());
    }
}
