#pragma once
// The constants that make one character differ from another: the three robot kinds and the
// player's own numbers.
#include "characters/weapon.h"

struct EnemyKind {
    float speed;       // pixels per update step
    float radius;      // body radius
    float health;      // hit points at spawn and after a reset
    bool homing;       // the steering goal follows the target every step
    bool shoots;       // fires at its target through its weapon
    const WeaponDesc* weapon;
    bool turnsToFace;  // steers by turning its heading and faces its velocity
    float turnRate;    // largest heading change per step, radians
    bool smallDebris;  // its death uses the small debris recipe
    bool chainBlast;   // its death may become a delayed explosion
};

extern const EnemyKind kBigBadKind;      // spawn type 1
extern const EnemyKind kSmallHomingKind; // spawn type 2
extern const EnemyKind kSmallMovingKind; // spawn type 3

// Every kind by a number of its own, for snapshots: its number, or -1 for none; the kind of a
// number, or null.
int32_t KindNumber(const EnemyKind* kind);
const EnemyKind* KindOfNumber(int32_t number);

constexpr float kPlayerBodyRadius = 15.0f;
constexpr float kPlayerHealth = 1.0f;
