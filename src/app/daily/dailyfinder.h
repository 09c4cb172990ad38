#pragma once
// Finds a day's level: makes the day's candidates one after another (app/daily/dailylevel.h),
// has the bot check each through the level check's seam (app/edit/levelcheck.h: the bot lives
// with the tools) and keeps the first that the rules keep (app/daily/dailyrules.h). After a
// candidate the bot found too hard the next is made gentler, after one it found too easy harsher.
// It runs a slice at a time, so a screen can show itself while it looks; the same date finds the
// same level on every machine, the bot being as deterministic as the world.
//
// Should no candidate of the day's 62 be kept, the last one checked is the day's level, marked
// as not kept (a day that has not come yet in any test).
#include "app/daily/dailydate.h"
#include "app/daily/dailyrules.h"
#include "app/edit/levelcheck.h"

#include <memory>
#include <string>

struct DailyFound {
    DailyDate date;
    std::string name;
    std::string text; // the level file
    uint32_t candidate = 0;
    int tempo = 0;
    bool kept = false; // the rules kept it
    LevelCheckFigures figures;

    DailyPar Par() const { return DailyPar::Of(figures); }
};

class DailyFinder {
public:
    // scratchFile: where each candidate is written for the check to read.
    DailyFinder(const DailyDate& date, const std::string& scratchFile, LevelCheckMaker makeCheck);

    // Checks on for about sliceMs of wall time; true once the day's level is found, or the
    // search cannot go on (Problem says why).
    bool Advance(uint32_t sliceMs);
    bool Done() const { return done_; }
    // The day's level, once found.
    const DailyFound& Found() const { return found_; }
    // Candidates whose check has begun.
    uint32_t Tried() const { return tried_; }
    // Why the search stopped without a level ("" while it has none): the scratch file could not be
    // written, or there is no bot to check.
    const std::string& Problem() const { return problem_; }

private:
    bool StartCandidate();
    void Judge();

    DailyDate date_;
    std::string scratch_;
    LevelCheckMaker makeCheck_;
    std::unique_ptr<LevelCheck> check_;
    DailyFound found_;
    uint32_t tried_ = 0;
    int tempo_ = 0;
    bool done_ = false;
    std::string problem_;
};
