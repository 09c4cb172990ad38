#pragma once
// A flying bullet, owned by the world. It moves every step, disturbs the paper, and dies when
// it leaves the field or hits something.
#include "characters/weapon.h"
#include "engine/core/vectormath.h"

#include <cstdint>

class CSprite;
class CSpriteContainer;
class PlayerCharacter;

struct Bullet {
    CSprite* sprite = nullptr;
    vector2 position;
    vector2 previousPosition; // before the last move; the hit test checks both ends
    vector2 velocity;         // pixels per second
    bool dead = false;
    float damage = 0.0f;
    uint32_t team = 0;
    PlayerCharacter* shooter = nullptr;
    BulletKind kind = kNoPush;

    template <typename Archive>
    void Keep(Archive& archive)
    {
        archive.Sprite(sprite);
        archive.Value(position);
        archive.Value(previousPosition);
        archive.Value(velocity);
        archive.Value(dead);
        archive.Value(damage);
        archive.Value(team);
        archive.Character(shooter);
        archive.Value(kind);
    }
};

// The bullet's sprite; a big_bad shot pulses through three frames.
CSprite* CreateBulletSprite(CSpriteContainer& sprites, const WeaponDesc& weapon);
// Moves the bullet by dt milliseconds, turns and places its sprite, and marks it dead once it
// is more than 5 pixels beyond any edge.
void MoveBullet(Bullet& bullet, uint32_t dt);
