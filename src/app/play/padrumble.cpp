#include "app/play/padrumble.h"

#include "app/profile/settings.h"
#include "engine/platform/platform.h"

namespace {

constexpr float kDeathRumble = 1.0f;
constexpr uint32_t kDeathRumbleMs = 350;
constexpr float kBlastRumble = 0.5f;
constexpr uint32_t kBlastRumbleMs = 180;

} // namespace

void PadRumble::AfterStep(const Gameplay& gameplay, uint32_t, bool)
{
    const bool dead = gameplay.IsPlayerDead();
    const uint32_t blasts = gameplay.BigRobotBlasts();
    const bool rumbles = platform_ && strength_ > 0;
    if (rumbles && dead && !wasDead_)
        platform_->Rumble(kDeathRumble * RumbleStrength(strength_), kDeathRumbleMs);
    else if (rumbles && blasts > blastsSeen_)
        platform_->Rumble(kBlastRumble * RumbleStrength(strength_), kBlastRumbleMs);
    wasDead_ = dead;
    blastsSeen_ = blasts;
}
