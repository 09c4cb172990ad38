#pragma once
// Where a quad lands on the 1280 x 720 target, as the renderer's shortcuts need to know it:
// whether it lays its image's texels on the target's pixels one for one, whether it lays an
// image of the target's size over the whole target, and whether it is tinted at all.
#include "engine/render/renderbackend.h"

constexpr int kTargetWidth = 1280;
constexpr int kTargetHeight = 720;

// Whether the quad puts an image of width x height texels on the target texel for pixel:
// upright, neither scaled nor turned (a mirror image is fine), and on whole pixels.
bool TexelForPixel(const QuadStrip& quad, int width, int height);
// Whether a quad that is texel for pixel with an image of the target's size lays it over the
// target exactly as it is: from edge to edge, texel (0, 0) on pixel (0, 0), not mirrored.
bool LaysImageOverTarget(const QuadStrip& quad);
// Whether every vertex colour is opaque white.
bool Untinted(const QuadStrip& quad);
