#pragma once
// One attempt at a day's level as the history file counts it (app/daily/dailyhistoryfile.h): the
// day's first attempt is counted from its start ("playing" in the file, so a game closed in the
// middle of it still used it up), then closed as cleared, with the medal the day's par gives its
// loops, or as left with the loops and time played. Any later attempt is practice, and only its
// clear is noted (the day's best practice is kept).
#include "app/daily/dailyhistoryfile.h"

class DailyAttemptKeeper {
public:
    // Begins the attempt on the file: counted when the day has no counted attempt yet, practice
    // otherwise (and always when counting is false: a past day's level, "-daily DATE").
    DailyAttemptKeeper(const DailyHistoryFile& file, const DailyDate& date, const DailyPar& par, bool counting);

    bool Counted() const { return counted_; }
    bool Ended() const { return ended_; }

    // The level is cleared: the counted attempt closes with its medal; a practice clear is noted.
    void Cleared(const DailyAttempt& attempt);
    // The player leaves the level uncleared: the counted attempt closes as left.
    void Left(const DailyAttempt& attempt);

private:
    DailyHistoryFile file_;
    DailyDate date_;
    DailyPar par_;
    bool counted_ = false;
    bool ended_ = false;
};
