#pragma once
// The later robots that bring more robots onto the paper, top-down like the rest: the hive (a
// round shell of pencilled cells round an iris that opens to let a hatchling out), the hatchling
// (a small winged grub), the sower (a beetle of steel with a hopper of mines on its back) and the
// mine (a spiked disc whose light blinks). phase in [0, 1): how far the frame's motion has gone.
#include "picture.h"

#include <cairo.h>

void DrawHive(cairo_t* cr, double phase);
void DrawHatchling(cairo_t* cr, double phase);
void DrawSower(cairo_t* cr, double phase);
void DrawMine(cairo_t* cr, double phase);

void AddBroodRobotArt(PictureSet& pictures);
