#include "app/profile/progresskeeper.h"

#include "app/profile/levelpar.h"

#include <algorithm>
#include <utility>

ProgressKeeper::ProgressKeeper(const ProgressFile& file, const kolm::CLevelList& levels, HashOf hashOf)
    : file_(file), levels_(levels), hashOf_(std::move(hashOf)),
      known_(file.Load(hashOf_ ? ProgressFile::kLastPosition : std::max(0, levels.Count() - 1)))
{
}

void ProgressKeeper::AfterStep(const Gameplay& gameplay, uint32_t phaseTime, bool slowed)
{
    if (gameplay.LevelsLoaded() != level_) {
        level_ = gameplay.LevelsLoaded();
        levelStart_ = phaseTime;
        levelCleared_ = false;
        levelSlowed_ = false;
        hasClear_ = false;
    }
    levelSlowed_ = levelSlowed_ || slowed;
    if (!gameplay.HasLevel() || levelCleared_ || !gameplay.IsLevelCleared())
        return;
    levelCleared_ = true;
    // The empty level played after the end of the list is cleared too, but is no level.
    const int position = levels_.Current();
    if (position < 1 || position >= levels_.Count())
        return;
    LevelRecord clear;
    clear.loops = gameplay.Loop();
    clear.milliseconds = phaseTime + Gameplay::kStepMs - levelStart_; // the clearing step included
    clear.loopsAssisted = clear.timeAssisted = levelSlowed_;
    NoteClear(position, clear);
}

void ProgressKeeper::NoteClear(int position, const LevelRecord& clear)
{
    clear_.position = position;
    clear_.loops = clear.loops;
    clear_.milliseconds = clear.milliseconds;
    clear_.assisted = clear.loopsAssisted;
    const uint64_t hash = hashOf_ ? hashOf_(position) : 0;
    const auto recordNow = [&]() { return hashOf_ ? known_.RecordOfHash(hash) : known_.RecordOf(position); };
    clear_.before = recordNow();
    Progress update;
    if (hashOf_) {
        update.byHash[hash] = clear;
    } else {
        update.cleared = position;
        update.records[position] = clear;
    }
    const Progress previous = known_;
    known_.Merge(update);
    if (!(known_ == previous))
        saveFailed_ = !file_.Save(known_);
    clear_.best = recordNow();
    clear_.name = NameOf(levels_.EntryAt(position));
    clear_.par = ParOf(levels_.EntryAt(position));
    hasClear_ = true;
}
