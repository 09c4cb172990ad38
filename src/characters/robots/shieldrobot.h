#pragma once
// The shield bot (spawn type 6): a slow walker behind a curved shield. It turns to face what it
// hunts, walks at it and shoots at it; a shot from the front or either side glances off the
// shield, and only one from behind gets through. Robots hunt the first past self still standing,
// so in a later loop a past self is the bait that turns the shield bot's back to the present one.
#include "characters/enemycharacter.h"

class ShieldRobot : public EnemyCharacter {
public:
    using EnemyCharacter::EnemyCharacter;

    ShotEffect TakeShot(const PlayerCharacter* shooter, const vector2& velocity) override;
    // Whether a shot flying at velocity would come at it from behind, where the shield is open.
    bool FromBehind(const vector2& velocity) const;
};
