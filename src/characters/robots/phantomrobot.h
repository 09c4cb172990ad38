#pragma once
// The phantom (spawn type 8): a robot a step out of time. It drifts after what it hunts, and the
// shots of the present self pass through it as through smoke; the shots of a past self, which
// were fired in a loop gone by, hit it. So a shot at it now lands in the next loop.
#include "characters/enemycharacter.h"

class PhantomRobot : public EnemyCharacter {
public:
    using EnemyCharacter::EnemyCharacter;

    ShotEffect TakeShot(const PlayerCharacter* shooter, const vector2& velocity) override;
    const char* DeathSound() const override;
};
