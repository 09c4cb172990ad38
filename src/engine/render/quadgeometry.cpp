// Where a quad lands on the target: the texel-for-pixel and edge-to-edge tests behind the
// renderer's shortcuts.
#include "engine/render/quadgeometry.h"

#include <cmath>

namespace {

// How far off a texel's centre, in texels, a sample may fall and still read that texel alone:
// well below what an 8-bit linear filter weight can tell from zero.
constexpr float kTexelSlack = 1.0f / 1024.0f;

// Along one axis of an upright quad: whether the texel coordinates s0 and s1 at its two edges
// p0 and p1 (in target pixels) step one texel per pixel, forwards or backwards, with every pixel
// centre on a texel centre. Pixel centres lie on whole positions (the device's half-pixel
// shift puts them there) and texel centres half way between whole texel coordinates.
bool OneTexelPerPixel(float p0, float p1, float s0, float s1)
{
    const float span = p1 - p0;
    if (span == 0.0f || std::fabs(std::fabs(s1 - s0) - std::fabs(span)) > kTexelSlack)
        return false;
    const float step = (s1 - s0) / span > 0.0f ? 1.0f : -1.0f;
    const float offCentre = s0 - step * p0 - 0.5f;
    const float fraction = offCentre - std::floor(offCentre);
    return fraction < kTexelSlack || fraction > 1.0f - kTexelSlack;
}

// Clip space to target pixels, rows counted from the top as the texel rows are.
float Column(float x) { return (x + 1.0f) * (kTargetWidth * 0.5f); }
float Row(float y) { return (1.0f - y) * (kTargetHeight * 0.5f); }

bool Near(float a, float b) { return std::fabs(a - b) <= kTexelSlack; }

} // namespace

bool TexelForPixel(const QuadStrip& quad, int width, int height)
{
    const QuadVertex& bottomLeft = quad.v[0];
    const QuadVertex& topLeft = quad.v[1];
    const QuadVertex& bottomRight = quad.v[2];
    const QuadVertex& topRight = quad.v[3];
    const bool upright = bottomLeft.x == topLeft.x && bottomRight.x == topRight.x && bottomLeft.y == bottomRight.y &&
                         topLeft.y == topRight.y && bottomLeft.u == topLeft.u && bottomRight.u == topRight.u &&
                         bottomLeft.v == bottomRight.v && topLeft.v == topRight.v;
    return upright &&
           OneTexelPerPixel(Column(topLeft.x), Column(topRight.x), topLeft.u * width, topRight.u * width) &&
           OneTexelPerPixel(Row(topLeft.y), Row(bottomLeft.y), topLeft.v * height, bottomLeft.v * height);
}

bool LaysImageOverTarget(const QuadStrip& quad)
{
    const QuadVertex& topLeft = quad.v[1];
    const QuadVertex& bottomRight = quad.v[2];
    return Near(Column(topLeft.x), 0.0f) && Near(Row(topLeft.y), 0.0f) &&
           Near(Column(bottomRight.x), static_cast<float>(kTargetWidth)) &&
           Near(Row(bottomRight.y), static_cast<float>(kTargetHeight)) && Near(topLeft.u * kTargetWidth, 0.5f) &&
           Near(topLeft.v * kTargetHeight, 0.5f);
}

bool Untinted(const QuadStrip& quad)
{
    for (const QuadVertex& vertex : quad.v) {
        if (vertex.colour != 0xFFFFFFFFu)
            return false;
    }
    return true;
}
