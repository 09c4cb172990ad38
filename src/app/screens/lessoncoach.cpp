#include "app/screens/lessoncoach.h"

#include "world/gameplay.h"
#include "world/worlddigest.h"

#include <algorithm>
#include <cmath>

namespace {

// A hero that moved further than this in one step was made anew (a new loop, a new field):
// that is no walk.
constexpr float kLongestStride = 40.0f;

} // namespace

int LessonCoach::FieldOf(Step step)
{
    switch (step) {
    case Step::kMove:
        return 1;
    case Step::kFire:
        return 2;
    default:
        return 3;
    }
}

void LessonCoach::Follow(Gameplay& gameplay)
{
    stepTime_ += Gameplay::kStepMs;
    if (beatLeft_ > 0) {
        beatLeft_ = beatLeft_ > Gameplay::kStepMs ? beatLeft_ - Gameplay::kStepMs : 0;
        if (beatLeft_ == 0)
            Begin(static_cast<Step>(static_cast<int>(step_) + 1));
        return;
    }
    if (step_ != Step::kDone && DeedDone(gameplay))
        beatLeft_ = kBeatMs;
}

void LessonCoach::Skip()
{
    if (step_ != Step::kDone)
        Begin(static_cast<Step>(static_cast<int>(step_) + 1));
}

void LessonCoach::Begin(Step step)
{
    step_ = step;
    beatLeft_ = 0;
    stepTime_ = 0;
}

bool LessonCoach::DeedDone(Gameplay& gameplay)
{
    switch (step_) {
    case Step::kMove:
        return Walked(gameplay);
    case Step::kFire:
        robotsShot_ = std::max(robotsShot_, static_cast<int>(DigestOf(gameplay).robotsDead));
        return robotsShot_ >= kRobotsToShoot;
    case Step::kLoop:
        return gameplay.Loop() > 1;
    case Step::kWatch:
        return stepTime_ >= kWatchMs;
    case Step::kChain:
        return gameplay.ChainExplosionsWaiting() > 0;
    case Step::kDone:
        break;
    }
    return false;
}

bool LessonCoach::Walked(Gameplay& gameplay)
{
    const bool hero = gameplay.HasLevel() && !gameplay.IsPlayerDead() && gameplay.GetPlayerPosition() != vector2();
    const vector2 at = gameplay.GetPlayerPosition();
    if (hero && heroSeen_) {
        const float stride = std::sqrt(LengthSquared(at - lastHero_));
        if (stride < kLongestStride)
            walked_ += stride;
    }
    heroSeen_ = hero;
    lastHero_ = at;
    return walked_ >= kWalk;
}
