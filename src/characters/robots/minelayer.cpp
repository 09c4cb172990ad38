// The sower and the mines it leaves on the paper.
#include "characters/robots/minelayer.h"

#include "audio/soundbank.h"
#include "characters/characterkinds.h"
#include "engine/render/sprite.h"
#include "utils/datafiles.h"

#include <algorithm>

namespace {

constexpr uint32_t kLayInterval = 1800; // ms between two mines while the sower is on the paper
constexpr uint32_t kMostMines = 10;     // a sower lays no more than this
constexpr uint32_t kArmingTime = 1500;  // ms from a later loop's start to its mines' arming
constexpr float kPaperMargin = 30.0f;   // mines are laid this far inside the paper's edges

bool OnPaper(const vector2& p)
{
    return p.x > kPaperMargin && p.x < kVirtualWidth - kPaperMargin && p.y > kPaperMargin &&
           p.y < kVirtualHeight - kPaperMargin;
}

} // namespace

ShotEffect SowerRobot::TakeShot(const PlayerCharacter*, const vector2&)
{
    PlaySound(datafiles::kArmourClankSound);
    return ShotEffect::kGlances;
}

// It lays only beyond the last moment it laid a mine in any loop (it kept that in broodClock): in
// a loop that goes as an earlier one went, the mines of that stretch are on the paper already.
const EnemyKind* SowerRobot::Offspring()
{
    const uint32_t last = std::max(broodClock, spawnTime);
    if (lastTime < last + kLayInterval || broodCount >= kMostMines || !OnPaper(Position()))
        return nullptr;
    broodClock = lastTime;
    ++broodCount;
    PlaySound(datafiles::kMineDropSound);
    return &kMineKind;
}

bool MineRobot::Armed() const { return FromAnEarlierLoop() && lastTime >= kArmingTime; }

ShotEffect MineRobot::TakeShot(const PlayerCharacter*, const vector2&)
{
    return Armed() ? ShotEffect::kHurts : ShotEffect::kPassesThrough;
}

void MineRobot::Reset()
{
    EnemyCharacter::Reset();
    spawnTime = 0;
}

void MineRobot::Animate(bool moving)
{
    EnemyCharacter::Animate(moving);
    KeepUpright();
    if (sprite)
        sprite->SetAlpha(Armed() ? 1.0f : 0.45f);
}
