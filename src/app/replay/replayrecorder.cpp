#include "app/replay/replayrecorder.h"

#include "app/replay/scriptevents.h"
#include "world/worlddigest.h"

void ReplayRecorder::NoteLevel(const Gameplay& gameplay, uint32_t phaseTime, const JoystickMapping::State& sticks)
{
    if (gameplay.LevelsLoaded() == level_)
        return;
    level_ = gameplay.LevelsLoaded();
    const int position = levels_.Current();
    recording_ = gameplay.HasLevel() && position >= 1 && position < levels_.Count() &&
                 levels_.FileNameAt(position) == gameplay.LevelFile();
    if (!recording_)
        return;
    replay_ = Replay();
    replay_.game = TOBRAKKA_VERSION_MAJOR;
    replay_.position = position;
    replay_.levelFile = gameplay.LevelFile();
    replay_.levelHash = LevelFileHash(gameplay.LevelFile());
    replay_.minimalState = gameplay.RandomAtLevelLoad().RandomState();
    replay_.runtimeState = gameplay.RandomAtLevelLoad().RuntimeRandomState();
    replay_.pad = sticks;
    levelStart_ = phaseTime;
    nextCheck_ = kReplayCheckEvery;
}

void ReplayRecorder::Heard(uint32_t phaseTime, const GameEvent& event)
{
    // Only what a replay can say: the game does nothing with the rest.
    if (recording_ && !FormatScriptEvent(0, event).empty())
        replay_.events.push_back({phaseTime - levelStart_, event});
}

void ReplayRecorder::AfterStep(const Gameplay& gameplay, uint32_t phaseTime, bool slowed)
{
    if (!recording_ || gameplay.LevelsLoaded() != level_)
        return;
    replay_.assisted = replay_.assisted || slowed;
    const uint32_t levelTime = phaseTime + Gameplay::kStepMs - levelStart_;
    if (gameplay.IsLevelCleared()) {
        Finish(gameplay, levelTime);
        return;
    }
    if (levelTime < nextCheck_)
        return;
    replay_.checks.push_back({levelTime, DigestOf(gameplay).hash});
    while (nextCheck_ <= levelTime)
        nextCheck_ += kReplayCheckEvery;
}

void ReplayRecorder::Finish(const Gameplay& gameplay, uint32_t levelTime)
{
    recording_ = false;
    replay_.checks.push_back({levelTime, DigestOf(gameplay).hash});
    replay_.loops = gameplay.Loop();
    replay_.milliseconds = levelTime;
    replay_.date = ReplayDateNow();
    last_ = replay_;
    finished_ = true;
    shelf_.Save(last_);
}
