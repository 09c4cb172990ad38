#pragma once
// The daily level's maker: from a date (and which of the day's candidates), the text of a level
// file and the day's name, with the day's own dice (app/daily/dailydice.h) and whole numbers
// only. A candidate is shaped like the game's own levels: a length of 36 to 54 s; waves of four
// to eight beats on a steady beat of about a second, each wave cycling through a motif of two or
// three kinds of robot (a pair of crossing robots, a hunter, an arrow...), a breather between
// waves, the beat a little quicker with each wave; now and then a big robot at a wave's start;
// every kind of the table at least as often as its line says, the day's theme favouring one part.
//
// Its tempo makes a candidate harsher (above 0) or gentler (below 0): the finder asks for the
// next candidate gentler after one the bot found too hard, harsher after one it found too easy.
// What a date, a candidate and a tempo make is the same forever: a test pins it.
#include "app/daily/dailydate.h"

#include <cstdint>
#include <string>

struct DailyLevel {
    std::string name; // "Thursday's Crossfire"
    std::string text; // the level file
};

class DailyLevelMaker {
public:
    static constexpr int kGentlest = -3;
    static constexpr int kHarshest = 3;

    explicit DailyLevelMaker(const DailyDate& date) : date_(date) {}

    // The day's name: the weekday's, and a noun of the day's theme.
    std::string Name() const;
    // The name as the player reads it, in the language spoken.
    std::string ShownName() const;
    // The candidate's level (candidate 0 to 61; the tempo from kGentlest to kHarshest).
    DailyLevel Candidate(uint32_t candidate, int tempo) const;

    static constexpr uint32_t kCandidates = 62; // the dice's streams for candidates
    static constexpr uint32_t kNameStream = 62;

private:
    struct Words {
        std::size_t theme = 0;
        std::size_t noun = 0;
    };
    Words DayWords() const;

    DailyDate date_;
};
