#pragma once
// A robot. It steers toward its goal (turning kinds by a limited heading change per step),
// chases or shoots at its target, records its target changes and its death in the loop that
// spawned it, and replays them in later loops until it outlives its recording.
#include "characters/playercharacter.h"

struct EnemyKind;

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

    template <typename Archive>
    void Keep(Archive& archive, ParticleSystem& particles)
    {
        PlayerCharacter::Keep(archive, particles);
        archive.Kind(kind);
        archive.Character(target);
        archive.Value(goal);
        archive.Value(spawnTime);
        archive.Value(recordedUntil);
    }

    const EnemyKind* kind;
    PlayerCharacter* target = nullptr;
    vector2 goal;
    uint32_t spawnTime = 0;
    uint32_t recordedUntil = 0;

private:
    // The direction of the velocity as an angle, computed in fixed point.
    float VelocityAngle() const;
    void TurnTowardGoal(const vector2& toGoal);
    void HeadStraightForGoal(const vector2& toGoal);
};
