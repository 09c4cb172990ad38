#pragma once
// Deaths: a human's burst of blood, and a robot's smoke (some of it fire), parts and sparks.
#include "characters/effects/effectcontext.h"

class EnemyCharacter;
class PlayerCharacter;

// Drops thrown up from the body to fall round it, then a splash of drops flung outward.
void SpawnBloodBurst(EffectContext& effects, const PlayerCharacter& character);
// Rising smoke, parts thrown up to fall round the robot and sparks flung outward; a robot of a
// kind with small debris makes a quarter of the smoke (three quarters the size) and of the
// sparks, and three parts.
void SpawnRobotDebris(EffectContext& effects, const EnemyCharacter& robot);
