#pragma once
// The constants that make one character differ from another: the robot kinds and the player's
// own numbers.
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

// The later kinds (characters/robots/), each beaten through the time loop, spawned outside the
// classic game only.
extern const EnemyKind kShieldKind;    // spawn type 6: armoured everywhere but its back
extern const EnemyKind kTwinKind;      // spawn type 7, two at once: a pair joined by a wire
extern const EnemyKind kPhantomKind;   // spawn type 8: the present's shots pass through it
extern const EnemyKind kHiveKind;      // spawn type 9: only a blast cracks it; it hatches...
extern const EnemyKind kHatchlingKind; // ...hatchlings, anew in every loop while it stands
extern const EnemyKind kSowerKind;     // spawn type 10: armoured; it lays...
extern const EnemyKind kMineKind;      // ...mines, which stay on the paper in later loops

// Every kind by a number of its own, for snapshots: its number, or -1 for none; the kind of a
// number, or null.
int32_t KindNumber(const EnemyKind* kind);
const EnemyKind* KindOfNumber(int32_t number);

constexpr float kPlayerBodyRadius = 15.0f;
constexpr float kPlayerHealth = 1.0f;
