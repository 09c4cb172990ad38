#pragma once
// A robot. It steers toward its goal (turning kinds by a limited heading change per step),
// chases or shoots at its target, records its target changes and its death in the loop that
// spawned it, and replays them in later loops until it outlives its recording.
//
// The later kinds (characters/robots/) are robots of their own class that answer the world's
// questions below in their own way: how a shot or a blast finds them, what touching them does,
// what they bring into the world and whether they outlast a loop.
#include "characters/characterref.h"
#include "characters/playercharacter.h"

struct EnemyKind;

// What a shot does to a robot: it hurts, glances off armour, passes through unfelt, or (on one of
// a pair of twins) counts toward the pair's double hit without hurting.
enum class ShotEffect { kHurts, kGlances, kPassesThrough, kCountsForPair };

class EnemyCharacter : public PlayerCharacter {
public:
    explicit EnemyCharacter(CharacterRegistry* registry = nullptr);

    int GetClassId() const override;
    void Reset() override;
    void ApplyEvent(const InputEvent& event) override;
    void Update(uint32_t now) override;
    void Animate(bool moving) override;
    void ReplayDue() override;
    float GetBodyRadius() const override;

    void SetTarget(PlayerCharacter* character);
    bool MayRetarget() const;
    void ChangeTarget(PlayerCharacter* character);
    // Whether the robot has entered the level in this loop (its spawn time has passed).
    bool IsActive() const { return spawnTime < lastTime; }

    // How the robot takes a shot of shooter's flying at velocity (pixels per second); it may
    // make its own sound. A classic robot is hurt.
    virtual ShotEffect TakeShot(const PlayerCharacter* shooter, const vector2& velocity);
    // Whether a blast hurts it.
    virtual bool FeelsBlasts() const { return true; }
    // Whether its death is always a delayed explosion, however it came.
    virtual bool BlastsWhenKilled() const { return false; }
    // The sound of its death when it does not blow up.
    virtual const char* DeathSound() const;
    // Whether a human touching it is hurt, and whether the touch sets it off as well.
    virtual bool HurtsAtTouch() const { return true; }
    virtual bool GoesOffAtTouch() const { return false; }
    // A wire it holds from its body to another point, which hurts a human who touches it.
    virtual bool Wire(vector2& from, vector2& to) const;
    // The kind of a robot it brings into the world in this step, or null: asked once a step while
    // it is active and alive.
    virtual const EnemyKind* Offspring() { return nullptr; }
    // Whether it belongs to the loop it came in only: it goes when the loop starts again.
    virtual bool OfOneLoop() const { return false; }

    template <typename Archive>
    void Keep(Archive& archive, ParticleSystem& particles)
    {
        PlayerCharacter::Keep(archive, particles);
        archive.Kind(kind);
        archive.Character(target);
        archive.Value(goal);
        archive.Value(spawnTime);
        archive.Value(recordedUntil);
        archive.Value(partner);
        archive.Sprite(link);
        archive.Value(broodClock);
        archive.Value(broodCount);
    }

    const EnemyKind* kind;
    PlayerCharacter* target = nullptr;
    vector2 goal;
    uint32_t spawnTime = 0;
    uint32_t recordedUntil = 0;
    // What the later kinds keep of their own: a twin's partner and the wire between them, how
    // long a hive or a sower has gone since it last brought a robot into the world (ms) and how
    // many it has brought in this loop.
    CharacterRef partner;
    CSprite* link = nullptr;
    uint32_t broodClock = 0;
    uint32_t broodCount = 0;

protected:
    // For a robot that never turns (a hive, a mine): its body upright, its frames running whether
    // it moves or not.
    void KeepUpright();

private:
    // The direction of the velocity as an angle, computed in fixed point.
    float VelocityAngle() const;
    void TurnTowardGoal(const vector2& toGoal);
    void HeadStraightForGoal(const vector2& toGoal);
};
