#pragma once
// Which shortcuts the OpenGL renderer takes, chosen once at start-up from the name OpenGL gives
// itself (GL_RENDERER), what that OpenGL can do, and the renderer's options. On Mesa's software
// rasterisers (llvmpipe, softpipe) every pixel is drawn by the CPU, and some work a GPU does
// for nothing is worth avoiding there: a present that turns the picture over (presented by
// copy instead), and on llvmpipe, whose blend rounds each 8-bit product on its own, one product
// a pixel of a big see-through picture (blended from its premultiplied twin instead). The cover
// copy, nearest sampling where texel for pixel and dropping transparent fragments are taken on
// every OpenGL that can have them.
#include "engine/render/quadbatcher.h"
#include "engine/render/rendereroptions.h"

// What the OpenGL at hand can do at all (WebGL can do neither of the first two).
struct GlCapabilities {
    bool windowLaidTarget = true; // a target laid B, G, R, A, as the window's pixels are
    bool alphaTest = true;        // fragments dropped by their alpha before the blend
    bool separateBlend = true;    // colour and alpha blended with factors of their own
};

class DrawingStrategy {
public:
    static DrawingStrategy Choose(const char* renderer, const GlCapabilities& capabilities,
                                  const RendererOptions& options);
    // The same OpenGL with other options.
    DrawingStrategy WithOptions(const RendererOptions& options) const;

    const RendererOptions& Options() const { return options_; }
    // False when the options ask for what this OpenGL cannot have (a present by copy without a
    // target laid as the window).
    bool Grants(const RendererOptions& options) const;

    bool Batches() const { return options_.batching; }
    // The target laid as the window's pixels and handed to the window a row at a time.
    bool PresentsByCopy() const;
    // Whether an image gets a premultiplied twin when it is made: a see-through image of its own,
    // on llvmpipe, whatever the options say (so that turning them on later finds the twins).
    bool MakesPremultipliedTwin(bool opaque, bool ownTexture) const;
    // Whether a quad of an opaque image of the target's size (one with a copy laid as the
    // target) is copied over the target rather than drawn.
    bool CopiesAsCover(const QuadStrip& quad, int width, int height) const;
    // Whether the batch is sampled nearest rather than linearly.
    bool SamplesNearest(const QuadBatch& batch) const;
    // Whether the batch's fragments of alpha 0 are dropped before the blend.
    bool DropsTransparent(const QuadBatch& batch) const;
    // Whether the batch is blended from its image's premultiplied twin.
    bool BlendsFromTwin(const QuadBatch& batch) const;

private:
    enum class Rasteriser { Other, Softpipe, Llvmpipe };

    DrawingStrategy(Rasteriser rasteriser, const GlCapabilities& capabilities, const RendererOptions& options);

    Rasteriser rasteriser_;
    GlCapabilities capabilities_;
    RendererOptions options_;
};
