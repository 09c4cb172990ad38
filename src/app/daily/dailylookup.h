#pragma once
// The level of a day, ready to play: the one kept in the daily folder, or else found by the bot's
// check (a slice at a time) and then kept there for the rest of the day and after.
#include "app/daily/dailyfinder.h"
#include "app/daily/dailyfolder.h"

#include <memory>
#include <string>

class DailyLookup {
public:
    DailyLookup(const DailyDate& date, const DailyFolder& folder, const LevelCheckMaker& makeCheck);

    // Looks on for about sliceMs; true once the level is ready or cannot be had.
    bool Advance(uint32_t sliceMs);
    bool Ready() const { return ready_; }
    // The level, once ready.
    const DailyFound& Found() const { return found_; }
    // Candidates the bot has begun to check (0 for a kept level).
    uint32_t Tried() const { return finder_ ? finder_->Tried() : 0; }
    // Why there is no level ("" while there is one, or may be).
    const std::string& Problem() const { return problem_; }
    const DailyDate& Date() const { return date_; }

private:
    DailyDate date_;
    DailyFolder folder_;
    std::unique_ptr<DailyFinder> finder_;
    DailyFound found_;
    bool ready_ = false;
    std::string problem_;
};
