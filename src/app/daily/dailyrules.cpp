#include "app/daily/dailyrules.h"

#include <algorithm>

namespace dailyrules {

namespace {

bool PractisedWithin(const BotRun& run)
{
    return run.cleared && run.loops >= kFewestPractisedLoops && run.loops <= kMostPractisedLoops;
}

bool NoviceWithin(const BotRun& run) { return run.cleared && run.loops <= kMostNoviceLoops; }

// Every novice run ended so far within the rules.
bool NoviceRunsWithin(const LevelCheckFigures& figures)
{
    return std::all_of(figures.novice.begin(), figures.novice.end(), NoviceWithin);
}

} // namespace

bool Keeps(const LevelCheckFigures& figures)
{
    return PractisedWithin(figures.practised) && figures.novice.size() == kNoviceSeeds && NoviceRunsWithin(figures);
}

bool PutsOut(const LevelCheckFigures& figures)
{
    return (figures.practised.loops > 0 && !PractisedWithin(figures.practised)) || !NoviceRunsWithin(figures);
}

bool TooHard(const LevelCheckFigures& figures)
{
    return !figures.practised.cleared || figures.practised.loops > kMostPractisedLoops || !NoviceRunsWithin(figures);
}

} // namespace dailyrules

DailyPar DailyPar::Of(const LevelCheckFigures& figures)
{
    DailyPar par;
    par.practisedLoops = figures.practised.loops;
    par.noviceTenths = figures.NoviceTenths();
    return par;
}

Medal MedalOf(bool cleared, int loops, const DailyPar& par)
{
    if (!cleared || loops < 1)
        return Medal::kNone;
    const uint32_t played = static_cast<uint32_t>(loops);
    if (played <= par.practisedLoops)
        return Medal::kGold;
    if (played <= par.SilverLoops())
        return Medal::kSilver;
    return Medal::kBronze;
}

std::string MedalWord(Medal medal)
{
    switch (medal) {
    case Medal::kGold:
        return "gold";
    case Medal::kSilver:
        return "silver";
    case Medal::kBronze:
        return "bronze";
    default:
        return "";
    }
}

Medal MedalOfWord(const std::string& word)
{
    for (Medal medal : {Medal::kGold, Medal::kSilver, Medal::kBronze}) {
        if (word == MedalWord(medal))
            return medal;
    }
    return Medal::kNone;
}
