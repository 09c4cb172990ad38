#include "app/profile/progressfile.h"

#include "utils/log.h"
#include "utils/linereader.h"
#include "utils/playerfile.h"
#include "utils/stringutils.h"

#include <cstdio>
#include <sstream>
#include <vector>

namespace {

struct ReadProgress {
    Progress progress;
    std::vector<kolm::FileProblem> problems;
};

std::vector<std::string> Words(const std::string& line)
{
    std::istringstream stream(line);
    std::vector<std::string> words;
    for (std::string word; stream >> word;)
        words.push_back(word);
    return words;
}

// "cleared N" with N a list position, and nothing else but blanks.
bool ReadClearedLine(const std::string& line, int& cleared)
{
    const std::vector<std::string> words = Words(line);
    int64_t position = 0;
    if (words.size() != 2 || words[0] != "cleared" ||
        !kolm::ParseWholeNumber(words[1], 0, ProgressFile::kLastPosition, position))
        return false;
    cleared = static_cast<int>(position);
    return true;
}

const char* const kAssistedMarks[] = {"", "assisted=loops", "assisted=time", "assisted=loops,time"};

// The record's assisted marks from the word after its figures, if any; false for a word that is
// none of them.
bool ReadAssistedMarks(const std::vector<std::string>& words, LevelRecord& record)
{
    const std::string marks = words.size() > 4 ? words[4] : "";
    for (int i = 0; i < 4; ++i) {
        if (marks == kAssistedMarks[i]) {
            record.loopsAssisted = (i & 1) != 0;
            record.timeAssisted = (i & 2) != 0;
            return true;
        }
    }
    return false;
}

// The loops and milliseconds of a record line (its third and fourth words); what is wrong with
// them, or empty text.
std::string ReadFigures(const std::vector<std::string>& words, LevelRecord& record)
{
    int64_t loops = 0;
    int64_t milliseconds = 0;
    const int64_t widest = int64_t(1) << 40; // wide enough to say what is wrong with a number
    if (!kolm::ParseWholeNumber(words[2], -widest, widest, loops) ||
        !kolm::ParseWholeNumber(words[3], -widest, widest, milliseconds))
        return "not a number";
    if (loops < 1 || loops > INT32_MAX)
        return "a record of " + words[2] + " loops cannot be (a clear takes 1 loop or more); line ignored";
    if (milliseconds < 0 || milliseconds > UINT32_MAX)
        return "a record of " + words[3] + " ms cannot be (a clear takes 0 to " + std::to_string(UINT32_MAX) +
               " ms); line ignored";
    record.loops = static_cast<int>(loops);
    record.milliseconds = static_cast<uint32_t>(milliseconds);
    return std::string();
}

std::string NotARecordLine(const std::string& line)
{
    return kolm::QuotedFromFile(line) + " is not \"record POSITION LOOPS MILLISECONDS\" or \"level HASH LOOPS " +
           "MILLISECONDS\" (with assisted=loops, assisted=time or assisted=loops,time after it, or nothing); " +
           "line ignored";
}

// A level's hash as a record line writes it: sixteen hex digits.
bool ReadHash(const std::string& word, uint64_t& hash)
{
    if (word.size() != 16 || word.find_first_not_of("0123456789abcdef") != std::string::npos)
        return false;
    hash = std::stoull(word, nullptr, 16);
    return true;
}

std::string HashText(uint64_t hash)
{
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

// "record POSITION LOOPS MILLISECONDS [assisted=...]" or "level HASH LOOPS MILLISECONDS
// [assisted=...]", added to progress; what is wrong with it, or empty text.
std::string ReadRecordLine(const std::string& line, int lastPosition, Progress& progress)
{
    const std::vector<std::string> words = Words(line);
    LevelRecord record;
    const bool shaped = (words.size() == 4 || words.size() == 5) && ReadAssistedMarks(words, record);
    int64_t position = 0;
    uint64_t hash = 0;
    const bool byPosition = shaped && words[0] == "record" &&
                            kolm::ParseWholeNumber(words[1], -(int64_t(1) << 40), int64_t(1) << 40, position);
    const bool byHash = shaped && words[0] == "level" && ReadHash(words[1], hash);
    if (!byPosition && !byHash)
        return NotARecordLine(line);
    const std::string problem = ReadFigures(words, record);
    if (!problem.empty())
        return problem == "not a number" ? NotARecordLine(line) : problem;
    if (byHash) {
        progress.byHash[hash].Merge(record);
        return std::string();
    }
    if (position < 1 || position > lastPosition)
        return "a record of position " + words[1] + ", which is not on the level list (1 to " +
               std::to_string(lastPosition) + "); line ignored";
    progress.records[static_cast<int>(position)].Merge(record);
    return std::string();
}

// The first line is "cleared N", every other line that is not blank a record.
ReadProgress ParseProgress(const std::string& text, int lastPosition)
{
    ReadProgress read;
    std::istringstream stream(text);
    kolm::LineReader lines(stream);
    std::string line;
    for (int number = 1; lines.Next(line); ++number) {
        if (number == 1) {
            if (!ReadClearedLine(line, read.progress.cleared))
                read.problems.push_back({number, kolm::QuotedFromFile(line) + " is not \"cleared N\" with N from 0 to " +
                                                     std::to_string(ProgressFile::kLastPosition) +
                                                     "; no level counts as cleared"});
            continue;
        }
        if (kolm::Trim(line).empty())
            continue;
        const std::string problem = ReadRecordLine(line, lastPosition, read.progress);
        if (!problem.empty())
            read.problems.push_back({number, problem});
    }
    return read;
}

// "LOOPS MILLISECONDS[ assisted=...]" of a record line.
std::string FormatFigures(const LevelRecord& record)
{
    const char* marks = kAssistedMarks[(record.loopsAssisted ? 1 : 0) + (record.timeAssisted ? 2 : 0)];
    return std::to_string(record.loops) + " " + std::to_string(record.milliseconds) + (marks[0] ? " " : "") + marks;
}

std::string FormatProgress(const Progress& progress)
{
    // A save follows a clear; "cleared 0" when only levels outside the game's own were cleared.
    std::string text = "cleared " + std::to_string(progress.cleared) + "\n";
    for (const auto& [position, record] : progress.records)
        text += "record " + std::to_string(position) + " " + FormatFigures(record) + "\n";
    for (const auto& [hash, record] : progress.byHash)
        text += "level " + HashText(hash) + " " + FormatFigures(record) + "\n";
    return text;
}

} // namespace

std::string ProgressFile::DefaultPath()
{
    return kolm::PlayerFilePath("XDG_STATE_HOME", ".local/state", "progress");
}

Progress ProgressFile::Load(int lastPosition) const
{
    const kolm::PlayerFileText file = kolm::ReadPlayerFile(path_);
    if (file.state == kolm::PlayerFileText::State::kUnusable) {
        const std::string message = "the progress file " + path_ + " " + file.problem + "; starting without progress";
        kolm::WarnOnce(message, message);
    }
    if (file.state != kolm::PlayerFileText::State::kRead || file.text.empty())
        return Progress();
    const ReadProgress read = ParseProgress(file.text, lastPosition);
    kolm::ReportFileProblems(path_, read.problems);
    return read.progress;
}

bool ProgressFile::Save(Progress& progress) const
{
    if (path_.empty())
        return true;
    std::string error;
    const bool saved = kolm::SavePlayerFile(
        path_,
        [&progress](const kolm::PlayerFileText& present) {
            // What the file holds now, another game's latest clears and the records of levels
            // past this run's list included.
            if (present.state == kolm::PlayerFileText::State::kRead)
                progress.Merge(ParseProgress(present.text, kLastPosition).progress);
            return FormatProgress(progress);
        },
        error);
    if (!saved)
        kolm::WarnOnce("saving " + path_, "cannot save progress to " + path_ + ": " + error + "; play goes on");
    return saved;
}
