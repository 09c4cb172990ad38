#pragma once
// The overlay's pictures: crosshair, time slider bar and knob, the health bar's frame and
// fill, and the hand-lettered "press space" and "level cleared!" notes.
#include "picture.h"

#include <cairo.h>

// A torn scrap of paper with a soft shadow, for a note pinned over the field.
void DrawPaperScrap(cairo_t* cr, double x0, double y0, double x1, double y1, double tilt, uint64_t seed);

void AddHudArt(PictureSet& pictures);
