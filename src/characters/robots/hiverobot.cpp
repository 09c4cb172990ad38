// The hive and its hatchlings.
#include "characters/robots/hiverobot.h"

#include "audio/soundbank.h"
#include "characters/characterkinds.h"
#include "engine/core/portablemath.h"
#include "utils/datafiles.h"

#include <cmath>

namespace {

// A hive hatches faster the longer it stands: the first hatchling kFirstHatch ms after it reaches
// its post, then one every kHatchInterval ms, each wait kQuickening ms shorter, down to kFastest.
constexpr uint32_t kFirstHatch = 1200;
constexpr uint32_t kHatchInterval = 2600;
constexpr uint32_t kQuickening = 200;
constexpr uint32_t kFastest = 700;
constexpr float kPostMargin = 130.0f;     // the post keeps this far from every edge of the paper
constexpr float kFanAngle = 2.3999631f;   // radians between two hatchlings' headings (the golden angle)

} // namespace

HiveRobot::HiveRobot(CharacterRegistry* registry) : EnemyCharacter(registry) { broodClock = kHatchInterval - kFirstHatch; }

uint32_t HiveRobot::NextWait() const
{
    const uint32_t quicker = kQuickening * broodCount;
    return quicker < kHatchInterval - kFastest ? kHatchInterval - quicker : kFastest;
}

vector2 HiveRobot::PostOf(const vector2& start, const vector2& target)
{
    const vector2 half = (start + target) * 0.5f;
    return vector2(Clamp(half.x, kPostMargin, kVirtualWidth - kPostMargin),
                   Clamp(half.y, kPostMargin, kVirtualHeight - kPostMargin));
}

bool HiveRobot::AtPost() const { return pos.x == ToFixed(goal.x) && pos.y == ToFixed(goal.y); }

ShotEffect HiveRobot::TakeShot(const PlayerCharacter*, const vector2&)
{
    PlaySound(datafiles::kArmourClankSound);
    return ShotEffect::kGlances;
}

void HiveRobot::Reset()
{
    EnemyCharacter::Reset();
    broodClock = kHatchInterval - kFirstHatch;
    broodCount = 0;
}

void HiveRobot::Update(uint32_t now)
{
    if (!AtPost()) {
        EnemyCharacter::Update(now);
        if (LengthSquared(goal - Position()) <= kind->speed * kind->speed) {
            pos.x = ToFixed(goal.x);
            pos.y = ToFixed(goal.y);
            vel = FixedPoint();
            Animate(false);
        }
        return;
    }
    if (dead)
        return;
    broodClock += now - lastTime;
    lastTime = now;
    Animate(false);
}

void HiveRobot::Animate(bool moving)
{
    EnemyCharacter::Animate(moving);
    KeepUpright();
}

const EnemyKind* HiveRobot::Offspring()
{
    const uint32_t wait = NextWait();
    if (!AtPost() || broodClock < wait)
        return nullptr;
    broodClock -= wait;
    ++broodCount;
    PlaySound(datafiles::kHiveHatchSound);
    return &kHatchlingKind;
}

void HatchlingRobot::Update(uint32_t now)
{
    if (!dead && vel.x == Fixed() && vel.y == Fixed()) {
        const float heading = std::fmod(static_cast<float>(spawnTime / 16) * kFanAngle, 6.2831853f);
        vel.x = ToFixed(kind->speed * kolm::Cos(heading));
        vel.y = ToFixed(kind->speed * kolm::Sin(heading));
    }
    EnemyCharacter::Update(now);
}
