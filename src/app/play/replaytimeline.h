#pragma once
// The moments of a replay, kept so that any moment can be reached at once. A player of its own
// plays the replay ahead of the picture, unheard and undrawn, in slices of the frames (FillAhead),
// keeping a snapshot of the game every second of game time and noting where each loop begins.
// Seek then puts a watched player at any moment of what has been played ahead: the nearest
// snapshot before it, then at most a second of steps.
//
// The snapshots keep to a memory budget: once it is reached the older half is thinned (every
// other snapshot goes), so an old moment may take two or four seconds of steps; memory refused
// for a snapshot means fewer snapshots, never a stop. A replay whose world parts from its checks
// ends where it parts.
#include "app/play/replayplayer.h"
#include "world/snapshotstore.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class ReplayTimeline {
public:
    static constexpr std::size_t kDefaultBudget = 64u << 20;
    static constexpr uint32_t kEveryMs = 1000; // game time between two snapshots

    // setup: how the replay is played (ReplayPlayer::Setup; its drawOver is not used).
    ReplayTimeline(const Replay& replay, kolm::CLevelList& levels, std::size_t budgetBytes = kDefaultBudget,
                   const ReplayPlayer::Setup& setup = ReplayPlayer::Setup());

    // Plays ahead for about sliceMs of wall time (at least one step); nothing once the whole
    // replay has been played ahead.
    void FillAhead(uint32_t sliceMs);
    bool Filled() const { return ahead_->Finished(); }
    // The game time the first pass has reached, and the replay's whole length (where it parts
    // from its recording, once the first pass has found that).
    uint32_t FilledTo() const { return ahead_->LevelTime(); }
    uint32_t Length() const;
    // The game time each loop begins at, as far as the first pass has gone: loop n at [n - 1].
    const std::vector<uint32_t>& LoopStarts() const { return loopStarts_; }
    // The loop being played at the game time.
    int LoopAt(uint32_t levelTime) const;

    // Puts the player (of the same replay) at the game time, or at the end for a time past it:
    // false, and the player as it was, for a moment the first pass has not reached yet.
    bool Seek(ReplayPlayer& player, uint32_t levelTime) const;

    std::size_t Snapshots() const { return moments_.size(); }
    // What the snapshots share: a moment taken of a player put at a moment by Seek is read back
    // with it.
    SnapshotStore& Store() { return store_; }
    // The memory the snapshots hold, with what they share.
    std::size_t Bytes() const { return momentBytes_ + store_.Bytes(); }

private:
    void Keep();
    bool Thin();

    std::size_t budget_;
    SnapshotStore store_;
    std::unique_ptr<ReplayPlayer> ahead_;
    std::vector<ReplayPlayer::Moment> moments_; // by game time, the first at the start
    std::size_t momentBytes_ = 0;
    std::vector<uint32_t> loopStarts_;
};
