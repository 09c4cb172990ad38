#pragma once
// An explosion: the paper pushed away from it, a ring of fire flung outward, a cloud of smoke
// (some of it fire) rising, and sparks thrown up to fall back round it.
#include "characters/effects/effectcontext.h"
#include "engine/core/vectormath.h"

// At centre, sized by scale (1 for a robot's explosion): the counts, speeds and sizes of its
// pieces grow with it.
void SpawnExplosionEffect(EffectContext& effects, const vector2& centre, float scale);
