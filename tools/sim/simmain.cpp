// tobrakka-sim: plays the game headless, as fast as the machine allows, and prints digests of
// the world's state. See the README for the options.
#include "app/levels/filebytes.h"
#include "app/levels/sharecode.h"
#include "app/profile/dataroot.h"
#include "app/play/replayplayer.h"
#include "app/play/replaytimeline.h"
#include "harness/botlevelcheck.h"
#include "harness/dailyreport.h"
#include "audio/soundoutput.h"
#include "harness/botplayer.h"
#include "harness/headlessgame.h"
#include "harness/inputscript.h"
#include "world/worlddigest.h"
#include "utils/log.h"
#include "utils/optiontable.h"
#include "utils/levellist/clevellist.h"
#include "utils/stringutils.h"
#include "world/world.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <sys/resource.h>
#include <unistd.h>
#include <cstdlib>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

namespace {

struct SimOptions {
    std::string level;       // empty: the whole level list
    std::string list;        // the level list checked (a pack's pack.xml, from the data folder); empty: the game's own
    uint32_t seed = 1;
    uint64_t maxSteps = 0;   // 0: no limit
    uint64_t maxTime = 0;    // game ms; 0: no limit
    std::string script;      // empty: the bot plays
    std::string replay;      // a replay to verify
    std::string daily;       // a date whose daily level is found and printed
    std::string at;          // with the replay: a moment "LOOP:SECONDS" to print the digest of
    bool fromStart = false;  // reach that moment by stepping from the start, not through snapshots
    uint32_t restartChance = 0;
    uint64_t digestEvery = 0;
    bool details = false;
    bool checkLevels = false;
    std::vector<uint32_t> seeds; // the level check over several seeds; empty: --seed alone
    uint64_t soakSteps = 0;  // 0: no soak
    bool novice = false;     // the bot plays as a person new to the game
    bool classic = false;    // the classic game: no later robot kinds, and a script's level flow exactly as written
    std::string share;       // a level file whose share code to print
    std::string unshareCode; // a share code whose level file to write
    std::string unshareOut;  // where
    bool help = false;
};

const char* const kUsage =
    "usage: tobrakka-sim [--level FILE] [--seed N] [--steps N] [--time MS] [--script FILE | --bot]\n"
    "                    [--novice] [--restarts N] [--every N] [--details] [--check-levels]\n"
    "                    [--list FILE] [--seeds LIST] [--soak STEPS] [--classic]\n"
    "                    [--replay FILE [--at LOOP:SECONDS [--from-start]]] [--daily DATE] [--help]\n"
    "       tobrakka-sim --share FILE | --unshare CODE OUT\n";

// The largest value a numeric option takes: a seed is 32 bits, a restart chance is out of 10,000.
int64_t HighestValue(const std::string& option)
{
    if (option == "--seed")
        return UINT32_MAX;
    if (option == "--restarts")
        return 10000;
    return INT64_MAX;
}

bool ReadNumber(const std::string& option, const std::string& text, uint64_t& value)
{
    int64_t parsed = 0;
    if (!kolm::ParseWholeNumber(text, 0, HighestValue(option), parsed))
        return false;
    value = static_cast<uint64_t>(parsed);
    return true;
}

// The level check plays at most this many seeds, one table column each.
constexpr std::size_t kMaxSeeds = 100;

bool ReadSeed(const std::string& text, uint32_t& seed)
{
    uint64_t value = 0;
    if (!ReadNumber("--seed", text, value))
        return false;
    seed = static_cast<uint32_t>(value);
    return true;
}

// A seed list such as "1-3" or "1,2,5" or "1-3,7": seeds and ranges of seeds, comma-separated.
bool ReadSeeds(const std::string& text, std::vector<uint32_t>& seeds)
{
    seeds.clear();
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        const std::string item = text.substr(start, comma - start);
        const std::size_t dash = item.find('-');
        uint32_t first = 0;
        uint32_t last = 0;
        if (!ReadSeed(item.substr(0, dash), first) ||
            !ReadSeed(dash == std::string::npos ? item : item.substr(dash + 1), last) || last < first ||
            last - first >= kMaxSeeds - seeds.size())
            return false;
        for (uint64_t seed = first; seed <= last; ++seed)
            seeds.push_back(static_cast<uint32_t>(seed));
        start = comma + 1;
    }
    return true;
}

