#pragma once
// A bot's check for the daily tests that keeps the first candidate at once: the practised bot
// clears it in 3 loops, the novice in 7 on each seed (gold in 3 loops, silver in 7).
#include "app/daily/dailyrules.h"
#include "app/edit/levelcheck.h"

#include <memory>
#include <string>

class KeepsTheFirstCandidate : public LevelCheck {
public:
    bool Advance(uint32_t) override
    {
        figures_.practised = {true, 3, 40000};
        figures_.novice.assign(dailyrules::kNoviceSeeds, BotRun{true, 7, 95000});
        return true;
    }
    const LevelCheckFigures& Figures() const override { return figures_; }

    static LevelCheckMaker Maker()
    {
        return [](const std::string&) { return std::make_unique<KeepsTheFirstCandidate>(); };
    }

private:
    LevelCheckFigures figures_;
};
