#include "app/replay/replayfile.h"

#include "app/replay/scriptevents.h"
#include "utils/playerfile.h"
#include "utils/stringutils.h"

#include <algorithm>
#include <cinttypes>
#include <cstdlib>
#include <cstdio>
#include <sstream>

namespace {

const char* const kMagic = "tobrakka-replay";
// The largest axis number a pad event carries.
constexpr std::size_t kAxisLimit = 256;

std::string Hex(uint64_t value)
{
    char text[17];
    std::snprintf(text, sizeof text, "%016" PRIx64, value);
    return text;
}

bool ReadHex(const std::string& word, uint64_t& value)
{
    if (word.size() != 16 || word.find_first_not_of("0123456789abcdef") != std::string::npos)
        return false;
    value = std::strtoull(word.c_str(), nullptr, 16);
    return true;
}

bool ReadWhole(const std::string& word, int64_t lowest, int64_t highest, int64_t& value)
{
    return kolm::ParseWholeNumber(word, lowest, highest, value) && word.find_first_not_of("-0123456789") == std::string::npos;
}

std::string PadLine(const JoystickMapping::State& pad)
{
    std::string line = "pad " + std::to_string(pad.deadZone) + " " + std::to_string(pad.fireThreshold) + " " +
                       std::to_string(pad.pressed);
    for (int32_t axis : pad.axes)
        line += " " + std::to_string(axis);
    return line;
}

// Reads the body's lines, and the header's, one at a time, knowing the line's number.
class ReplayReader {
public:
    ReplayReader(const std::string& text, Replay& replay) : lines_(text), replay_(replay) {}

    bool Read(std::string& problem);
    bool ReadHeaderOnly(std::string& problem);

private:
    bool Next(std::vector<std::string>& words);
    bool Fail(const std::string& what);
    bool ReadFirstLine();
    bool ReadHeader();
    bool ReadHeaderLine(const std::vector<std::string>& words);
    bool ReadLevel(const std::vector<std::string>& words);
    bool ReadRandom(const std::vector<std::string>& words);
    bool ReadPad(const std::vector<std::string>& words);
    bool ReadBody();
    bool ReadCheck(const std::vector<std::string>& words);
    bool ReadEvent(const std::string& line);
    bool Settle();

