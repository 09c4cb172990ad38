#pragma once
// A bullet's hit on a robot: yellow sparks thrown back against the bullet and, now and then, a
// chip or two of the robot thrown up to fall back down.
#include "characters/effects/effectcontext.h"
#include "engine/core/vectormath.h"

class CSprite;

// At hitPoint, with the bullet's velocity, on the robot's sprite (chips are thrown only with a
// sprite) facing the angle facing.
void SpawnHitSparks(EffectContext& effects, const vector2& hitPoint, const vector2& bulletVelocity,
                    CSprite* robotSprite, float facing);
