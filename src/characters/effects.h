#pragma once
// Bursts of short-lived sprites driven by particles: the spiralling arrival of a new player,
// sparks and chips when a bullet hits a robot, blood when a human dies, smoke, parts and sparks
// when a robot dies, and the ring of fire, smoke and sparks of an explosion. Effects change no
// game state; they only create sprites and particles and draw from the world's generators.
//
// A piece whose particle is refused (over the soft limit) still makes every draw it would have
// made, so that what follows draws the same numbers either way.
#include "engine/core/vectormath.h"

class CPaperGrid;
class CSprite;
class CSpriteContainer;
class EnemyCharacter;
class ParticleSystem;
class PlayerCharacter;
class RandomGenerators;

// Where effects put what they make: the world's sprites, particles and paper grid (or none),
// and the generators they draw from.
struct EffectContext {
    CSpriteContainer& sprites;
    ParticleSystem& particles;
    CPaperGrid* grid;
    RandomGenerators& random;
};

// The one-image sprites effects are made of.
CSprite* CreateSpiralSprite(CSpriteContainer& sprites, RandomGenerators& random);
CSprite* CreateRobotPartSprite(CSpriteContainer& sprites, RandomGenerators& random);
CSprite* CreateSmokeSprite(CSpriteContainer& sprites, RandomGenerators& random);
CSprite* CreateSparkSprite(CSpriteContainer& sprites, RandomGenerators& random);
CSprite* CreateBloodDropSprite(CSpriteContainer& sprites, RandomGenerators& random);

void SpawnArrivalEffect(EffectContext& effects, PlayerCharacter& character);
// At hit point h, with the bullet's velocity v, on the robot's sprite s facing f.
void SpawnHitSparks(EffectContext& effects, const vector2& h, const vector2& v, CSprite* s, float f);
void SpawnBloodBurst(EffectContext& effects, const PlayerCharacter& character);
void SpawnRobotDebris(EffectContext& effects, const EnemyCharacter& robot);
void SpawnExplosionEffect(EffectContext& effects, const vector2& p, float scale);