// A moment of a replay: "LOOP:SECONDS" with up to three decimals ("3:12.5"); loop 0 when the
// text is no moment.
struct Moment {
    int loop = 0;
    uint32_t ms = 0; // into the loop
};

Moment ReadMoment(const std::string& text)
{
    const std::size_t colon = text.find(':');
    const std::size_t point = text.find('.', colon);
    const std::string fraction = point == std::string::npos ? "" : text.substr(point + 1);
    int64_t loop = 0;
    int64_t seconds = 0;
    int64_t thousandths = 0;
    if (colon == std::string::npos || !kolm::ParseWholeNumber(text.substr(0, colon), 1, 100000, loop) ||
        !kolm::ParseWholeNumber(text.substr(colon + 1, point - colon - 1), 0, 4000000, seconds) || fraction.size() > 3 ||
        (!fraction.empty() && !kolm::ParseWholeNumber(fraction + std::string(3 - fraction.size(), '0'), 0, 999, thousandths)))
        return Moment();
    return {static_cast<int>(loop), static_cast<uint32_t>(seconds * 1000 + thousandths)};
}

// "--unshare CODE OUT" takes two words: they are taken out before the table reads the rest.
bool TakeUnshare(std::vector<std::string>& arguments, SimOptions& options)
{
    const auto at = std::find(arguments.begin(), arguments.end(), "--unshare");
    if (at == arguments.end())
        return true;
    if (arguments.end() - at < 3)
        return false;
    options.unshareCode = at[1];
    options.unshareOut = FromStartDirectory(at[2]);
    arguments.erase(at, at + 3);
    return true;
}

bool ParseOptions(int argc, char** argv, SimOptions& options)
{
    const auto number = [](const char* option, auto& value) {
        return [option, &value](const std::string& text, std::string&) {
            uint64_t read = 0;
            if (!ReadNumber(option, text, read))
                return false;
            value = static_cast<std::remove_reference_t<decltype(value)>>(read);
            return true;
        };
    };
    const auto file = [](std::string& path) {
        return [&path](const std::string& text, std::string&) {
            path = FromStartDirectory(text);
            return true;
        };
    };
    kolm::OptionTable table;
    table.Switch("--bot", [&] { options.script.clear(); })
        .Switch("--details", [&] { options.details = true; })
        .Switch("--check-levels", [&] { options.checkLevels = true; })
        .Switch("--novice", [&] { options.novice = true; })
        .Switch("--classic", [&] { options.classic = true; })
        .Switch("--help", [&] { options.help = true; })
        .Switch("--from-start", [&] { options.fromStart = true; })
        .Valued("--at", [&](const std::string& text, std::string&) {
            options.at = text;
            return ReadMoment(text).loop > 0;
        })
        .Switch("-h", [&] { options.help = true; })
        .Valued("--level", file(options.level))
        .Valued("--script", file(options.script))
        // Named from the data folder, as the game's own list is, so that its table names its files alike
        // wherever the check is started.
        .Valued("--list", [&](const std::string& text, std::string&) {
            options.list = text;
            return true;
        })
        .Valued("--replay", file(options.replay))
        .Valued("--share", file(options.share))
        .Valued("--daily", [&](const std::string& text, std::string&) {
            options.daily = text;
            return true;
        })
        .Valued("--seeds", [&](const std::string& text, std::string&) { return ReadSeeds(text, options.seeds); })
        .Valued("--seed", number("--seed", options.seed))
        .Valued("--steps", number("--steps", options.maxSteps))
        .Valued("--time", number("--time", options.maxTime))
        .Valued("--restarts", number("--restarts", options.restartChance))
        .Valued("--every", number("--every", options.digestEvery))
        .Valued("--soak", number("--soak", options.soakSteps));
    std::string error;
    std::vector<std::string> arguments(argv + 1, argv + argc);
    if (!TakeUnshare(arguments, options) || !table.Read(arguments, kolm::OptionTable::kTool, error))
        return false;
    // Several seeds only for the level check; a moment only of a replay.
    return (options.seeds.empty() || options.checkLevels) && (options.at.empty() || !options.replay.empty()) &&
           (!options.fromStart || !options.at.empty());
}