    std::istringstream lines_;
    Replay& replay_;
    std::string line_;
    int number_ = 0;
    std::string problem_;
    uint32_t lastTime_ = 0;
    std::vector<std::string> seen_; // the header's keys read so far
};

bool ReplayReader::Next(std::vector<std::string>& words)
{
    if (!std::getline(lines_, line_))
        return false;
    ++number_;
    if (!line_.empty() && line_.back() == '\r')
        line_.pop_back();
    words.clear();
    std::istringstream split(line_);
    for (std::string word; split >> word;)
        words.push_back(word);
    return true;
}

bool ReplayReader::Fail(const std::string& what)
{
    problem_ = "line " + std::to_string(number_) + ": " + what;
    return false;
}

bool ReplayReader::Read(std::string& problem)
{
    const bool read = ReadFirstLine() && ReadHeader() && ReadBody() && Settle();
    problem = problem_;
    return read;
}

bool ReplayReader::ReadHeaderOnly(std::string& problem)
{
    const bool read = ReadFirstLine() && ReadHeader();
    problem = problem_;
    return read;
}

bool ReplayReader::ReadFirstLine()
{
    std::vector<std::string> words;
    int64_t version = 0;
    if (!Next(words) || words.size() != 2 || words[0] != kMagic || !ReadWhole(words[1], 1, INT32_MAX, version))
        return Fail("this is no replay (a replay begins \"tobrakka-replay 1\")");
    if (version > Replay::kVersion)
        return Fail("a replay of version " + words[1] + ", newer than this game reads (" +
                    std::to_string(Replay::kVersion) + ")");
    return true;
}

bool ReplayReader::ReadHeader()
{
    std::vector<std::string> words;
    while (Next(words)) {
        if (words.size() == 1 && words[0] == "events") {
            for (const char* key : {"game", "level", "random", "pad", "flow", "loops", "time", "date", "assisted"}) {
                if (std::find(seen_.begin(), seen_.end(), key) == seen_.end())
                    return Fail("the header has no \"" + std::string(key) + "\" line");
            }
            return true;
        }
        if (words.empty())
            continue;
        if (std::find(seen_.begin(), seen_.end(), words[0]) != seen_.end())
            return Fail("a second \"" + words[0] + "\" line");
        seen_.push_back(words[0]);
        if (!ReadHeaderLine(words))
            return false;
    }
    return Fail("the replay ends in its header (it has no \"events\" line)");
}

bool ReplayReader::ReadHeaderLine(const std::vector<std::string>& words)
{
    const std::string& key = words[0];
    int64_t value = 0;
    if (key == "level")
        return ReadLevel(words);
    if (key == "random")
        return ReadRandom(words);
    if (key == "pad")
        return ReadPad(words);
    if (key == "date") {
        replay_.date = words.size() == 2 ? words[1] : "";
        return words.size() == 2 || Fail("\"date\" takes one word");
    }
    if (key == "flow" || key == "assisted") {
        const char* yes = key == "flow" ? "stands" : "yes";
        const char* no = key == "flow" ? "classic" : "no";
        if (words.size() != 2 || (words[1] != yes && words[1] != no))
            return Fail("\"" + key + "\" takes " + yes + " or " + no);
        (key == "flow" ? replay_.clearStands : replay_.assisted) = words[1] == yes;
        return true;
    }
    if (key != "game" && key != "loops" && key != "time")
        return true; // a line of a later version of the game, which this one does without
    if (words.size() != 2 || !ReadWhole(words[1], key == "loops" ? 1 : 0, key == "time" ? UINT32_MAX : INT32_MAX, value))
        return Fail("\"" + key + "\" takes a whole number");
    if (key == "game")
        replay_.game = static_cast<int>(value);
    else if (key == "loops")
        replay_.loops = static_cast<int>(value);
    else
        replay_.milliseconds = static_cast<uint32_t>(value);
    return true;
}

bool ReplayReader::ReadLevel(const std::vector<std::string>& words)
{
    int64_t position = 0;
    if (words.size() < 4 || !ReadWhole(words[1], 1, 9999, position) || !ReadHex(words[2], replay_.levelHash))
        return Fail("\"level\" takes the list position, the file's hash (16 hex digits) and the file");
    replay_.position = static_cast<int>(position);
    // The file is the rest of the line, blanks and all.
    const std::size_t hash = line_.find(words[2]);
    replay_.levelFile = kolm::Trim(line_.substr(hash + words[2].size()));
    return true;
}

bool ReplayReader::ReadRandom(const std::vector<std::string>& words)
{
    int64_t minimal = 0;
    int64_t runtime = 0;
    if (words.size() != 3 || !ReadWhole(words[1], 1, 2147483646, minimal) || !ReadWhole(words[2], 0, UINT32_MAX, runtime))
        return Fail("\"random\" takes the two generators' states");
    replay_.minimalState = static_cast<double>(minimal);
    replay_.runtimeState = static_cast<uint32_t>(runtime);
    return true;
}

bool ReplayReader::ReadPad(const std::vector<std::string>& words)
{
    int64_t values[3] = {};
    const int64_t highest[3] = {100, 100, 31};
    bool read = words.size() >= 4 && words.size() <= 4 + kAxisLimit;
    for (std::size_t i = 0; read && i < 3; ++i)
        read = ReadWhole(words[i + 1], 0, highest[i], values[i]);
    JoystickMapping::State pad;
    pad.axes.clear();
    for (std::size_t i = 4; read && i < words.size(); ++i) {
        int64_t axis = 0;
        read = ReadWhole(words[i], -32768, 32767, axis);
        pad.axes.push_back(static_cast<int32_t>(axis));
    }
    if (!read || pad.axes.size() < 6)
        return Fail("\"pad\" takes the dead zone, the fire threshold, the buttons held and six axes or more");
    pad.deadZone = static_cast<int>(values[0]);
    pad.fireThreshold = static_cast<int>(values[1]);
    pad.pressed = static_cast<uint32_t>(values[2]);
    replay_.pad = pad;
    return true;
}

bool ReplayReader::ReadBody()
{
    std::vector<std::string> words;
    while (Next(words)) {
        if (words.size() == 1 && words[0] == "end")
            return true;
        if (words.empty())
            continue;
        if (!(words[0] == "check" ? ReadCheck(words) : ReadEvent(line_)))
            return false;
    }
    return Fail("the replay is cut short (it has no \"end\" line)");
}

bool ReplayReader::ReadCheck(const std::vector<std::string>& words)
{
    int64_t time = 0;
    Replay::Check check{};
    if (words.size() != 3 || !ReadWhole(words[1], 0, UINT32_MAX, time) || !ReadHex(words[2], check.hash))
        return Fail("\"check\" takes a time and the world's hash (16 hex digits)");
    check.time = static_cast<uint32_t>(time);
    if (check.time < lastTime_)
        return Fail("a check out of time order");
    lastTime_ = check.time;
    replay_.checks.push_back(check);
    return true;
}

bool ReplayReader::ReadEvent(const std::string& line)
{
    std::istringstream words(line);
    std::string when;
    std::string action;
    Replay::Event event{};
    words >> when >> action;
    std::string rest;
    if (!ParseScriptTime(when, event.time) || !ParseScriptEvent(words, action, event.event) || (words >> rest))
        return Fail("cannot read " + kolm::QuotedFromFile(line) + " as an event");
    if (event.time < lastTime_)
        return Fail("an event out of time order");
    lastTime_ = event.time;
    replay_.events.push_back(event);
    return true;
}

// The body's end agrees with the header: the last check is the clear's.
bool ReplayReader::Settle()
{
    if (replay_.checks.empty() || replay_.checks.back().time != replay_.milliseconds)
        return Fail("the replay's last check is not at its clear (" + std::to_string(replay_.milliseconds) + " ms)");
    if (!replay_.events.empty() && replay_.events.back().time > replay_.milliseconds)
        return Fail("an event after the clear");
    return true;
}

} // namespace

