#pragma once
// The arrival of a new player: the paper pulled towards the point, the body spinning in from a
// small purple speck, five large spirals flashing round it and a fountain of small spirals.
#include "characters/effects/effectcontext.h"

class PlayerCharacter;

void SpawnArrivalEffect(EffectContext& effects, PlayerCharacter& character);
