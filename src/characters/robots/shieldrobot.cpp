// The shield bot: armour everywhere but its back.
#include "characters/robots/shieldrobot.h"

#include "audio/soundbank.h"
#include "utils/datafiles.h"

#include <cmath>

namespace {

// The open back: a shot flying within 80 degrees of the bot's own heading hits it from behind.
constexpr float kBackOpening = 0.174f; // cos 80 degrees

} // namespace

bool ShieldRobot::FromBehind(const vector2& velocity) const
{
    const vector2 heading(ToFloat(vel.x), ToFloat(vel.y));
    const float lengths = std::sqrt(LengthSquared(heading) * LengthSquared(velocity));
    return lengths > 0.0f && Dot(heading, velocity) > kBackOpening * lengths;
}

ShotEffect ShieldRobot::TakeShot(const PlayerCharacter*, const vector2& velocity)
{
    if (FromBehind(velocity))
        return ShotEffect::kHurts;
    PlaySound(datafiles::kArmourClankSound);
    return ShotEffect::kGlances;
}
