// The phantom: only the past can hurt it.
#include "characters/robots/phantomrobot.h"

#include "utils/datafiles.h"

ShotEffect PhantomRobot::TakeShot(const PlayerCharacter* shooter, const vector2&)
{
    return shooter && shooter->live ? ShotEffect::kPassesThrough : ShotEffect::kHurts;
}

const char* PhantomRobot::DeathSound() const { return datafiles::kPhantomFadeSound; }
