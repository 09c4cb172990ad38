// The batches drawn with OpenGL: straight-alpha, or from a premultiplied twin.
#include "engine/gl/glbatchdrawer.h"

#include "engine/render/quadgeometry.h"

#include <cstddef>

namespace {

#ifdef __EMSCRIPTEN__
// WebGL takes vertex colours only as R, G, B, A bytes: the web build turns each 0xAARRGGBB round.
constexpr GLint kColourLayout = 4;
uint32_t InColourLayout(uint32_t argb) { return (argb & 0xFF00FF00u) | ((argb >> 16) & 0xFFu) | ((argb & 0xFFu) << 16); }
#else
// 0xAARRGGBB in memory of a little-endian machine: B, G, R, A.
constexpr GLint kColourLayout = GL_BGRA;
#endif

} // namespace

GlBatchDrawer::GlBatchDrawer(const GlFunctions& gl, const DrawingStrategy& strategy) : gl_(gl), strategy_(strategy)
{
}

// Vertices arrive in clip space: no depth, no culling, no lighting, and no transform but one:
// the game's texture coordinates put texel centres on whole virtual coordinates, while OpenGL
// samples each pixel at its centre, half a pixel further on. Moving everything half a target
// pixel right and down makes an unscaled image land texel for pixel instead of averaging each
// pair of neighbouring texels.
void GlBatchDrawer::SetUpPipeline() const
{
    glViewport(0, 0, kTargetWidth, kTargetHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glTranslatef(1.0f / kTargetWidth, -1.0f / kTargetHeight, 0.0f);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glDisable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glEnable(GL_DITHER);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    // A fragment of alpha 0 blends to exactly what is under it: dropped before the blend, it
    // leaves the same pixel for less work (the rasteriser skips blocks that drop wholly). WebGL
    // has no alpha test.
#ifndef __EMSCRIPTEN__
    glAlphaFunc(GL_GREATER, 0.0f);
#endif
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
}

void GlBatchDrawer::StartFrame()
{
    drawCalls_ = 0;
    premultipliedBatches_ = 0;
}

void GlBatchDrawer::DrawBatch(const QuadBatch& batch)
{
    if (strategy_.BlendsFromTwin(batch))
        DrawPremultiplied(batch);
    else
        DrawStraight(batch);
    ++drawCalls_;
}

// Quads that are opaque all over (an opaque image in an opaque colour: the paper, the title)
// cover what is under them whether blended or not, and Mesa's software rasteriser draws the
// full-screen paper about 15% faster unblended. A batch sampled nearest where it is texel for
// pixel reads exactly the texels linear sampling would.
void GlBatchDrawer::DrawStraight(const QuadBatch& batch)
{
    glBindTexture(GL_TEXTURE_2D, batch.texture);
    const bool linear = !strategy_.SamplesNearest(batch);
    if (linear) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    }
    const bool discards = strategy_.DropsTransparent(batch);
    if (batch.blends)
        glEnable(GL_BLEND);
    if (discards)
        glEnable(GL_ALPHA_TEST);
    DrawTriangles(batch);
    glDisable(GL_BLEND);
    if (discards)
        glDisable(GL_ALPHA_TEST);
    if (linear) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    }
}

// The colours arrive multiplied by their alpha already: they are taken as they are (no tint to
// multiply by) and added to the pixel's share; the alpha keeps its own blend, so the target's
// alpha too is what the image itself would leave.
void GlBatchDrawer::DrawPremultiplied(const QuadBatch& batch)
{
    glBindTexture(GL_TEXTURE_2D, batch.premultipliedTwin);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    gl_.blendFuncSeparate(GL_ONE, GL_ONE_MINUS_SRC_ALPHA, GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_BLEND);
    DrawTriangles(batch);
    glDisable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    ++premultipliedBatches_;
}

void GlBatchDrawer::DrawTriangles(const QuadBatch& batch)
{
    const char* base = reinterpret_cast<const char*>(Vertices(batch));
    glVertexPointer(3, GL_FLOAT, sizeof(QuadVertex), base + offsetof(QuadVertex, x));
    glColorPointer(kColourLayout, GL_UNSIGNED_BYTE, sizeof(QuadVertex), base + offsetof(QuadVertex, colour));
    glTexCoordPointer(2, GL_FLOAT, sizeof(QuadVertex), base + offsetof(QuadVertex, u));
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(batch.indices.size()), GL_UNSIGNED_SHORT, batch.indices.data());
}

const QuadVertex* GlBatchDrawer::Vertices(const QuadBatch& batch)
{
#ifdef __EMSCRIPTEN__
    webVertices_ = batch.vertices;
    for (QuadVertex& vertex : webVertices_)
        vertex.colour = InColourLayout(vertex.colour);
    return webVertices_.data();
#else
    return batch.vertices.data();
#endif
}
