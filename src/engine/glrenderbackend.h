#pragma once
// The OpenGL backend: a 1280 x 720 RGBA framebuffer object that every quad is drawn into,
// presented in its place in the window at the end of each frame (copied there a row at a time on
// Mesa's software rasteriser). Small images share atlas pages,
// so that the many quads of characters and effects, which switch images all the time, still
// reach OpenGL in few draw calls; texture coordinates arrive relative to the image and are
// moved onto its place in the atlas here.
#include "engine/atlaspacker.h"
#include "engine/picturerect.h"
#include "engine/renderbackend.h"

#include <memory>

class GlRenderBackend : public RenderBackend {
public:
    // Needs a current OpenGL context of the given window size. Returns null when the
    // framebuffer-object functions or the offscreen target cannot be had.
    static std::unique_ptr<GlRenderBackend> Create(int windowWidth, int windowHeight);
    ~GlRenderBackend() override;

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
    // Batching joins consecutive quads of one texture into one draw call. Off, every quad is
    // its own draw call (kept for the benchmark and the pixel comparison).
    void SetBatching(bool on);
    // Quads that put their image's texels on the target's pixels one for one (the paper, the
    // title) are sampled nearest, which reads the same colours as linear sampling with a
    // quarter of the work. Off, every quad is sampled linearly (for the same two uses).
    void SetNearestWhereExact(bool on);
    // An opaque picture of the target's size drawn over the whole target texel for pixel and
    // untinted (the paper, the title) is copied into it rather than drawn: the same pixels
    // without sampling them. Off, it is drawn like any other quad (kept for the benchmark and
    // the pixel comparison).
    void SetCopyWherePictureCovers(bool on);
    // Blended quads drop their fragments of alpha 0, which would leave the pixel under them as
    // it is, before the blend. Off, they blend them (kept for the benchmark and the pixel
    // comparison).
    void SetDiscardTransparent(bool on);
    // The target laid as the window's pixels, and a picture shown at its own size handed to the
    // window a row at a time, each row a plain copy: the default on Mesa's software rasteriser,
    // where one blit of the whole picture is a drawing pass over every pixel. Off, the target is
    // R, G, B, A and presented in one blit, the default elsewhere (kept for the benchmark and the
    // pixel comparison). The software rasteriser rounds a few pixels a frame differently in
    // the two layouts. False when this OpenGL cannot have it as asked.
    bool SetPresentByCopy(bool on);
    bool PresentsByCopy() const { return presentByCopy_; }
    // On Mesa's llvmpipe, a see-through image of its own (too big for the atlas: the fold's
    // shadow) drawn untinted and texel for pixel is blended from a twin whose colours were
    // multiplied by their alpha when it was made, so that each pixel takes one product fewer:
    // llvmpipe rounds every 8-bit product of its blend on its own, so the twin's rounded
    // products give exactly the pixels the blend would. A GPU blends in floating point and
    // rounds once, where the twin would round twice: there, and off, the image itself is
    // blended (kept for the benchmark and the pixel comparison).
    void SetBlendPremultipliedWhereExact(bool on);
    // Batches blended from a premultiplied twin since the last BeginFrame.
    int PremultipliedBatchesThisFrame() const { return premultipliedBatchesThisFrame_; }
    // Draws what is pending into the target without presenting it.
    void Flush();
    // Draw calls issued since the last BeginFrame.
    int DrawCallsThisFrame() const { return drawCallsThisFrame_; }
    // Pictures copied over the target since the last BeginFrame.
    int CoversCopiedThisFrame() const { return coversCopiedThisFrame_; }

private:
    struct Functions;
    // Where an image lives: its OpenGL texture and its rectangle there in texture coordinates.
    struct TextureRecord {
        unsigned glTexture = 0;
        bool ownTexture = false;
        bool opaque = false; // every texel has alpha 255
        int width = 0, height = 0; // of the image, in texels
        float u0 = 0.0f, v0 = 0.0f, uScale = 1.0f, vScale = 1.0f;
        // For an opaque image of the target's size: a copy with its rows bottom up and its
        // pixels laid as the target holds them, in a framebuffer of its own to copy the
        // target from.
        unsigned coverTexture = 0;
        unsigned coverFramebuffer = 0;
        // For a see-through image of its own on llvmpipe: its colours multiplied by its alpha.
        unsigned premultipliedTexture = 0;
    };

    GlRenderBackend(int windowWidth, int windowHeight);
    bool Init();
    unsigned NewGlTexture(int width, int height, const uint8_t* rgba);
    unsigned NewGlTexture(int width, int height, const uint8_t* pixels, int internalFormat, unsigned layout);
    // The target's OpenGL internal format and the layout its pixels are handed over in.
    int TargetFormat() const;
    unsigned TargetLayout() const;
    void AllocateTarget();
    void RelayCover(const TextureRecord& record);
    TextureHandle AddToAtlas(int width, int height, const uint8_t* rgba);
    TextureHandle Register(TextureRecord record, int width, int height, const uint8_t* rgba);
    // Gives an opaque image of the target's size its bottom-up copy to cover the target from.
    void AddCover(TextureRecord& record, const uint8_t* rgba);
    void DeleteCover(TextureRecord& record);
    void AddPremultipliedTwin(TextureRecord& record, const uint8_t* rgba);
    // The texture's copies made beside it (its cover, its premultiplied twin) deleted.
    void DeleteCopies(TextureRecord& record);
    // Draws the pending batch blended from its image's premultiplied twin.
    void DrawPremultiplied();
    void DrawBatch();
    void DrawTriangles();
    bool CopiesAsCover(const TextureRecord& record, const QuadStrip& quad) const;
    void CopyCover(const TextureRecord& record, const QuadStrip& quad);
    void ClearIfPending(bool coverFollows);
    // Adds the quad to the batch waiting to be drawn.
    void Append(const TextureRecord& record, const QuadStrip& quad);
    // The target into the window, and the window's buffers swapped.
    void Present();
    void PresentRowByRow(int left, int bottom);
    void Switch(bool& setting, bool on);

    int windowWidth_;
    int windowHeight_;
    PictureRect picture_;
    std::unique_ptr<Functions> gl_;
    unsigned framebuffer_ = 0;
    unsigned colourTarget_ = 0;
    bool batching_ = true;
    bool nearestWhereExact_ = true;
    bool copyWherePictureCovers_ = true;
    bool presentByCopy_ = false;
    bool discardTransparent_ = true;
    bool makesPremultipliedTwins_ = false; // llvmpipe, whose blend rounds each product
    bool blendPremultipliedWhereExact_ = true;
    bool clearPending_ = false; // BeginFrame has not cleared the target yet
    unsigned batchTexture_ = 0; // OpenGL texture of the quads waiting to be drawn
    bool batchBlends_ = false;  // some quad waiting to be drawn is not wholly opaque
    bool batchExact_ = true;    // every quad waiting to be drawn is texel for pixel
    bool batchUntinted_ = true; // every quad waiting to be drawn is untinted
    unsigned batchPremultiplied_ = 0; // the premultiplied twin of the batch's image, if it has one
    AtlasPacker packer_;
    std::vector<unsigned> atlasPages_;
    std::vector<TextureRecord> textures_; // handle - 1 indexes this
    std::vector<QuadVertex> vertices_;
    std::vector<uint16_t> indices_; // 16 bits, as every OpenGL (and WebGL) takes them
    int drawCallsThisFrame_ = 0;
    int coversCopiedThisFrame_ = 0;
    int premultipliedBatchesThisFrame_ = 0;
};
