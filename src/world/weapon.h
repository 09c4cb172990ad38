#pragma once
// The constant weapon descriptors. Every character points at one; bullets copy what they need.
#include <cstdint>
#include <string>

struct WeaponDesc {
    std::string image;    // bullet image file
    float speed;          // pixels per second
    float damage;         // health taken from the character hit
    int32_t fireInterval; // ms: the firing character shoots when its timer exceeds this
    float radius;         // bullet radius in hit tests
    int32_t kind;         // 1 big_bad shot, 2 player shot: selects the paper-grid push
    std::string sound;    // effect played at each shot; empty for none
};

extern const WeaponDesc kPlayerWeapon;
extern const WeaponDesc kBigBadWeapon;
