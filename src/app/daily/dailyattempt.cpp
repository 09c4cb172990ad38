#include "app/daily/dailyattempt.h"

DailyAttemptKeeper::DailyAttemptKeeper(const DailyHistoryFile& file, const DailyDate& date, const DailyPar& par,
                                       bool counting)
    : file_(file), date_(date), par_(par)
{
    if (!counting)
        return;
    DailyHistory history;
    file_.Change([this](DailyHistory& days) { counted_ = days.BeginCounted(date_); }, history);
}

void DailyAttemptKeeper::Cleared(const DailyAttempt& attempt)
{
    if (ended_)
        return;
    ended_ = true;
    const Medal medal = MedalOf(true, attempt.loops, par_);
    DailyHistory history;
    file_.Change(
        [&](DailyHistory& days) {
            if (counted_)
                days.EndCounted(date_, attempt, medal);
            else
                days.NotePractice(date_, attempt);
        },
        history);
}

void DailyAttemptKeeper::Left(const DailyAttempt& attempt)
{
    if (ended_)
        return;
    ended_ = true;
    if (!counted_)
        return;
    DailyHistory history;
    file_.Change([&](DailyHistory& days) { days.EndCounted(date_, attempt, Medal::kNone); }, history);
}
