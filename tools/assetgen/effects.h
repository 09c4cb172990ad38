#pragma once
// Bullets and the particle pictures: robot parts, smoke, sparks, blood drops, the arrival
// spiral and the empty picture. Pictures that face their velocity lie along +y.
#include "picture.h"

void AddEffectArt(PictureSet& pictures);
