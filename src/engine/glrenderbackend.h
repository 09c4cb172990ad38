#pragma once
// The OpenGL backend: a 1280 x 720 RGBA framebuffer object that every quad is drawn into,
// stretched over the whole window at the end of each frame.
#include "engine/renderbackend.h"

#include <memory>

class GlRenderBackend : public RenderBackend {
public:
    // Why Create failed, so the device can print the matching report.
    enum class Failure { None, MissingFunctions, NoTarget };

    // Needs a current OpenGL context of the given window size. Returns null on failure.
    static std::unique_ptr<GlRenderBackend> Create(int windowWidth, int windowHeight, Failure& failure);
    ~GlRenderBackend() override;

    TextureHandle CreateTexture(int width, int height, const uint8_t* rgba) override;
    void DeleteTexture(TextureHandle texture) override;
    void BeginFrame() override;
    void SubmitQuad(TextureHandle texture, const QuadStrip& quad) override;
    void EndFrame() override;
    bool ReadTarget(std::vector<uint8_t>& rgba) override;

    // Batching joins consecutive quads of one texture into one draw call. Off, every quad is
    // its own draw call (kept for the benchmark and the pixel comparison).
    void SetBatching(bool on);
    // Draws what is pending into the target without presenting it.
    void Flush();
    // Draw calls issued since the last BeginFrame.
    int DrawCallsThisFrame() const { return drawCallsThisFrame_; }

private:
    struct Functions;
    GlRenderBackend(int windowWidth, int windowHeight);
    bool Init(Failure& failure);

    int windowWidth_;
    int windowHeight_;
    std::unique_ptr<Functions> gl_;
    unsigned framebuffer_ = 0;
    unsigned colourTarget_ = 0;
    bool batching_ = true;
    TextureHandle batchTexture_ = 0;
    std::vector<QuadVertex> vertices_;
    std::vector<uint32_t> indices_;
    int drawCallsThisFrame_ = 0;
};
