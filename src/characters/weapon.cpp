#include "characters/weapon.h"

#include "audio/soundbank.h"

const WeaponDesc kPlayerWeapon{"data/gfx/zarn_guy_bullet.png", 950.0f, 1.0f, 100, 5.0f, kPlayerShot, ""};
const WeaponDesc kBigBadWeapon{"data/gfx/big_bad_bullet_01.png", 250.0f, 1.0f, 1750, 5.0f, kBigBadShot, kBigBadShotSound};
