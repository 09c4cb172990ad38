// tobrakka-sim: plays the game headless, as fast as the machine allows, and prints digests of
// the world's state. See the README for the options.
#include "app/dataroot.h"
#include "harness/botplayer.h"
#include "harness/headlessgame.h"
#include "harness/inputscript.h"
#include "harness/worlddigest.h"
#include "utils/filewarning.h"
#include "utils/levellist/clevellist.h"
#include "utils/stringutils.h"
#include "world/world.h"

#include <cstdio>
#include <fstream>
#include <sys/resource.h>
#include <unistd.h>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace {

struct SimOptions {
    std::string level;       // empty: the whole level list
    uint32_t seed = 1;
    uint64_t maxSteps = 0;   // 0: no limit
    uint64_t maxTime = 0;    // game ms; 0: no limit
    std::string script;      // empty: the bot plays
    uint32_t restartChance = 0;
    uint64_t digestEvery = 0;
    bool details = false;
    bool checkLevels = false;
    uint64_t soakSteps = 0;  // 0: no soak
    bool novice = false;     // the bot plays as a person new to the game
    bool help = false;
};

const char* const kUsage =
    "usage: tobrakka-sim [--level FILE] [--seed N] [--steps N] [--time MS] [--script FILE | --bot]\n"
    "                    [--novice] [--restarts N] [--every N] [--details] [--check-levels]\n"
    "                    [--soak STEPS] [--help]\n";

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

bool ParseOptions(int argc, char** argv, SimOptions& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const bool hasValue = i + 1 < argc;
        uint64_t number = 0;
        if (option == "--bot") {
            options.script.clear();
        } else if (option == "--details") {
            options.details = true;
        } else if (option == "--check-levels") {
            options.checkLevels = true;
        } else if (option == "--novice") {
            options.novice = true;
        } else if (option == "--help" || option == "-h") {
            options.help = true;
        } else if (!hasValue) {
            return false;
        } else if (option == "--level") {
            options.level = FromStartDirectory(argv[++i]);
        } else if (option == "--script") {
            options.script = FromStartDirectory(argv[++i]);
        } else if (!ReadNumber(option, argv[++i], number)) {
            return false;
        } else if (option == "--seed") {
            options.seed = static_cast<uint32_t>(number);
        } else if (option == "--steps") {
            options.maxSteps = number;
        } else if (option == "--time") {
            options.maxTime = number;
        } else if (option == "--restarts") {
            options.restartChance = static_cast<uint32_t>(number);
        } else if (option == "--every") {
            options.digestEvery = number;
        } else if (option == "--soak") {
            options.soakSteps = number;
        } else {
            return false;
        }
    }
    return true;
}

BotPlayer::Options BotOptions(const SimOptions& options, uint32_t seed)
{
    BotPlayer::Options botOptions;
    botOptions.seed = seed;
    botOptions.restartChance = options.restartChance;
    botOptions.skill = options.novice ? BotPlayer::kNovice : BotPlayer::kPractised;
    return botOptions;
}

void PrintDigest(HeadlessGame& game)
{
    std::cout << "digest " << DigestOf(game.Game()).ToString() << std::endl;
}

bool LimitReached(const SimOptions& options, uint64_t steps, const HeadlessGame& game)
{
    return (options.maxSteps && steps >= options.maxSteps) || (options.maxTime && game.PhaseTime() >= options.maxTime);
}

// Plays one run; a single level stops once it is cleared.
int Play(const SimOptions& options, InputSource& input)
{
    HeadlessGame game(options.level.empty() ? FirstLevel::FromLevelList() : FirstLevel(options.level), options.seed, &input);
    uint64_t steps = 0;
    while (game.Running() && !LimitReached(options, steps, game)) {
        game.Step();
        ++steps;
        if (options.digestEvery && steps % options.digestEvery == 0)
            PrintDigest(game);
        if (!options.level.empty() && game.Game().IsLevelCleared())
            break;
        if (options.level.empty() && game.Game().World()->levelFile.empty() && game.Game().IsLevelCleared())
            break; // the level list has run out
    }
    PrintDigest(game);
    if (options.details)
        std::cout << WorldDigest::Details(game.Game());
    return 0;
}

// The level check gives up on a level after this many lost loops.
constexpr std::size_t kCheckLoops = 20;

// The bot plays one level on its own; prints a table row: cleared or not, in how many loops and
// how much game time.
void CheckLevel(const SimOptions& options, int position, const std::string& file)
{
    const uint64_t limit = options.maxTime ? options.maxTime : 30 * 60 * 1000;
    BotPlayer bot(BotOptions(options, options.seed));
    HeadlessGame game(file, options.seed, &bot);
    const Gameplay::CQuenlowZarnImpl* world = game.Game().World();
    while (!world->IsLevelCleared() && world->oldGuys.size() < kCheckLoops && game.PhaseTime() < limit)
        game.Step();
    const bool cleared = world->IsLevelCleared();
    const std::size_t loops = world->oldGuys.size() + (cleared ? 1 : 0);
    char line[256];
    std::snprintf(line, sizeof line, "| %d | %s | %s | %zu | %.1f |\n", position, file.c_str(),
                  cleared ? "yes" : "no", loops, game.PhaseTime() / 1000.0);
    std::cout << line << std::flush;
}

// The level check: each level of the list (or the one level given) played by the bot.
int CheckLevels(const SimOptions& options)
{
    std::cout << "| level | file | cleared | loops | game time (s) |\n|---|---|---|---|---|\n";
    if (!options.level.empty()) {
        CheckLevel(options, 1, options.level);
        return 0;
    }
    kolm::CLevelList& list = kolm::CLevelList::Instance();
    for (int position = 1; position < list.Count(); ++position) {
        const std::string file = list.FileNameAt(position);
        if (!file.empty())
            CheckLevel(options, position, file);
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
    kolm::CLevelList& list = kolm::CLevelList::Instance();
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
                    std::cout << "soak steps=" << steps << " level=" << position << " loop="
                              << game.Game().World()->oldGuys.size() + 1 << " rss_kb=" << currentKb
                              << " peak_kb=" << peakKb << std::endl;
                }
            }
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    EnterDataRoot("tobrakka-sim");
    kolm::SetWarningProgram("tobrakka-sim");
    SimOptions options;
    if (!ParseOptions(argc, argv, options)) {
        std::cerr << kUsage;
        return 2;
    }
    if (options.help) {
        std::cout << kUsage;
        return 0;
    }
    if (options.checkLevels)
        return CheckLevels(options);
    if (options.soakSteps)
        return Soak(options);
    if (!options.script.empty()) {
        InputScript script;
        if (!script.LoadOrReport(options.script, "tobrakka-sim"))
            return 2;
        script.RunHeadless("tobrakka-sim");
        return Play(options, script);
    }
    BotPlayer bot(BotOptions(options, options.seed));
    return Play(options, bot);
}
