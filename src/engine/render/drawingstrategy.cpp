// The renderer's shortcuts as this OpenGL and the options have them.
#include "engine/render/drawingstrategy.h"

#include "engine/render/quadgeometry.h"

#include <cstring>

DrawingStrategy DrawingStrategy::Choose(const char* renderer, const GlCapabilities& capabilities,
                                        const RendererOptions& options)
{
    Rasteriser rasteriser = Rasteriser::Other;
    if (renderer && std::strstr(renderer, "llvmpipe"))
        rasteriser = Rasteriser::Llvmpipe;
    else if (renderer && std::strstr(renderer, "softpipe"))
        rasteriser = Rasteriser::Softpipe;
    return DrawingStrategy(rasteriser, capabilities, options);
}

DrawingStrategy::DrawingStrategy(Rasteriser rasteriser, const GlCapabilities& capabilities,
                                 const RendererOptions& options)
    : rasteriser_(rasteriser), capabilities_(capabilities), options_(options)
{
}

DrawingStrategy DrawingStrategy::WithOptions(const RendererOptions& options) const
{
    return DrawingStrategy(rasteriser_, capabilities_, options);
}

bool DrawingStrategy::Grants(const RendererOptions& options) const
{
    return options.presentByCopy != Choice::On || capabilities_.windowLaidTarget;
}

bool DrawingStrategy::PresentsByCopy() const
{
    if (!capabilities_.windowLaidTarget || options_.presentByCopy == Choice::Off)
        return false;
    return options_.presentByCopy == Choice::On || rasteriser_ != Rasteriser::Other;
}

bool DrawingStrategy::MakesPremultipliedTwin(bool opaque, bool ownTexture) const
{
    return !opaque && ownTexture && rasteriser_ == Rasteriser::Llvmpipe && capabilities_.separateBlend;
}

bool DrawingStrategy::CopiesAsCover(const QuadStrip& quad, int width, int height) const
{
    return options_.copyCovers && Untinted(quad) && TexelForPixel(quad, width, height) && LaysImageOverTarget(quad);
}

bool DrawingStrategy::SamplesNearest(const QuadBatch& batch) const
{
    return options_.nearestWhereExact && batch.texelForPixel;
}

bool DrawingStrategy::DropsTransparent(const QuadBatch& batch) const
{
    return batch.blends && options_.discardTransparent && capabilities_.alphaTest;
}

// The twin is sampled as the image would be, nearest: only a batch that is texel for pixel
// reads the twin's products unchanged, and only an untinted one leaves them as they are.
bool DrawingStrategy::BlendsFromTwin(const QuadBatch& batch) const
{
    return options_.premultipliedTwins && batch.premultipliedTwin != 0 && batch.blends && batch.untinted &&
           SamplesNearest(batch);
}
