#include "engine/render/renderbackend.h"

namespace {
NullRenderBackend g_nullBackend;
RenderBackend* g_backend = nullptr;
} // namespace

bool RenderBackend::ReadTarget(std::vector<uint8_t>&) { return false; }

RenderBackend& GetRenderBackend() { return g_backend ? *g_backend : g_nullBackend; }

void SetRenderBackend(RenderBackend* backend) { g_backend = backend; }

TextureHandle NullRenderBackend::CreateTexture(int width, int height, const uint8_t* rgba)
{
    if (width <= 0 || height <= 0 || !rgba)
        return 0;
    ++liveTextures_;
    return nextTexture_++;
}

void NullRenderBackend::DeleteTexture(TextureHandle texture)
{
    if (texture != 0)
        --liveTextures_;
}

void NullRenderBackend::BeginFrame() { quadsThisFrame_ = 0; }

void NullRenderBackend::SubmitQuad(TextureHandle, const QuadStrip&) { ++quadsThisFrame_; }

void NullRenderBackend::EndFrame() { ++framesEnded_; }

void NullRenderBackend::PresentAgain() { ++framesPresentedAgain_; }

void CapturingRenderBackend::SubmitQuad(TextureHandle texture, const QuadStrip& quad)
{
    NullRenderBackend::SubmitQuad(texture, quad);
    quads_.push_back(Captured{texture, quad});
}

void CapturingRenderBackend::BeginFrame()
{
    NullRenderBackend::BeginFrame();
    quads_.clear();
}
