#include "harness/botlevelcheck.h"

#include "audio/soundoutput.h"
#include "engine/core/ticks.h"

BotLevelCheck::BotLevelCheck(const std::string& levelFile) : BotLevelCheck(levelFile, {1}, {1, 2, 3}) {}

BotLevelCheck::BotLevelCheck(const std::string& levelFile, const std::vector<uint32_t>& practisedSeeds,
                             const std::vector<uint32_t>& noviceSeeds)
    : file_(levelFile)
{
    for (uint32_t seed : practisedSeeds)
        planned_.push_back({seed, false});
    for (uint32_t seed : noviceSeeds)
        planned_.push_back({seed, true});
}

bool BotLevelCheck::Advance(uint32_t sliceMs)
{
    const SoundOff unheard;
    const uint32_t start = kolm::GetTicks();
    do {
        if (!loop_) {
            if (next_ == planned_.size())
                return true;
            StartNext();
        }
        loop_->StepAndHandleEvents(false);
        if (RunEnded())
            EndRun();
    } while (kolm::GetTicks() - start < sliceMs);
    return !loop_ && next_ == planned_.size();
}

void BotLevelCheck::StartNext()
{
    const Planned& run = planned_[next_++];
    BotPlayer::Options options;
    options.seed = run.seed;
    options.skill = run.novice ? BotPlayer::kNovice : BotPlayer::kPractised;
    runNovice_ = run.novice;
    loop_.reset();
    phase_.reset();
    bot_ = std::make_unique<BotPlayer>(options);
    phase_ = std::make_unique<GamePhase>(true, FirstLevel(file_), levels_, RandomGenerators(run.seed));
    loop_ = std::make_unique<FrameLoop>(FrameLoop::Options(), *phase_, bot_.get());
}

bool BotLevelCheck::RunEnded() const
{
    const Gameplay& gameplay = phase_->gameplay;
    return gameplay.IsLevelCleared() || static_cast<uint32_t>(gameplay.Loop()) > giveUpLoops_ ||
           loop_->PhaseTime() >= longestRunMs_;
}

void BotLevelCheck::EndRun()
{
    BotRun run;
    run.cleared = phase_->gameplay.IsLevelCleared();
    run.loops = static_cast<uint32_t>(phase_->gameplay.Loop()) - (run.cleared ? 0 : 1);
    run.time = loop_->PhaseTime();
    if (runNovice_) {
        figures_.novice.push_back(run);
    } else {
        practisedRuns_.push_back(run);
        if (practisedRuns_.size() == 1)
            figures_.practised = run;
    }
    loop_.reset();
    phase_.reset();
    bot_.reset();
}

BotRun BotLevelCheck::PlayOnce(const std::string& levelFile, uint32_t seed, bool novice, uint64_t longestRunMs)
{
    BotLevelCheck check(levelFile, novice ? std::vector<uint32_t>() : std::vector<uint32_t>{seed},
                        novice ? std::vector<uint32_t>{seed} : std::vector<uint32_t>());
    check.SetLongestRun(longestRunMs);
    while (!check.Advance(UINT32_MAX)) {
    }
    return novice ? check.Figures().novice.front() : check.Figures().practised;
}
