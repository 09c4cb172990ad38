#include "app/daily/dailywords.h"

#include "app/profile/recordwords.h"

namespace {

const char* const kDot = " \u00B7 ";

std::string ClearWords(const DailyAttempt& attempt)
{
    return LoopCount(attempt.loops) + kDot + FormatGameTime(attempt.milliseconds, 1);
}

std::string Assisted(const DailyAttempt& attempt) { return attempt.assisted ? std::string(kDot) + "assisted" : ""; }

} // namespace

std::string DailyResultWords(const DailyDay& day)
{
    switch (day.counted) {
    case DailyDay::Counted::kCleared:
        return ClearWords(day.result) + kDot + MedalWord(day.medal) + Assisted(day.result);
    case DailyDay::Counted::kLeft:
        return "left in loop " + std::to_string(day.result.loops) + Assisted(day.result);
    case DailyDay::Counted::kPlaying:
        return "playing";
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
    std::string words = "gold in " + LoopCount(static_cast<int>(par.practisedLoops));
    if (par.SilverLoops() > par.practisedLoops)
        words += ", silver in " + std::to_string(par.SilverLoops());
    return words;
}
