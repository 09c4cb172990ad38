#include "characters/characterkinds.h"

#include <algorithm>
#include <iterator>

const EnemyKind kBigBadKind{0.5f, 45.0f, 50.0f, false, true, &kBigBadWeapon, false, 0.0f, false, false};
const EnemyKind kSmallHomingKind{2.5f, 22.0f, 5.0f, true, false, &kBigBadWeapon, true, 0.035f, true, true};
const EnemyKind kSmallMovingKind{2.5f, 22.0f, 5.0f, false, false, &kBigBadWeapon, false, 0.0f, true, true};

namespace {

const EnemyKind* const kKinds[] = {&kBigBadKind, &kSmallHomingKind, &kSmallMovingKind};

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
