#pragma once
// The sower (spawn type 10) and its mines. The sower hunts in armour that every shot glances
// off, laying a trail of mines behind it (ten at most): in the loop it came in, and in a later
// loop beyond the furthest it went before. A mine is a dud in the loop it was laid in, but it
// stays on the paper: in every later loop it lies where it was
// laid from the loop's first moment, and a second and a half into the loop it arms, while the sower, hunting
// a past self along the way it went before, crawls over its trail again. An armed mine is set off
// by a shot, by a blast, or by a human who steps on it, and it blows up in a blast that breaks
// robots near it: the one thing that breaks the sower.
#include "characters/enemycharacter.h"

class SowerRobot : public EnemyCharacter {
public:
    using EnemyCharacter::EnemyCharacter;

    ShotEffect TakeShot(const PlayerCharacter* shooter, const vector2& velocity) override;
    const EnemyKind* Offspring() override;
};

class MineRobot : public EnemyCharacter {
public:
    using EnemyCharacter::EnemyCharacter;

    // Whether it was laid in an earlier loop (it lies on the paper from this loop's start).
    bool FromAnEarlierLoop() const { return spawnTime == 0; }
    // Whether it lies armed: laid in an earlier loop, a second and a half into this one.
    bool Armed() const;

    // A dud lets shots through and blasts pass over it.
    ShotEffect TakeShot(const PlayerCharacter* shooter, const vector2& velocity) override;
    bool FeelsBlasts() const override { return Armed(); }
    bool BlastsWhenKilled() const override { return true; }
    bool HurtsAtTouch() const override { return Armed(); }
    bool GoesOffAtTouch() const override { return Armed(); }
    // Back whole where it was laid, there from the new loop's start (its spawn time 0 from now on).
    void Reset() override;
    // Upright; faint until it arms, then its light blinks.
    void Animate(bool moving) override;
};
