#pragma once
// The narrow seam through which everything reaches the screen: textures are created from
// straight-alpha RGBA pixels, and every sprite and line is one textured quad. The OpenGL
// backend draws them (batching runs that share a texture, never changing their order); the
// null backend only counts them, for the headless driver; tests capture them.
#include <cstdint>
#include <vector>

// One vertex of a quad: clip-space position, colour as 0xAARRGGBB, texture coordinates.
struct QuadVertex {
    float x, y, z;
    uint32_t colour;
    float u, v;
};
static_assert(sizeof(QuadVertex) == 24, "a quad vertex is six 32-bit words");

// The four vertices of one quad, in triangle-strip order: bottom-left, top-left,
// bottom-right, top-right.
struct QuadStrip {
    QuadVertex v[4];
};

using TextureHandle = uint32_t; // 0 is "no texture"

class RenderBackend {
public:
    virtual ~RenderBackend() = default;

    // Uploads width x height RGBA pixels (rows top to bottom); returns 0 on failure.
    virtual TextureHandle CreateTexture(int width, int height, const uint8_t* rgba) = 0;
    virtual void DeleteTexture(TextureHandle texture) = 0;

    // Begins a frame: the 1280 x 720 target becomes transparent black.
    virtual void BeginFrame() = 0;
    // Draws one quad with linear sampling and straight-alpha blending over what is there.
    virtual void SubmitQuad(TextureHandle texture, const QuadStrip& quad) = 0;
    // Ends a frame: everything submitted is drawn and presented.
    virtual void EndFrame() = 0;
    // Presents the last frame again, unchanged, for a window that may have lost it.
    virtual void PresentAgain() = 0;

    // Copies the 1280 x 720 target into rgba (rows top to bottom); false when there is none.
    virtual bool ReadTarget(std::vector<uint8_t>& rgba);
};

// The backend every draw goes through. There is always one: a null backend until the render
// device installs the OpenGL one (or a test installs its own).
RenderBackend& GetRenderBackend();
// Installs a backend (not owned); nullptr goes back to the null backend.
void SetRenderBackend(RenderBackend* backend);

// Counts what is drawn and hands out texture numbers, drawing nothing.
class NullRenderBackend : public RenderBackend {
public:
    TextureHandle CreateTexture(int width, int height, const uint8_t* rgba) override;
    void DeleteTexture(TextureHandle texture) override;
    void BeginFrame() override;
    void SubmitQuad(TextureHandle texture, const QuadStrip& quad) override;
    void EndFrame() override;
    void PresentAgain() override;

    int LiveTextures() const { return liveTextures_; }
    uint64_t QuadsThisFrame() const { return quadsThisFrame_; }
    // Frames ended, and frames presented again, since the backend was made.
    uint64_t FramesEnded() const { return framesEnded_; }
    uint64_t FramesPresentedAgain() const { return framesPresentedAgain_; }

private:
    TextureHandle nextTexture_ = 1;
    int liveTextures_ = 0;
    uint64_t quadsThisFrame_ = 0;
    uint64_t framesEnded_ = 0;
    uint64_t framesPresentedAgain_ = 0;
};

// Records every quad with its texture, for tests that check exact vertices.
class CapturingRenderBackend : public NullRenderBackend {
public:
    struct Captured {
        TextureHandle texture;
        QuadStrip quad;
    };

    void SubmitQuad(TextureHandle texture, const QuadStrip& quad) override;
    void BeginFrame() override;

    const std::vector<Captured>& Quads() const { return quads_; }
    void ClearQuads() { quads_.clear(); }

private:
    std::vector<Captured> quads_;
};
