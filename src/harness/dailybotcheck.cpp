#include "harness/dailybotcheck.h"

#include "app/daily/dailyrules.h"
#include "engine/core/ticks.h"

bool DailyBotCheck::Advance(uint32_t sliceMs)
{
    const uint32_t start = kolm::GetTicks();
    while (!done_) {
        if (!run_ && !StartNext()) {
            done_ = true;
            break;
        }
        const uint32_t spent = kolm::GetTicks() - start;
        if (run_->Advance(sliceMs > spent ? sliceMs - spent : 0))
            TakeRun();
        if (kolm::GetTicks() - start >= sliceMs)
            break;
    }
    return done_;
}

bool DailyBotCheck::StartNext()
{
    if (next_ > dailyrules::kNoviceSeeds || dailyrules::PutsOut(figures_))
        return false;
    const uint32_t seed = next_ == 0 ? 1 : static_cast<uint32_t>(next_);
    const bool novice = next_ > 0;
    run_ = std::make_unique<BotLevelCheck>(file_, novice ? std::vector<uint32_t>() : std::vector<uint32_t>{seed},
                                           novice ? std::vector<uint32_t>{seed} : std::vector<uint32_t>());
    run_->SetGiveUpLoops(novice ? dailyrules::kMostNoviceLoops : dailyrules::kMostPractisedLoops);
    ++next_;
    return true;
}

void DailyBotCheck::TakeRun()
{
    const LevelCheckFigures& ran = run_->Figures();
    if (ran.novice.empty())
        figures_.practised = ran.practised;
    else
        figures_.novice.push_back(ran.novice.front());
    run_.reset();
}