BotPlayer::Options BotOptions(const SimOptions& options, uint32_t seed)
{
    BotPlayer::Options botOptions;
    botOptions.seed = seed;
    botOptions.restartChance = options.restartChance;
    botOptions.skill = options.novice ? BotPlayer::kNovice : BotPlayer::kPractised;
    return botOptions;
}

void PrintDigest(const Gameplay& gameplay) { kolm::Say("digest " + DigestOf(gameplay).ToString()); }

bool LimitReached(const SimOptions& options, uint64_t steps, const HeadlessGame& game)
{
    return (options.maxSteps && steps >= options.maxSteps) || (options.maxTime && game.PhaseTime() >= options.maxTime);
}

// Why a script's run has nothing more to show: its script is spent and the hero is dead or the
// level cleared, so nothing can change any more; empty while something can.
std::string Over(const InputScript* script, const Gameplay& gameplay)
{
    if (!script || !script->Spent())
        return std::string();
    if (gameplay.IsPlayerDead())
        return "the script has ended and the hero is dead: nothing more can happen";
    if (gameplay.IsLevelCleared())
        return "the script has ended and the level is cleared: nothing more can happen";
    return std::string();
}

// Plays one run; a single level stops once it is cleared, a script's run once it is over.
int Play(const SimOptions& options, InputSource& input, const InputScript* script = nullptr)
{
    HeadlessGame game(options.level.empty() ? FirstLevel::FromLevelList() : FirstLevel(options.level), options.seed, &input);
    // A script replays a game's recording: a clear stands as it did in the game, unless the game
    // was played with "-classic".
    game.Phase().overlay->clearStands = !options.script.empty() && !options.classic;
    game.Game().SetLaterKinds(!options.classic);
    uint64_t steps = 0;
    while (game.Running() && !LimitReached(options, steps, game)) {
        game.Step();
        ++steps;
        if (options.digestEvery && steps % options.digestEvery == 0)
            PrintDigest(game.Game());
        if (!options.level.empty() && game.Game().IsLevelCleared())
            break;
        if (options.level.empty() && game.Game().World()->levelFile.empty() && game.Game().IsLevelCleared())
            break; // the level list has run out
        if (const std::string over = Over(script, game.Game()); !over.empty()) {
            kolm::Warn(over);
            break;
        }
    }
    PrintDigest(game.Game());
    if (options.details)
        kolm::SayText(WorldDigest::Details(game.Game()));
    return 0;
}

// The bot plays one level on its own, from the first loop, until it clears it or gives up.
BotRun PlayLevel(const SimOptions& options, uint32_t seed, const std::string& file)
{
    return BotLevelCheck::PlayOnce(file, seed, options.novice, options.maxTime ? options.maxTime : BotLevelCheck::kLongestRunMs);
}

// A table row for one seed: cleared or not, in how many loops and how much game time.
void CheckLevel(const SimOptions& options, int position, const std::string& file)
{
    const BotRun check = PlayLevel(options, options.seed, file);
    char line[256];
    std::snprintf(line, sizeof line, "| %d | %s | %s | %u | %.1f |\n", position, file.c_str(),
                  check.cleared ? "yes" : "no", check.loops, check.time / 1000.0);
    kolm::SayText(line);
}

// A table row for several seeds: the loops of each ("20+": not cleared when the check gave up)
// and their average to one decimal, halves rounded up ("+" when a seed did not clear it).
void CheckLevelOverSeeds(const SimOptions& options, int position, const std::string& file)
{
    std::string row = "| " + std::to_string(position) + " | " + file + " |";
    uint64_t loops = 0;
    bool everyCleared = true;
    for (const uint32_t seed : options.seeds) {
        const BotRun check = PlayLevel(options, seed, file);
        loops += check.loops;
        everyCleared = everyCleared && check.cleared;
        row += " " + std::to_string(check.loops) + (check.cleared ? "" : "+") + " |";
    }
    const uint64_t count = options.seeds.size();
    const uint64_t tenths = (loops * 20 + count) / (2 * count);
    row += " " + std::to_string(tenths / 10) + "." + std::to_string(tenths % 10) + (everyCleared ? "" : "+") + " |\n";
    kolm::SayText(row);
}

