#pragma once
// The rules of a daily level: which candidate the bot's check keeps, how soon a run of the check
// may stop, and the medal a clear earns by the level's own par.
//
// A candidate is kept when the practised bot (seed 1) clears it in 2 to 6 loops and the novice
// clears it in at most 12 loops on each of its seeds (1 to 3): hard enough to need the loop, fair
// for a newcomer. The check stops at the first run that puts the candidate out.
//
// The par comes from the same figures: gold for a clear in no more loops than the practised bot
// took, silver in no more than the novice's average, bronze for any other clear.
#include "app/edit/levelcheck.h"

#include <cstdint>
#include <string>

namespace dailyrules {

constexpr uint32_t kFewestPractisedLoops = 2;
constexpr uint32_t kMostPractisedLoops = 6;
constexpr uint32_t kMostNoviceLoops = 12;
constexpr std::size_t kNoviceSeeds = 3;

// Whether the figures keep the level: the practised run and every novice run within the rules.
bool Keeps(const LevelCheckFigures& figures);
// Whether a run already ended puts it out (the rest of the check need not be played).
bool PutsOut(const LevelCheckFigures& figures);
// Too hard: the practised bot or a novice did not clear it in time (false: too easy, or kept).
bool TooHard(const LevelCheckFigures& figures);

} // namespace dailyrules

// The level's par from its check, in loops.
struct DailyPar {
    uint32_t practisedLoops = 0;
    uint32_t noviceTenths = 0; // the novice's average loops in tenths (73: 7.3 loops)

    static DailyPar Of(const LevelCheckFigures& figures);
    // The most loops of a silver clear: the novice's average, its tenths left out.
    uint32_t SilverLoops() const { return noviceTenths / 10; }
    bool operator==(const DailyPar& other) const
    {
        return practisedLoops == other.practisedLoops && noviceTenths == other.noviceTenths;
    }
};

enum class Medal { kNone, kBronze, kSilver, kGold };

// The medal of a clear in loops (kNone for no clear).
Medal MedalOf(bool cleared, int loops, const DailyPar& par);
// "gold", "silver", "bronze", "" for none; and the word read back (kNone for any other).
std::string MedalWord(Medal medal);
Medal MedalOfWord(const std::string& word);
