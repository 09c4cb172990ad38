#include "app/play/replaytimeline.h"

#include "audio/soundoutput.h"
#include "engine/core/ticks.h"

#include <algorithm>
#include <new>

namespace {

uint32_t TimeOf(const ReplayPlayer::Moment& moment) { return moment.LevelTime(); }

} // namespace

ReplayTimeline::ReplayTimeline(const Replay& replay, kolm::CLevelList& levels, std::size_t budgetBytes,
                               const ReplayPlayer::Setup& setup)
    : budget_(budgetBytes), ahead_(std::make_unique<ReplayPlayer>(replay, levels, setup)), loopStarts_{0}
{
    Keep();
}

void ReplayTimeline::FillAhead(uint32_t sliceMs)
{
    const SoundOff unheard;
    const uint32_t start = kolm::GetTicks();
    do {
        if (Filled())
            return;
        const uint32_t second = FilledTo() / kEveryMs;
        ahead_->Step(false);
        while (static_cast<std::size_t>(ahead_->Loop()) > loopStarts_.size())
            loopStarts_.push_back(FilledTo());
        if (FilledTo() / kEveryMs != second)
            Keep();
    } while (kolm::GetTicks() - start < sliceMs);
}

uint32_t ReplayTimeline::Length() const { return Filled() ? FilledTo() : ahead_->Played().milliseconds; }

int ReplayTimeline::LoopAt(uint32_t levelTime) const
{
    return static_cast<int>(std::upper_bound(loopStarts_.begin(), loopStarts_.end(), levelTime) - loopStarts_.begin());
}

bool ReplayTimeline::Seek(ReplayPlayer& player, uint32_t levelTime) const
{
    levelTime = std::min(levelTime, Length());
    if (levelTime > FilledTo())
        return false;
    const auto after = std::upper_bound(moments_.begin(), moments_.end(), levelTime,
                                        [](uint32_t time, const ReplayPlayer::Moment& moment) { return time < TimeOf(moment); });
    if (after == moments_.begin() || !player.Restore(*std::prev(after), store_))
        return false;
    const SoundOff unheard;
    while (player.LevelTime() < levelTime && !player.Finished())
        player.Step(false);
    return true;
}

void ReplayTimeline::Keep()
{
    try {
        moments_.push_back(ahead_->Snapshot(store_));
        momentBytes_ += moments_.back().phase.Bytes();
    } catch (const std::bad_alloc&) {
        Thin(); // no room for this one: the next second tries again, with room made
        return;
    }
    while (Bytes() > budget_ && Thin()) {
    }
}

// Every other snapshot of the older half goes; the start and the newer half stay. False when too
// few are left to thin.
bool ReplayTimeline::Thin()
{
    const std::size_t older = moments_.size() / 2;
    if (older < 2)
        return false;
    std::vector<ReplayPlayer::Moment> kept;
    kept.reserve(moments_.size());
    for (std::size_t i = 0; i < moments_.size(); ++i) {
        if (i == 0 || i >= older || i % 2 == 0)
            kept.push_back(std::move(moments_[i]));
    }
    moments_ = std::move(kept);
    momentBytes_ = 0;
    for (const ReplayPlayer::Moment& moment : moments_)
        momentBytes_ += moment.phase.Bytes();
    return true;
}
