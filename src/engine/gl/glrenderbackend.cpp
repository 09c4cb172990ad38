// The OpenGL backend: quads batched into the target in their order, a picture that covers the
// target copied over it, and the target presented.
#include "engine/gl/glrenderbackend.h"

namespace {

// The name OpenGL gives itself. In the browser it names the browser (and never one of Mesa's
// software rasterisers, whose shortcuts WebGL could not take anyway): it is not asked there.
const char* RendererName()
{
#ifdef __EMSCRIPTEN__
    return "";
#else
    return reinterpret_cast<const char*>(glGetString(GL_RENDERER));
#endif
}

GlCapabilities CapabilitiesOf(const GlFunctions& gl)
{
    GlCapabilities capabilities;
#ifdef __EMSCRIPTEN__
    // WebGL takes textures as R, G, B, A only, and has no alpha test.
    capabilities.windowLaidTarget = false;
    capabilities.alphaTest = false;
#endif
    capabilities.separateBlend = gl.blendFuncSeparate != nullptr;
    return capabilities;
}

} // namespace

std::unique_ptr<GlRenderBackend> GlRenderBackend::Create(int windowWidth, int windowHeight, const GlPlatform& platform,
                                                         const RendererOptions& options)
{
    GlFunctions gl;
    if (!gl.Load(platform.entryPoint))
        return nullptr;
    const DrawingStrategy strategy = DrawingStrategy::Choose(RendererName(), CapabilitiesOf(gl), options);
    auto backend = std::make_unique<GlRenderBackend>(kolm::Passkey<GlRenderBackend>(), windowWidth, windowHeight,
                                                     platform, gl, strategy);
    if (!backend->target_.Init(strategy.PresentsByCopy()))
        return nullptr;
    backend->drawer_.SetUpPipeline();
    return backend;
}

GlRenderBackend::GlRenderBackend(kolm::Passkey<GlRenderBackend>, int windowWidth, int windowHeight,
                                 const GlPlatform& platform, const GlFunctions& gl, const DrawingStrategy& strategy)
    : windowWidth_(windowWidth), windowHeight_(windowHeight), picture_(PictureRect::Stretched(windowWidth, windowHeight)),
      gl_(gl), strategy_(strategy), target_(gl_, platform.swapBuffers), textures_(target_, strategy_),
      drawer_(gl_, strategy_), batcher_(drawer_)
{
    batcher_.SetBatching(strategy_.Batches());
}

TextureHandle GlRenderBackend::CreateTexture(int width, int height, const uint8_t* rgba)
{
    Flush();
    return textures_.Create(width, height, rgba);
}

void GlRenderBackend::DeleteTexture(TextureHandle texture)
{
    Flush();
    textures_.Delete(texture);
}

void GlRenderBackend::BeginFrame()
{
    drawer_.StartFrame();
    coversCopiedThisFrame_ = 0;
    target_.Bind();
    clearPending_ = true;
}

// The target is cleared to transparent black when the frame's first quad arrives. A picture
// copied over it first leaves only its first column and top row to be drawn, and the top row
// may be left undrawn (the rasteriser's edge rule): only those two lines need clearing then.
void GlRenderBackend::ClearIfPending(bool coverFollows)
{
    if (!clearPending_)
        return;
    clearPending_ = false;
    if (coverFollows)
        target_.OnCoverEdges([this] { target_.Clear(); });
    else
        target_.Clear();
}

void GlRenderBackend::SubmitQuad(TextureHandle texture, const QuadStrip& quad)
{
    const GlImage* image = textures_.Find(texture);
    if (!image)
        return;
    const bool cover = image->cover.framebuffer != 0 &&
                       strategy_.CopiesAsCover(quad, image->place.width, image->place.height);
    ClearIfPending(cover);
    if (cover)
        CopyCover(*image, quad);
    else
        batcher_.Submit(image->place, quad);
}

// Everything inside the target's first column and top row is copied; those two lines are still
// drawn by the quad, cut to them.
void GlRenderBackend::CopyCover(const GlImage& image, const QuadStrip& quad)
{
    Flush();
    target_.CopyCover(image.cover);
    ++coversCopiedThisFrame_;
    target_.OnCoverEdges([&] {
        batcher_.Submit(image.place, quad);
        Flush();
    });
}

void GlRenderBackend::Flush() { batcher_.Flush(); }

void GlRenderBackend::EndFrame()
{
    Flush();
    ClearIfPending(false);
    Present();
}

void GlRenderBackend::PresentAgain()
{
    ClearIfPending(false);
    Present();
}

void GlRenderBackend::Present() { target_.Present(windowWidth_, windowHeight_, picture_); }

bool GlRenderBackend::ReadTarget(std::vector<uint8_t>& rgba)
{
    Flush();
    ClearIfPending(false);
    target_.Read(rgba);
    return true;
}

void GlRenderBackend::SetPresentArea(int windowWidth, int windowHeight, const PictureRect& picture)
{
    windowWidth_ = windowWidth;
    windowHeight_ = windowHeight;
    picture_ = picture;
}

bool GlRenderBackend::SetOptions(const RendererOptions& options)
{
    Flush();
    strategy_ = strategy_.WithOptions(options);
    batcher_.SetBatching(strategy_.Batches());
    if (strategy_.PresentsByCopy() != target_.LaidAsWindow()) {
        target_.Relay(strategy_.PresentsByCopy());
        textures_.RelayCovers();
    }
    return strategy_.Grants(options);
}
