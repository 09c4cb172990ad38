#include "characters/characterkinds.h"

#include <algorithm>
#include <iterator>

const EnemyKind kBigBadKind{0.5f, 45.0f, 50.0f, false, true, &kBigBadWeapon, false, 0.0f, false, false};
const EnemyKind kSmallHomingKind{2.5f, 22.0f, 5.0f, true, false, &kBigBadWeapon, true, 0.035f, true, true};
const EnemyKind kSmallMovingKind{2.5f, 22.0f, 5.0f, false, false, &kBigBadWeapon, false, 0.0f, true, true};

const EnemyKind kShieldKind{1.4f, 28.0f, 3.0f, true, false, &kBigBadWeapon, true, 0.05f, false, false};
const EnemyKind kTwinKind{1.2f, 20.0f, 1.0f, false, false, &kBigBadWeapon, false, 0.0f, true, false};
const EnemyKind kPhantomKind{1.5f, 22.0f, 3.0f, true, false, &kBigBadWeapon, true, 0.04f, true, true};
const EnemyKind kHiveKind{1.5f, 44.0f, 150.0f, false, false, &kBigBadWeapon, false, 0.0f, false, false};
const EnemyKind kHatchlingKind{2.2f, 18.0f, 3.0f, true, false, &kBigBadWeapon, true, 0.045f, true, true};
const EnemyKind kSowerKind{1.1f, 26.0f, 20.0f, true, false, &kBigBadWeapon, true, 0.04f, false, false};
const EnemyKind kMineKind{0.0f, 15.0f, 1.0f, false, false, &kBigBadWeapon, false, 0.0f, true, false};

namespace {

const EnemyKind* const kKinds[] = {&kBigBadKind, &kSmallHomingKind, &kSmallMovingKind, &kShieldKind, &kTwinKind,
                                   &kPhantomKind, &kHiveKind,       &kHatchlingKind,   &kSowerKind,  &kMineKind};

} // namespace

int32_t KindNumber(const EnemyKind* kind)
{
    const auto found = std::find(std::begin(kKinds), std::end(kKinds), kind);
    return found == std::end(kKinds) ? -1 : static_cast<int32_t>(found - std::begin(kKinds));
}

const EnemyKind* KindOfNumber(int32_t number)
{
    return number >= 0 && number < static_cast<int32_t>(std::size(kKinds)) ? kKinds[number] : nullptr;
}
