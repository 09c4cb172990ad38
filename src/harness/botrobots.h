#pragma once
// What the bot knows of the later robot kinds (characters/robots/), so that it plays them as a
// person who has learnt their rules would: it shoots only what it can hurt from where it stands
// (a shield bot from behind, a mine with a robot in its reach, never the armour of a hive or a
// sower), takes the twin whose partner a past self has just hit, keeps off the twins' wire and
// walks round behind a shield bot that hunts a past self. Nothing here draws a random number, and
// every classic robot counts exactly as it always has.
#include "engine/core/vectormath.h"
#include "world/world.h"

// How much the bot wants the robot as its target, seen from p: 0 for a robot it cannot hurt
// from there, otherwise a factor on its distance (below 1: wanted more); 1 for a classic robot.
float TargetWeight(const Gameplay::CQuenlowZarnImpl& world, const EnemyCharacter& robot, const vector2& p);
// Pushes away from every twins' wire within reach (comfort: the distance kept, pixels; lookAhead:
// steps ahead of the wire where it is expected).
vector2 AwayFromWires(const Gameplay::CQuenlowZarnImpl& world, float comfort, float lookAhead, const vector2& p);
// Pushes away from robots it cannot hurt now that hunt it or stand in its way (a shield bot facing
// it, a sower, a phantom, a hive), farther than from other robots and all the way out (comfort
// and lookAhead as for any robot).
vector2 AwayFromHunters(const Gameplay::CQuenlowZarnImpl& world, float comfort, float lookAhead, const vector2& p);
// Draws toward the back of the nearest shield bot that hunts someone else.
vector2 TowardShieldBacks(const Gameplay::CQuenlowZarnImpl& world, const vector2& p);
// The way the bot wants to go (desire), turned off any mine (armed, or to arm in this loop) that
// the next stride (pixels) of it would cross; nothing when every turn crosses one.
vector2 SteerClearOfMines(const Gameplay::CQuenlowZarnImpl& world, const vector2& p, const vector2& desire, float stride);
// The distance the bot keeps from a robot's body: comfort, or less from a mine, which never moves.
float ComfortFrom(const EnemyCharacter& robot, float comfort);