bool Replay::operator==(const Replay& other) const
{
    return game == other.game && position == other.position && levelHash == other.levelHash &&
           levelFile == other.levelFile && minimalState == other.minimalState && runtimeState == other.runtimeState &&
           pad == other.pad && clearStands == other.clearStands && loops == other.loops &&
           milliseconds == other.milliseconds && date == other.date && assisted == other.assisted &&
           events == other.events && checks == other.checks;
}

std::string FormatReplay(const Replay& replay)
{
    std::ostringstream text;
    text << kMagic << ' ' << Replay::kVersion << '\n'
         << "game " << replay.game << '\n'
         << "level " << replay.position << ' ' << Hex(replay.levelHash) << ' ' << replay.levelFile << '\n'
         << "random " << static_cast<int64_t>(replay.minimalState) << ' ' << replay.runtimeState << '\n'
         << PadLine(replay.pad) << '\n'
         << "flow " << (replay.clearStands ? "stands" : "classic") << '\n'
         << "loops " << replay.loops << '\n'
         << "time " << replay.milliseconds << '\n'
         << "date " << replay.date << '\n'
         << "assisted " << (replay.assisted ? "yes" : "no") << '\n'
         << "events\n";
    // Events and checks in time order; at the same time the check comes first: it looks at the
    // world after the step that reached the time, before the events of that time are handled.
    std::size_t check = 0;
    for (const Replay::Event& event : replay.events) {
        for (; check < replay.checks.size() && replay.checks[check].time <= event.time; ++check)
            text << "check " << replay.checks[check].time << ' ' << Hex(replay.checks[check].hash) << '\n';
        const std::string line = FormatScriptEvent(event.time, event.event);
        if (!line.empty())
            text << line << '\n';
    }
    for (; check < replay.checks.size(); ++check)
        text << "check " << replay.checks[check].time << ' ' << Hex(replay.checks[check].hash) << '\n';
    text << "end\n";
    return text.str();
}

bool ReadReplay(const std::string& text, Replay& replay, std::string& problem)
{
    replay = Replay();
    return ReplayReader(text, replay).Read(problem);
}

bool ReadReplayHeader(const std::string& text, Replay& replay, std::string& problem)
{
    replay = Replay();
    return ReplayReader(text, replay).ReadHeaderOnly(problem);
}

bool LoadReplay(const std::string& path, Replay& replay, std::string& problem)
{
    const kolm::PlayerFileText file = kolm::ReadPlayerFile(path, Replay::kLargestFile);
    if (file.state == kolm::PlayerFileText::State::kMissing) {
        problem = "there is no such file";
        return false;
    }
    if (file.state == kolm::PlayerFileText::State::kUnusable) {
        problem = file.problem;
        return false;
    }
    return ReadReplay(file.text, replay, problem);
}

uint64_t LevelHash(const std::string& contents)
{
    uint64_t hash = 1469598103934665603ull;
    for (unsigned char byte : contents) {
        hash ^= byte;
        hash *= 1099511628211ull;
    }
    return hash;
}

uint64_t LevelFileHash(const std::string& path)
{
    return LevelHash(kolm::ReadPlayerFile(path, Replay::kLargestFile).text);
}
