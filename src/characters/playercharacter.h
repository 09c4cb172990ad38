#pragma once
// The hero and every replay of the hero's earlier attempts ("old guys"). A character applies
// timed input events (keys, aim, death), records them while it is the live player, and plays
// them back in later loops of the level. Positions and velocities are 16.16 fixed point.
#include "audio/loopingsound.h"
#include "characters/fixedpoint.h"
#include "characters/healthbar.h"
#include "characters/inputevent.h"
#include "engine/core/vectormath.h"

#include <cstdint>
#include <memory>
#include <vector>

class CBulletFireInterface;
class CSprite;
struct WeaponDesc;

enum Team : uint32_t { kTeamHumans = 1, kTeamRobots = 2 };

// What GetClassId answers: a hero or old guy, or a robot.
constexpr int kPlayerClassId = 1;
constexpr int kEnemyClassId = 2;

class PlayerCharacter {
public:
    // Numbered in its world's registry (none: the character has no handle).
    explicit PlayerCharacter(CharacterRegistry* registry = nullptr);
    PlayerCharacter(const PlayerCharacter&) = delete;
    PlayerCharacter& operator=(const PlayerCharacter&) = delete;

    virtual ~PlayerCharacter();
    virtual int GetClassId() const;
    virtual void Reset();
    virtual void ApplyEvent(const InputEvent& event);
    virtual void Update(uint32_t now);
    virtual void Animate(bool moving);
    virtual void ReplayDue();
    virtual float GetBodyRadius() const;
    virtual float GetBulletRadius() const;
    virtual vector2 GetMuzzlePoint() const;

    void SetStart(const vector2& position, CSprite* body);
    void SetFacing(float angle);
    vector2 Position() const { return vector2(ToFloat(pos.x), ToFloat(pos.y)); }
    bool KeyHeld(uint32_t control) const { return (keys >> control) & 1u; }
    // Destroys the health bar, if any, taking its sprites away from the particles first.
    void DestroyHealthBar();
    // Everything the character is, for a snapshot; its sprite, weapon and recording by the
    // archive's handles. The fire loop's sound is not kept: it plays again at the next step
    // that fires. particles: where a health bar read back fades.
    template <typename Archive>
    void Keep(Archive& archive, ParticleSystem& particles)
    {
        archive.Value(startPos);
        archive.Value(pos);
        archive.Value(aim);
        archive.Value(vel);
        archive.Value(facing);
        archive.Sprite(sprite);
        archive.Value(live);
        archive.Value(keys);
        archive.Value(lastTime);
        archive.Value(dead);
        archive.Value(fireTimer);
        archive.Value(health);
        archive.Value(maxHealth);
        archive.Recording(id_, recording);
        archive.Value(replayCursor);
        archive.Value(team);
        archive.Weapon(weapon);
        archive.Value(replaying_);
        archive.Value(id_);
        KeepHealthBar(archive, particles);
    }
    uint32_t Id() const { return id_; }
    // The character a handle names in this character's world, while it is there.
    PlayerCharacter* Find(CharacterRef ref) const { return registry_ ? registry_->Find(ref) : nullptr; }

    LoopingSound fireSound;
    FixedPoint startPos;
    FixedPoint pos;
    vector2 aim;
    FixedPoint vel;
    float facing = 0.0f;
    CSprite* sprite = nullptr;
    bool live = false;
    uint32_t keys = 0;
    uint32_t lastTime = 0;
    bool dead = false;
    int32_t fireTimer = 0;
    float health;
    float maxHealth;
    CBulletFireInterface* fireInterface = nullptr;
    std::vector<InputEvent> recording;
    uint32_t replayCursor = 0;
    uint32_t team = kTeamHumans;
    const WeaponDesc* weapon;
    std::unique_ptr<HealthBar> healthBar;

protected:
    // Appends to the recording unless the event is being replayed from it.
    void Record(const InputEvent& event);
    void ApplyControl(const InputEvent& event);
    // Advances the fire timer and shoots when it passes the weapon's interval.
    void AdvanceFireTimer(uint32_t dt);
    bool replaying_ = false;

private:
    template <typename Archive>
    void KeepHealthBar(Archive& archive, ParticleSystem& particles);

    CharacterRegistry* registry_;
    bool SteerAxis(Fixed& velocity, bool negativeHeld, bool positiveHeld);
    void LimitSpeed();
    void ClampToField();
    void PlaceHealthBar();

    uint32_t id_;
};

template <typename Archive>
void PlayerCharacter::KeepHealthBar(Archive& archive, ParticleSystem& particles)
{
    bool hasBar = healthBar != nullptr;
    archive.Value(hasBar);
    if constexpr (Archive::kReading) {
        if (hasBar)
            healthBar = std::make_unique<HealthBar>(particles);
    }
    if (hasBar && healthBar)
        healthBar->Keep(archive);
}