std::string CheckTableHeader(const SimOptions& options)
{
    if (options.seeds.empty())
        return "| level | file | cleared | loops | game time (s) |\n|---|---|---|---|---|\n";
    std::string header = "| level | file |";
    std::string rule = "|---|---|";
    for (const uint32_t seed : options.seeds) {
        header += " loops, seed " + std::to_string(seed) + " |";
        rule += "---|";
    }
    return header + " average |\n" + rule + "---|\n";
}

// The level check: each level of the list (or the one level given) played by the bot, with one
// seed or with each of several.
int CheckLevels(const SimOptions& options)
{
    kolm::SayText(CheckTableHeader(options));
    const auto check = options.seeds.empty() ? CheckLevel : CheckLevelOverSeeds;
    if (!options.level.empty()) {
        check(options, 1, options.level);
        return 0;
    }
    // A pack's list names its files from its own folder.
    const kolm::CLevelList list(options.list,
                                options.list.empty() ? kolm::CLevelList::Names::kAsWritten : kolm::CLevelList::Names::kInListFolder);
    for (int position = 1; position < list.Count(); ++position) {
        const std::string file = list.FileNameAt(position);
        if (!file.empty())
            check(options, position, file);
    }
    return 0;
}

// The process's resident memory now and at its peak, in kilobytes.
void MemoryUse(long& currentKb, long& peakKb)
{
    currentKb = 0;
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    if (statm >> pages >> resident)
        currentKb = resident * (sysconf(_SC_PAGESIZE) / 1024);
    struct rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    peakKb = usage.ru_maxrss;
}

// A long run for finding leaks and faults: the bot, pressing F5 now and then, plays the levels of
// the list in turn, again and again, each until it is cleared or has had 30 loops, until the
// given number of steps; every 10,000 steps it prints the steps, the level, the loop and memory.
int Soak(const SimOptions& options)
{
    const kolm::CLevelList list;
    uint64_t steps = 0;
    for (uint32_t round = 0; steps < options.soakSteps; ++round) {
        for (int position = 1; position < list.Count() && steps < options.soakSteps; ++position) {
            BotPlayer::Options botOptions = BotOptions(options, options.seed + round);
            botOptions.restartChance = options.restartChance ? options.restartChance : 20;
            BotPlayer bot(botOptions);
            HeadlessGame game(list.FileNameAt(position), options.seed + round, &bot);
            while (steps < options.soakSteps && !game.Game().IsLevelCleared() && game.Game().World()->oldGuys.size() < 30) {
                game.Step();
                if (++steps % 10000 == 0) {
                    long currentKb = 0;
                    long peakKb = 0;
                    MemoryUse(currentKb, peakKb);
                    kolm::Say("soak steps=" + std::to_string(steps) + " level=" + std::to_string(position) +
                              " loop=" + std::to_string(game.Game().World()->oldGuys.size() + 1) +
                              " rss_kb=" + std::to_string(currentKb) + " peak_kb=" + std::to_string(peakKb));
                }
            }
        }
    }
    return 0;
}

} // namespace

// Plays the replay headless, checking the world at each of its checks: its final digest and
// "replay verified" (status 0), or the line that says where the world parted from it (status 1).
int VerifyReplay(const std::string& path)
{
    Replay replay;
    std::string problem;
    if (!LoadReplay(path, replay, problem)) {
        kolm::Warn("the replay " + path + " cannot be read: " + problem);
        return 2;
    }
    kolm::CLevelList levels;
    if (!ReplayPlayer::Playable(replay, problem)) {
        kolm::Warn(path + ": " + problem);
        return 1;
    }
    SetSoundEnabled(false);
    ReplayPlayer player(replay, levels);
    while (!player.Finished())
        player.Step(false);
    PrintDigest(player.Phase().gameplay);
    if (player.Parted()) {
        kolm::Warn(player.PartedLine());
        return 1;
    }
    kolm::Say("replay verified");
    return 0;
}

