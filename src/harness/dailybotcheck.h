#pragma once
// The bot's check of a daily level's candidate (app/daily/dailyrules.h), a slice at a time: the
// practised bot with seed 1, given up after the most loops the rules allow it, then the novice
// with seeds 1 to 3, each given up after the novice's most; the check ends at the first run that
// puts the candidate out. The app's daily finder reaches it through the level check's seam.
#include "app/edit/levelcheck.h"
#include "harness/botlevelcheck.h"

#include <memory>
#include <string>

class DailyBotCheck : public LevelCheck {
public:
    explicit DailyBotCheck(const std::string& levelFile) : file_(levelFile) {}

    bool Advance(uint32_t sliceMs) override;
    const LevelCheckFigures& Figures() const override { return figures_; }

private:
    // Starts the next run; false when none is left.
    bool StartNext();
    void TakeRun();

    std::string file_;
    std::size_t next_ = 0; // runs started: the practised one, then a novice one a seed
    std::unique_ptr<BotLevelCheck> run_;
    LevelCheckFigures figures_;
    bool done_ = false;
};
