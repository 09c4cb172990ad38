#include "app/daily/dailyfinder.h"

#include "app/daily/dailylevel.h"
#include "engine/core/ticks.h"

#include <algorithm>
#include <fstream>

namespace {

bool WriteScratch(const std::string& path, const std::string& text)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    return !file.fail();
}

} // namespace

DailyFinder::DailyFinder(const DailyDate& date, const std::string& scratchFile, LevelCheckMaker makeCheck)
    : date_(date), scratch_(scratchFile), makeCheck_(std::move(makeCheck))
{
    found_.date = date;
}

bool DailyFinder::Advance(uint32_t sliceMs)
{
    const uint32_t start = kolm::GetTicks();
    while (!done_) {
        if (!check_ && !StartCandidate())
            break;
        const uint32_t spent = kolm::GetTicks() - start;
        if (check_->Advance(sliceMs > spent ? sliceMs - spent : 0))
            Judge();
        if (kolm::GetTicks() - start >= sliceMs)
            break;
    }
    return done_;
}

bool DailyFinder::StartCandidate()
{
    const DailyLevel level = DailyLevelMaker(date_).Candidate(tried_, tempo_);
    if (!makeCheck_ || !WriteScratch(scratch_, level.text)) {
        problem_ = makeCheck_ ? "cannot write " + scratch_ : "there is no bot to check the level";
        done_ = true;
        return false;
    }
    check_ = makeCheck_(scratch_);
    if (!check_) {
        problem_ = "there is no bot to check the level";
        done_ = true;
        return false;
    }
    found_.name = level.name;
    found_.text = level.text;
    found_.candidate = tried_++;
    found_.tempo = tempo_;
    return true;
}

void DailyFinder::Judge()
{
    found_.figures = check_->Figures();
    found_.kept = dailyrules::Keeps(found_.figures);
    check_.reset();
    if (found_.kept || tried_ == DailyLevelMaker::kCandidates) {
        done_ = true;
        return;
    }
    const int step = dailyrules::TooHard(found_.figures) ? -1 : 1;
    tempo_ = std::clamp(tempo_ + step, DailyLevelMaker::kGentlest, DailyLevelMaker::kHarshest);
}
