#pragma once
// How a day's result is written wherever it shows: on today's card, in the history of past days,
// under the cleared banner and in the line the player copies to share:
//
//     Tobrakka · 10 Dec 2026 · 3 loops · 0:41.2 · gold
//
// A clear played below full speed says "assisted" at its end; an attempt left uncleared says
// how far it went ("left in loop 4").
#include "app/daily/dailyhistory.h"

#include <string>

// "3 loops · 0:41.2 · gold"; "left in loop 4"; "playing" (begun, not ended); "" for no attempt.
std::string DailyResultWords(const DailyDay& day);
// "2 loops · 0:38.0", the best practice clear; "" for none.
std::string DailyPracticeWords(const DailyDay& day);
// The line to share: "Tobrakka · 10 Dec 2026 · " and the result's words; "" for no counted end.
std::string DailyResultLine(const DailyDate& date, const DailyDay& day);
// What the medals ask of a level: "gold in 3 loops, silver in 7".
std::string DailyParWords(const DailyPar& par);
