#pragma once
// The OpenGL backend: every quad is batched (consecutive quads of one texture in one draw call,
// their order kept) and drawn into a 1280 x 720 RGBA target, presented in its place in the
// window at the end of each frame. Which shortcuts it takes on the way is its drawing
// strategy's choice, made when it is created from the OpenGL at hand and the options given.
// It knows nothing of the window system but what it is given: OpenGL's entry points and the
// window's buffer swap.
#include "engine/render/drawingstrategy.h"
#include "engine/gl/glbatchdrawer.h"
#include "engine/gl/glsupport.h"
#include "engine/gl/gltarget.h"
#include "engine/gl/gltexturestore.h"
#include "engine/render/picturerect.h"
#include "engine/render/quadbatcher.h"
#include "engine/render/renderbackend.h"
#include "engine/render/rendereroptions.h"
#include "utils/passkey.h"

#include <memory>

class GlRenderBackend : public RenderBackend {
public:
    // Needs a current OpenGL context of the given window size. Returns null when the
    // framebuffer-object functions or the offscreen target cannot be had.
    static std::unique_ptr<GlRenderBackend> Create(int windowWidth, int windowHeight, const GlPlatform& platform,
                                                   const RendererOptions& options);
    // Only Create makes a backend.
    GlRenderBackend(kolm::Passkey<GlRenderBackend>, int windowWidth, int windowHeight, const GlPlatform& platform,
                    const GlFunctions& gl, const DrawingStrategy& strategy);

    TextureHandle CreateTexture(int width, int height, const uint8_t* rgba) override;
    void DeleteTexture(TextureHandle texture) override;
    void BeginFrame() override;
    void SubmitQuad(TextureHandle texture, const QuadStrip& quad) override;
    void EndFrame() override;
    void PresentAgain() override;
    bool ReadTarget(std::vector<uint8_t>& rgba) override;

    // The window's size and where in it the target is presented; the rest of the window is
    // black. Until it is called, the target is stretched over the window given to Create.
    void SetPresentArea(int windowWidth, int windowHeight, const PictureRect& picture);

    const RendererOptions& Options() const { return strategy_.Options(); }
    // The one way to change the options of a backend already made, for the benchmarks and the
    // pixel comparisons that draw the same textures both ways. What is pending is drawn first,
    // as the options before had it. False when this OpenGL cannot have them as asked (a
    // present by copy in the browser); the rest of them are taken all the same.
    bool SetOptions(const RendererOptions& options);

    // Draws what is pending into the target without presenting it.
    void Flush();
    // Since the last BeginFrame: draw calls issued, pictures copied over the target, and
    // batches blended from a premultiplied twin.
    int DrawCallsThisFrame() const { return drawer_.DrawCalls(); }
    int CoversCopiedThisFrame() const { return coversCopiedThisFrame_; }
    int PremultipliedBatchesThisFrame() const { return drawer_.PremultipliedBatches(); }

private:
    void ClearIfPending(bool coverFollows);
    void CopyCover(const GlImage& image, const QuadStrip& quad);
    void Present();

    int windowWidth_;
    int windowHeight_;
    PictureRect picture_;
    const GlFunctions gl_;
    DrawingStrategy strategy_;
    GlTarget target_;
    GlTextureStore textures_; // after the target, whose covers it deletes when it goes
    GlBatchDrawer drawer_;
    QuadBatcher batcher_;
    bool clearPending_ = false; // BeginFrame has not cleared the target yet
    int coversCopiedThisFrame_ = 0;
};
