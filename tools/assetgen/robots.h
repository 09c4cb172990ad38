#pragma once
// The three robots, top-down and facing +x around the body's centre: big_bad (a heavy walker
// with a cannon whose muzzle sits at (66, 7)), small_homing (a hornet drone with a spinning
// rotor) and small_moving (a tread bot).
#include "picture.h"

#include <cairo.h>

// stride: +1 left foot forward, 0 passing, -1 right foot forward.
void DrawBigBad(cairo_t* cr, double stride, int puff);
void DrawHornet(cairo_t* cr, double rotorAngle);
// phase in [0, 1): how far the tread cleats have rolled.
void DrawTreadBot(cairo_t* cr, double phase);

void AddRobotArt(PictureSet& pictures);
