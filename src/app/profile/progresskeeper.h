#pragma once
// The keeper of the player's progress during play: it follows the game step by step, notes each
// clear of a level of the list with its loops and game time, and saves it to the progress file at
// once (app/profile/progressfile.h). The game's own list keeps its records by position; any other
// list (a pack, the player's own levels) by each level's hash.
#include "app/profile/progressfile.h"
#include "utils/levellist/clevellist.h"
#include "world/stepobserver.h"

#include <cstdint>
#include <functional>

// Looks at the game after every step, notes each clear of a level of the list with its loops and
// game time, and saves it at once. Tools that are not the player (the bot) get no keeper.
class ProgressKeeper : public StepObserver {
public:
    // The hash of the level at a list position; given for a list that is not the game's own.
    using HashOf = std::function<uint64_t(int position)>;

    // Reads the file, keeping the records of the level list's positions; notes the clears of
    // the list's levels, by position, or by hash when hashOf is given.
    ProgressKeeper(const ProgressFile& file, const kolm::CLevelList& levels, HashOf hashOf = nullptr);

    // After every step; phaseTime is the frame loop's game time at the start of that step, which
    // stands still while the game is paused; slowed: the step was played below full speed, which
    // marks the level's clear as assisted.
    void AfterStep(const Gameplay& gameplay, uint32_t phaseTime, bool slowed = false) override;

    // The clear of the level being played, once it is cleared; nullptr before that, from the
    // start of the next level on, and for a level that is not on the list.
    const ClearReport* LastClear() const { return hasClear_ ? &clear_ : nullptr; }
    // Progress and records as known now: the file's, this run's clears, and whatever another
    // game running at the same time has saved by this run's last save.
    const Progress& Known() const { return known_; }
    // The last save of this run failed (the note on screen says so until one succeeds).
    bool SaveFailed() const { return saveFailed_; }

private:
    void NoteClear(int position, const LevelRecord& clear);

    ProgressFile file_;
    const kolm::CLevelList& levels_;
    HashOf hashOf_;
    Progress known_;
    uint32_t level_ = 0;         // the facade's count of levels loaded when this one began
    uint32_t levelStart_ = 0;    // the phase time at its start
    bool levelCleared_ = false;  // its clear has been noted
    bool levelSlowed_ = false;   // a step of it was played below full speed
    bool hasClear_ = false;
    bool saveFailed_ = false;
    ClearReport clear_;
};