namespace {

// The game time of a moment: the first step at least `ms` into the loop, the loop beginning at
// loopStart.
uint32_t MomentTime(uint32_t loopStart, uint32_t ms)
{
    return loopStart + (ms + Gameplay::kStepMs - 1) / Gameplay::kStepMs * Gameplay::kStepMs;
}

// Steps the player from where it stands to the moment (or the replay's end, if it comes first).
void StepTo(ReplayPlayer& player, const Moment& moment)
{
    while (player.Loop() < moment.loop && !player.Finished())
        player.Step(false);
    const uint32_t time = MomentTime(player.LevelTime(), moment.ms);
    while (player.Loop() == moment.loop && player.LevelTime() < time && !player.Finished())
        player.Step(false);
}

// The moment reached through the snapshots the first pass keeps: played ahead until the loop
// sought has ended (or the replay has), then the shown player put there.
void SeekTo(ReplayPlayer& shown, const Replay& replay, kolm::CLevelList& levels, const Moment& moment)
{
    ReplayTimeline timeline(replay, levels);
    const std::size_t loop = static_cast<std::size_t>(moment.loop);
    while (!timeline.Filled() && timeline.LoopStarts().size() <= loop)
        timeline.FillAhead(100);
    const std::vector<uint32_t>& starts = timeline.LoopStarts();
    uint32_t time = starts.size() > loop ? starts[loop] : timeline.Length(); // where the loop ends
    if (starts.size() >= loop)
        time = std::min(time, MomentTime(starts[loop - 1], moment.ms));
    timeline.Seek(shown, time);
}

} // namespace

// The digest at a moment of the replay, reached through snapshots or by stepping from the start.
int DigestAtMoment(const std::string& path, const std::string& at, bool fromStart)
{
    Replay replay;
    std::string problem;
    kolm::CLevelList levels;
    if (!LoadReplay(path, replay, problem) || !ReplayPlayer::Playable(replay, problem)) {
        kolm::Warn("the replay " + path + " cannot be played: " + problem);
        return 2;
    }
    SetSoundEnabled(false);
    ReplayPlayer player(replay, levels);
    if (fromStart)
        StepTo(player, ReadMoment(at));
    else
        SeekTo(player, replay, levels, ReadMoment(at));
    PrintDigest(player.Phase().gameplay);
    return 0;
}

// Prints the share code of a level file (status 0), or names the problem (status 1).
int PrintShareCode(const std::string& path)
{
    std::string level;
    std::string code;
    std::string problem;
    if (!ReadFileBytes(path, kLargestSharedLevel, level, problem)) {
        kolm::Warn("cannot share " + path + ": it " + problem);
        return 1;
    }
    if (!EncodeShareCode(level, code, problem)) {
        kolm::Warn("cannot share " + path + ": " + problem);
        return 1;
    }
    kolm::Say(code);
    return 0;
}

// Writes the level file a share code holds (status 0), or names the problem (status 1).
int WriteSharedLevel(const std::string& code, const std::string& path)
{
    std::string level;
    std::string problem;
    if (!DecodeShareCode(code, level, problem) || !WriteFileSafely(path, level, problem)) {
        kolm::Warn("cannot unshare the code into " + path + ": " + problem);
        return 1;
    }
    return 0;
}

int main(int argc, char** argv)
{
    EnterDataRoot("tobrakka-sim");
    kolm::SetWarningProgram("tobrakka-sim");
    SimOptions options;
    if (!ParseOptions(argc, argv, options)) {
        kolm::ComplainText(kUsage);
        return 2;
    }
    if (options.help) {
        kolm::SayText(kUsage);
        return 0;
    }
    if (!options.share.empty())
        return PrintShareCode(options.share);
    if (!options.unshareOut.empty())
        return WriteSharedLevel(options.unshareCode, options.unshareOut);
    if (!options.daily.empty())
        return PrintDailyLevel(options.daily);
    if (options.checkLevels)
        return CheckLevels(options);
    if (options.soakSteps)
        return Soak(options);
    if (!options.at.empty())
        return DigestAtMoment(options.replay, options.at, options.fromStart);
    if (!options.replay.empty())
        return VerifyReplay(options.replay);
    if (!options.script.empty()) {
        InputScript script;
        if (!script.LoadOrReport(options.script, "tobrakka-sim"))
            return 2;
        script.RunHeadless("tobrakka-sim");
        return Play(options, script, &script);
    }
    BotPlayer bot(BotOptions(options, options.seed));
    return Play(options, bot);
}
