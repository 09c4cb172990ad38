#pragma once
// Robots made by their kind: the class that carries the kind's rules (a plain EnemyCharacter for
// the classic kinds, a class of characters/robots/ for each later one) and the body it is drawn
// with. The world spawns through these, and a snapshot makes its robots again through them.
#include "characters/enemycharacter.h"

#include <memory>

class CSprite;
class CSpriteContainer;
class CharacterRegistry;

// A robot of the kind (big_bad's for none), numbered in the registry; its kind set, nothing else.
std::unique_ptr<EnemyCharacter> MakeRobot(const EnemyKind* kind, CharacterRegistry* registry);
// The kind's body, created on top of the container.
CSprite* CreateRobotSprite(const EnemyKind& kind, CSpriteContainer& sprites);
