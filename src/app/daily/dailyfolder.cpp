#include "app/daily/dailyfolder.h"

#include "app/daily/dailylevel.h"
#include "utils/linereader.h"
#include "utils/playerfile.h"
#include "utils/stringutils.h"

#include <filesystem>
#include <sstream>

namespace {

std::string RunLine(const char* bot, const BotRun& run)
{
    return std::string(bot) + (run.cleared ? " yes " : " no ") + std::to_string(run.loops) + " " + std::to_string(run.time) + "\n";
}

bool ReadRun(std::istringstream& words, BotRun& run)
{
    std::string cleared;
    int64_t loops = -1;
    int64_t time = -1;
    words >> cleared >> loops >> time;
    run.cleared = cleared == "yes";
    run.loops = static_cast<uint32_t>(loops);
    run.time = static_cast<uint64_t>(time);
    return (cleared == "yes" || cleared == "no") && loops >= 0 && loops <= 1000 && time >= 0 && words.eof();
}

bool ReadLine(const std::string& line, DailyFound& found)
{
    std::istringstream words(line);
    std::string key;
    words >> key;
    if (key == "candidate") {
        int64_t candidate = -1;
        words >> candidate >> found.tempo;
        found.candidate = static_cast<uint32_t>(candidate);
        return candidate >= 0 && candidate < DailyLevelMaker::kCandidates && words.eof() && !words.fail();
    }
    if (key == "practised")
        return ReadRun(words, found.figures.practised);
    found.figures.novice.emplace_back();
    return key == "novice" && ReadRun(words, found.figures.novice.back());
}

} // namespace

std::string DailyFolder::DefaultFolder()
{
    const std::string folder = kolm::PlayerFilePath("XDG_STATE_HOME", ".local/state", "daily");
    if (!folder.empty())
        return folder;
    std::error_code error;
    const std::filesystem::path temporary = std::filesystem::temp_directory_path(error);
    return (error ? std::filesystem::path(".") : temporary).string() + "/tobrakka-daily";
}

bool DailyFolder::Kept(const DailyDate& date, DailyFound& found) const
{
    const kolm::PlayerFileText level = kolm::ReadPlayerFile(LevelPath(date));
    const kolm::PlayerFileText facts = kolm::ReadPlayerFile(FoundPath(date));
    if (level.state != kolm::PlayerFileText::State::kRead || facts.state != kolm::PlayerFileText::State::kRead)
        return false;
    DailyFound read;
    read.date = date;
    std::istringstream stream(facts.text);
    kolm::LineReader lines(stream);
    for (std::string line; lines.Next(line);) {
        if (!kolm::Trim(line).empty() && !ReadLine(line, read))
            return false;
    }
    const DailyLevel made = DailyLevelMaker(date).Candidate(read.candidate, read.tempo);
    if (made.text != level.text || read.figures.practised.loops == 0)
        return false;
    read.name = made.name;
    read.text = made.text;
    read.kept = dailyrules::Keeps(read.figures);
    found = read;
    return true;
}

bool DailyFolder::Keep(const DailyFound& found, std::string& error) const
{
    std::string facts = "candidate " + std::to_string(found.candidate) + " " + std::to_string(found.tempo) + "\n";
    facts += RunLine("practised", found.figures.practised);
    for (const BotRun& run : found.figures.novice)
        facts += RunLine("novice", run);
    const auto text = [](const std::string& contents) {
        return [contents](const kolm::PlayerFileText&) { return contents; };
    };
    const std::string lock = folder_ + "/.lock";
    return kolm::SavePlayerFile(LevelPath(found.date), text(found.text), error, lock) &&
           kolm::SavePlayerFile(FoundPath(found.date), text(facts), error, lock);
}
