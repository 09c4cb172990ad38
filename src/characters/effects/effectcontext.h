#pragma once
// What every effect is handed: where it puts what it makes and the generators it draws from.
//
// The effects are bursts of short-lived sprites driven by particles, one file a family: the
// spiralling arrival of a new player (arrivaleffect.h), the sparks and chips of a bullet's hit
// on a robot (hiteffect.h), a human's blood and a robot's smoke, parts and sparks when they die
// (deatheffects.h), the ring of fire, smoke and sparks of an explosion (explosioneffect.h), all
// made of the pieces of effectpieces.h. Effects change no game state; they only create sprites
// and particles and draw from the world's generators.
//
// The order and the count of those draws are a contract: every golden digest, recording and
// replay depends on them. A piece whose particle is refused (over the soft limit) still makes
// every draw it would have made, so that what follows draws the same numbers either way.

class CPaperGrid;
class CSpriteContainer;
class ParticleSystem;
class RandomGenerators;

// The world's sprites, particles and paper grid (or none), and its generators.
struct EffectContext {
    CSpriteContainer& sprites;
    ParticleSystem& particles;
    CPaperGrid* grid;
    RandomGenerators& random;
};
