#pragma once
// Bursts of short-lived sprites driven by particles: the spiralling arrival of a new player,
// sparks and chips when a bullet hits a robot, blood when a human dies, smoke, parts and sparks
// when a robot dies, and the ring of fire, smoke and sparks of an explosion. Effects change no
// game state; they only create sprites and particles and draw from the shared random generator.
#include "engine/vectormath.h"

class CPaperGrid;
class CSprite;
class CSpriteContainer;
class EnemyCharacter;
class ParticleSystem;
class PlayerCharacter;

// Where effects put what they make: the world's sprites, particles and paper grid (or none).
struct EffectContext {
    CSpriteContainer& sprites;
    ParticleSystem& particles;
    CPaperGrid* grid;
};

// The one-image sprites effects are made of.
CSprite* CreateSpiralSprite(CSpriteContainer& sprites);
CSprite* CreateRobotPartSprite(CSpriteContainer& sprites);
CSprite* CreateSmokeSprite(CSpriteContainer& sprites);
CSprite* CreateSparkSprite(CSpriteContainer& sprites);
CSprite* CreateBloodDropSprite(CSpriteContainer& sprites);

void SpawnArrivalEffect(EffectContext& effects, PlayerCharacter& character);
// At hit point h, with the bullet's velocity v, on the robot's sprite s facing f.
void SpawnHitSparks(EffectContext& effects, const vector2& h, const vector2& v, CSprite* s, float f);
void SpawnBloodBurst(EffectContext& effects, const PlayerCharacter& character);
void SpawnRobotDebris(EffectContext& effects, const EnemyCharacter& robot);
void SpawnExplosionEffect(EffectContext& effects, const vector2& p, float scale);
