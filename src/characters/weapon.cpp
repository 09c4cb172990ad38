#include "characters/weapon.h"

#include "utils/datafiles.h"

const WeaponDesc kPlayerWeapon{datafiles::kHeroBullet, 950.0f, 1.0f, 100, 5.0f, kPlayerShot, ""};
const WeaponDesc kBigBadWeapon{datafiles::BigBadBullet(1), 250.0f, 1.0f, 1750, 5.0f, kBigBadShot, datafiles::kBigBadShotSound};
