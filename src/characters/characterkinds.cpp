#include "characters/characterkinds.h"

const EnemyKind kBigBadKind{0.5f, 45.0f, 50.0f, false, true, &kBigBadWeapon, false, 0.0f, false, false};
const EnemyKind kSmallHomingKind{2.5f, 22.0f, 5.0f, true, false, &kBigBadWeapon, true, 0.035f, true, true};
const EnemyKind kSmallMovingKind{2.5f, 22.0f, 5.0f, false, false, &kBigBadWeapon, false, 0.0f, true, true};
