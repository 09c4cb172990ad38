#pragma once
// The play field's sheet of paper (without its ruled grid, which the game draws), the soft
// fold shadow laid over the whole field, and the one ruled line the grid is drawn with.
#include "picture.h"

#include <cairo.h>

#include <cstdint>

// Paints a sheet of off-white paper, with fibres, mottling and a red margin, over the surface.
void PaintPaper(const Surface& surface, uint64_t seed);
// Ruled lines as the game draws them: columns x rows crossings spread over the surface.
void RuleGrid(cairo_t* cr, int width, int height, int columns, int rows, double alpha);

void AddFieldArt(PictureSet& pictures);
