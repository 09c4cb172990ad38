#pragma once
// The overlay's pictures: crosshair, time slider bar and knob, the health bar's frame and
// fill, the hand-lettered "press space", "paused" and "level cleared!" notes, and the words,
// digits and marks the level and loop label is set from. The notes and the label's words the
// game shows outside the classic game are drawn in every language.
#include "picture.h"
#include "translations.h"

#include <vector>

#include <cairo.h>

// A torn scrap of paper with a soft shadow, for a note pinned over the field.
void DrawPaperScrap(cairo_t* cr, double x0, double y0, double x1, double y1, double tilt, uint64_t seed);

void AddHudArt(PictureSet& pictures, const std::vector<PictureWords>& languages);
