#pragma once
// The hive (spawn type 9) and its hatchlings. The hive walks in to a post on the paper and stands
// there, hatching a small robot every few seconds for as long as it stands, each a little sooner
// than the last. Shots glance off its
// shell; only a blast cracks it (three blasts break it), and a blast needs a small robot hit by
// two selves: a hatchling blown up by a past self and the present one as it leaves the hive.
// Hatchlings belong to the loop they hatched in: each loop the hive hatches them anew, and a hive
// broken early hatches no more.
#include "characters/enemycharacter.h"

class HiveRobot : public EnemyCharacter {
public:
    explicit HiveRobot(CharacterRegistry* registry = nullptr);

    // Where a hive that crosses from start toward target takes its post: half way, well inside
    // the paper.
    static vector2 PostOf(const vector2& start, const vector2& target);
    bool AtPost() const;

    ShotEffect TakeShot(const PlayerCharacter* shooter, const vector2& velocity) override;
    void Reset() override;
    void Update(uint32_t now) override;
    // Upright, its shell breathing whether it walks or stands.
    void Animate(bool moving) override;
    const EnemyKind* Offspring() override;

private:
    // ms from one hatchling to the next.
    uint32_t NextWait() const;
};

class HatchlingRobot : public EnemyCharacter {
public:
    using EnemyCharacter::EnemyCharacter;

    bool OfOneLoop() const override { return true; }
    // Leaves the hive along a heading of its own (one hatchling after another fans out round the
    // hive), then turns after what it hunts.
    void Update(uint32_t now) override;
};
