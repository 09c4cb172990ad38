#pragma once
// The player's daily levels day by day, as the history file keeps them (app/daily/dailyhistoryfile.h):
//
//     day 2026-12-10 cleared 3 41216 gold
//     day 2026-12-11 left 4 52000
//     day 2026-12-12 playing
//     practice 2026-12-10 2 38000 assisted
//
// A day's counted attempt is the first one played on it: "playing" from its start, then
// "cleared" with its loops, game time in milliseconds and medal (gold, silver, bronze), or "left"
// with the loops and time played when the player left it uncleared (a game that ended in the
// middle of one leaves it "playing"). Once a day has a counted attempt no later one replaces it:
// the history is by date, so a clock moved back or forward changes nothing a day already holds.
// Later attempts of a day are practice: the best practice clear is kept beside (fewest loops, then
// shortest time). "assisted" closes a line played below full speed.
#include "app/daily/dailydate.h"
#include "app/daily/dailyrules.h"
#include "utils/playerfile.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct DailyAttempt {
    int loops = 0;
    uint32_t milliseconds = 0;
    bool assisted = false;

    // Fewer loops, or as many in less time.
    bool Beats(const DailyAttempt& other) const
    {
        return loops != other.loops ? loops < other.loops : milliseconds < other.milliseconds;
    }
    bool operator==(const DailyAttempt& other) const
    {
        return loops == other.loops && milliseconds == other.milliseconds && assisted == other.assisted;
    }
};

struct DailyDay {
    enum class Counted { kNone, kPlaying, kLeft, kCleared };
    Counted counted = Counted::kNone;
    DailyAttempt result; // of the counted attempt, once it has ended
    Medal medal = Medal::kNone;
    bool practised = false; // a practice attempt has cleared the day's level
    DailyAttempt practice;  // the best of them

    bool operator==(const DailyDay& other) const;
};

class DailyHistory {
public:
    // Reads the history's text; each line that cannot be used is left out and named in problems.
    static DailyHistory Parse(const std::string& text, std::vector<kolm::FileProblem>& problems);
    std::string Text() const;

    // The day as the history holds it (an empty day for one it does not).
    DailyDay Of(const DailyDate& date) const;
    const std::map<int32_t, DailyDay>& Days() const { return days_; } // by day number

    // The day's counted attempt begins, when it has none: true. False: this is practice.
    bool BeginCounted(const DailyDate& date);
    // The counted attempt that is playing ends: cleared with a medal, or left (no clear).
    void EndCounted(const DailyDate& date, const DailyAttempt& attempt, Medal medal);
    // A practice clear, kept when it beats the day's best.
    void NotePractice(const DailyDate& date, const DailyAttempt& attempt);

    // Consecutive days whose counted attempt cleared the level, up to today, or up to yesterday
    // while today has no clear yet.
    int Streak(const DailyDate& today) const;
    // The most consecutive days with a counted clear the history holds.
    int BestStreak() const;

    bool operator==(const DailyHistory& other) const { return days_ == other.days_; }

private:
    std::map<int32_t, DailyDay> days_;
};
