#include "app/daily/dailywords.h"

#include "app/profile/recordwords.h"
#include "app/text/translate.h"

namespace {

const char* const kDot = " \u00B7 ";

std::string ClearWords(const DailyAttempt& attempt)
{
    return LoopCount(attempt.loops) + kDot + FormatGameTime(attempt.milliseconds, 1);
}

std::string Assisted(const DailyAttempt& attempt)
{
    return attempt.assisted ? std::string(kDot) + Tr("menu note", "assisted") : "";
}

// The medal as the player reads it (the history file keeps MedalWord's English).
std::string MedalShown(Medal medal)
{
    switch (medal) {
    case Medal::kGold:
        return Tr("menu note", "gold");
    case Medal::kSilver:
        return Tr("menu note", "silver");
    case Medal::kBronze:
        return Tr("menu note", "bronze");
    default:
        return "";
    }
}

} // namespace

std::string DailyResultWords(const DailyDay& day)
{
    switch (day.counted) {
    case DailyDay::Counted::kCleared:
        return ClearWords(day.result) + kDot + MedalShown(day.medal) + Assisted(day.result);
    case DailyDay::Counted::kLeft:
        return Fill(Tr("menu note", "left in loop %d"), {std::to_string(day.result.loops)}) + Assisted(day.result);
    case DailyDay::Counted::kPlaying:
        return Tr("menu note", "playing");
    default:
        return "";
    }
}

std::string DailyPracticeWords(const DailyDay& day)
{
    return day.practised ? ClearWords(day.practice) + Assisted(day.practice) : "";
}

std::string DailyResultLine(const DailyDate& date, const DailyDay& day)
{
    if (day.counted != DailyDay::Counted::kCleared && day.counted != DailyDay::Counted::kLeft)
        return "";
    return std::string("Tobrakka") + kDot + date.Long() + kDot + DailyResultWords(day);
}

std::string DailyParWords(const DailyPar& par)
{
    std::string words = Fill(Tr("card note", "gold in %s"), {LoopCount(static_cast<int>(par.practisedLoops))});
    if (par.SilverLoops() > par.practisedLoops)
        words += Fill(Tr("card note", ", silver in %d"), {std::to_string(par.SilverLoops())});
    return words;
}
