#pragma once
// Quads laid on the 1280 x 720 target as the sprites lay them, for the renderer's display-free
// tests: texel centres on whole pixels, so that an image shown at its own size on whole pixels
// lands texel for pixel.
#include "engine/render/renderbackend.h"

#include <utility>

namespace quadstrips {

// Target pixels to clip space, as the render device turns virtual units into it.
inline float ClipX(float x) { return x / 1280.0f * 2.0f - 1.0f; }
inline float ClipY(float y) { return 1.0f - y / 720.0f * 2.0f; }

// The whole of an image of imageWidth x imageHeight texels over the pixels from (left, top),
// width x height of them.
inline QuadStrip Showing(float left, float top, float width, float height, int imageWidth, int imageHeight,
                         uint32_t colour = 0xFFFFFFFFu)
{
    const float x0 = ClipX(left), x1 = ClipX(left + width);
    const float y0 = ClipY(top), y1 = ClipY(top + height);
    const float u0 = 0.5f / imageWidth, u1 = (imageWidth + 0.5f) / imageWidth;
    const float v0 = 0.5f / imageHeight, v1 = (imageHeight + 0.5f) / imageHeight;
    QuadStrip quad;
    quad.v[0] = QuadVertex{x0, y1, 1.0f, colour, u0, v1};
    quad.v[1] = QuadVertex{x0, y0, 1.0f, colour, u0, v0};
    quad.v[2] = QuadVertex{x1, y1, 1.0f, colour, u1, v1};
    quad.v[3] = QuadVertex{x1, y0, 1.0f, colour, u1, v0};
    return quad;
}

// The image shown at its own size with its top-left corner on the pixel (left, top).
inline QuadStrip Unscaled(float left, float top, int imageWidth, int imageHeight, uint32_t colour = 0xFFFFFFFFu)
{
    return Showing(left, top, static_cast<float>(imageWidth), static_cast<float>(imageHeight), imageWidth,
                   imageHeight, colour);
}

// The same quad with its image mirrored left to right.
inline QuadStrip Mirrored(QuadStrip quad)
{
    std::swap(quad.v[0].u, quad.v[2].u);
    std::swap(quad.v[1].u, quad.v[3].u);
    return quad;
}

// The same quad with its top edge tipped a little, as a turned sprite's is.
inline QuadStrip Tipped(QuadStrip quad)
{
    quad.v[1].y += 0.01f;
    return quad;
}

} // namespace quadstrips
