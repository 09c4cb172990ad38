#pragma once
// The constant weapon descriptors. Every character points at one; bullets copy what they need.
#include <cstdint>
#include <string>

// Which shot a bullet is: it selects the bullet's push on the paper grid.
enum BulletKind : int32_t { kNoPush = 0, kBigBadShot = 1, kPlayerShot = 2 };

struct WeaponDesc {
    std::string image;    // bullet image file
    float speed;          // pixels per second
    float damage;         // health taken from the character hit
    int32_t fireInterval; // ms: the firing character shoots when its timer exceeds this
    float radius;         // bullet radius in hit tests
    BulletKind kind;
    std::string sound;    // effect played at each shot; empty for none
};

extern const WeaponDesc kPlayerWeapon;
extern const WeaponDesc kBigBadWeapon;

// Every weapon by a number of its own, so that a snapshot names a character's weapon by it: its
// number, or -1 for none; the weapon of a number, or null.
int32_t WeaponNumber(const WeaponDesc* weapon);
const WeaponDesc* WeaponOfNumber(int32_t number);
