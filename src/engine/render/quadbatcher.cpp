// The quad batcher: consecutive quads of one texture gathered into one batch, in their order,
// with their texture coordinates moved onto their image's place in its texture.
#include "engine/render/quadbatcher.h"

#include "engine/render/quadgeometry.h"

QuadBatcher::QuadBatcher(BatchDevice& device) : device_(device)
{
    batch_.vertices.reserve(kMaxQuads * 4);
    batch_.indices.reserve(kMaxQuads * 6);
}

void QuadBatcher::SetBatching(bool on)
{
    Flush();
    batching_ = on;
}

void QuadBatcher::Submit(const BatchedImage& image, const QuadStrip& quad)
{
    if (image.texture != batch_.texture || batch_.vertices.size() >= kMaxQuads * 4)
        Flush();
    Append(image, quad);
    if (!batching_)
        Flush();
}

void QuadBatcher::Append(const BatchedImage& image, const QuadStrip& quad)
{
    batch_.texture = image.texture;
    batch_.premultipliedTwin = image.premultipliedTwin;
    const uint16_t base = static_cast<uint16_t>(batch_.vertices.size());
    bool opaque = image.opaque;
    for (const QuadVertex& vertex : quad.v) {
        batch_.vertices.push_back(vertex);
        batch_.vertices.back().u = image.u0 + vertex.u * image.uScale;
        batch_.vertices.back().v = image.v0 + vertex.v * image.vScale;
        opaque = opaque && (vertex.colour >> 24) == 0xFF;
    }
    batch_.blends = batch_.blends || !opaque;
    batch_.untinted = batch_.untinted && Untinted(quad);
    batch_.texelForPixel = batch_.texelForPixel && TexelForPixel(quad, image.width, image.height);
    // The strip bottom-left, top-left, bottom-right, top-right as two triangles.
    const uint16_t strip[6] = {base, static_cast<uint16_t>(base + 1), static_cast<uint16_t>(base + 2),
                               static_cast<uint16_t>(base + 1), static_cast<uint16_t>(base + 3), static_cast<uint16_t>(base + 2)};
    batch_.indices.insert(batch_.indices.end(), strip, strip + 6);
}

void QuadBatcher::Flush()
{
    if (batch_.vertices.empty())
        return;
    device_.DrawBatch(batch_);
    batch_.vertices.clear();
    batch_.indices.clear();
    batch_.blends = false;
    batch_.texelForPixel = true;
    batch_.untinted = true;
}
