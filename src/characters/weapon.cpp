#include "characters/weapon.h"

#include "utils/datafiles.h"

#include <algorithm>
#include <iterator>

const WeaponDesc kPlayerWeapon{datafiles::kHeroBullet, 950.0f, 1.0f, 100, 5.0f, kPlayerShot, ""};
const WeaponDesc kBigBadWeapon{datafiles::BigBadBullet(1), 250.0f, 1.0f, 1750, 5.0f, kBigBadShot, datafiles::kBigBadShotSound};

namespace {

const WeaponDesc* const kWeapons[] = {&kPlayerWeapon, &kBigBadWeapon};

} // namespace

int32_t WeaponNumber(const WeaponDesc* weapon)
{
    const auto found = std::find(std::begin(kWeapons), std::end(kWeapons), weapon);
    return found == std::end(kWeapons) ? -1 : static_cast<int32_t>(found - std::begin(kWeapons));
}

const WeaponDesc* WeaponOfNumber(int32_t number)
{
    return number >= 0 && number < static_cast<int32_t>(std::size(kWeapons)) ? kWeapons[number] : nullptr;
}
