#include "engine/glrenderbackend.h"

#include <SDL.h>
// Mesa's own headers: the web build's SDL headers carry an OpenGL extension list too old for
// framebuffer objects.
#include <GL/gl.h>
#include <GL/glext.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {
constexpr int kTargetWidth = 1280;
constexpr int kTargetHeight = 720;
constexpr std::size_t kMaxBatchQuads = 4096;
static_assert(kMaxBatchQuads * 4 <= 65536, "a batch's vertices are numbered with 16 bits");

#ifdef __EMSCRIPTEN__
// WebGL takes vertex colours only as R, G, B, A bytes: the web build turns each 0xAARRGGBB round.
constexpr GLint kColourLayout = 4;
uint32_t InColourLayout(uint32_t argb) { return (argb & 0xFF00FF00u) | ((argb >> 16) & 0xFFu) | ((argb & 0xFFu) << 16); }
#else
// 0xAARRGGBB in memory of a little-endian machine: B, G, R, A.
constexpr GLint kColourLayout = GL_BGRA;
uint32_t InColourLayout(uint32_t argb) { return argb; }
#endif

// How far off a texel's centre, in texels, a sample may fall and still read that texel alone:
// well below what an 8-bit linear filter weight can tell from zero.
constexpr float kTexelSlack = 1.0f / 1024.0f;

// Along one axis of an upright quad: whether the texel coordinates s0 and s1 at its two edges
// p0 and p1 (in target pixels) step one texel per pixel, forwards or backwards, with every pixel
// centre on a texel centre. Pixel centres lie on whole positions (the backend's half-pixel
// shift puts them there) and texel centres half way between whole texel coordinates.
bool OneTexelPerPixel(float p0, float p1, float s0, float s1)
{
    const float span = p1 - p0;
    if (span == 0.0f || std::fabs(std::fabs(s1 - s0) - std::fabs(span)) > kTexelSlack)
        return false;
    const float step = (s1 - s0) / span > 0.0f ? 1.0f : -1.0f;
    const float offCentre = s0 - step * p0 - 0.5f;
    const float fraction = offCentre - std::floor(offCentre);
    return fraction < kTexelSlack || fraction > 1.0f - kTexelSlack;
}

// Clip space to target pixels, rows counted from the top as the texel rows are.
float Column(float x) { return (x + 1.0f) * (kTargetWidth * 0.5f); }
float Row(float y) { return (1.0f - y) * (kTargetHeight * 0.5f); }

bool Near(float a, float b) { return std::fabs(a - b) <= kTexelSlack; }

// Whether the quad puts an image of width x height texels on the target texel for pixel:
// upright, neither scaled nor turned (a mirror image is fine), and on whole pixels.
bool TexelForPixel(const QuadStrip& quad, int width, int height)
{
    const QuadVertex& bottomLeft = quad.v[0];
    const QuadVertex& topLeft = quad.v[1];
    const QuadVertex& bottomRight = quad.v[2];
    const QuadVertex& topRight = quad.v[3];
    const bool upright = bottomLeft.x == topLeft.x && bottomRight.x == topRight.x && bottomLeft.y == bottomRight.y &&
                         topLeft.y == topRight.y && bottomLeft.u == topLeft.u && bottomRight.u == topRight.u &&
                         bottomLeft.v == bottomRight.v && topLeft.v == topRight.v;
    return upright &&
           OneTexelPerPixel(Column(topLeft.x), Column(topRight.x), topLeft.u * width, topRight.u * width) &&
           OneTexelPerPixel(Row(topLeft.y), Row(bottomLeft.y), topLeft.v * height, bottomLeft.v * height);
}

// Whether a quad that is texel for pixel with an image of the target's size lays it over the
// target exactly as it is: from edge to edge, texel (0, 0) on pixel (0, 0), not mirrored.
bool LaysImageOverTarget(const QuadStrip& quad)
{
    const QuadVertex& topLeft = quad.v[1];
    const QuadVertex& bottomRight = quad.v[2];
    return Near(Column(topLeft.x), 0.0f) && Near(Row(topLeft.y), 0.0f) &&
           Near(Column(bottomRight.x), static_cast<float>(kTargetWidth)) &&
           Near(Row(bottomRight.y), static_cast<float>(kTargetHeight)) && Near(topLeft.u * kTargetWidth, 0.5f) &&
           Near(topLeft.v * kTargetHeight, 0.5f);
}

bool Untinted(const QuadStrip& quad)
{
    for (const QuadVertex& vertex : quad.v) {
        if (vertex.colour != 0xFFFFFFFFu)
            return false;
    }
    return true;
}

// The image's rows in the opposite order: OpenGL keeps a framebuffer's rows bottom up. Laid as
// the window's pixels, red and blue change places too.
std::vector<uint8_t> BottomUp(int width, int height, const uint8_t* rgba, bool laidAsWindow)
{
    const std::size_t row = static_cast<std::size_t>(width) * 4;
    std::vector<uint8_t> out(row * height);
    for (int y = 0; y < height; ++y)
        std::memcpy(&out[y * row], &rgba[(height - 1 - y) * row], row);
    if (laidAsWindow) {
        for (std::size_t i = 0; i < out.size(); i += 4)
            std::swap(out[i], out[i + 2]);
    }
    return out;
}

bool RendererNames(const char* name)
{
#ifdef __EMSCRIPTEN__
    (void)name;
    return false;
#else
    const char* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    return renderer && std::strstr(renderer, name);
#endif
}

// Whether OpenGL is Mesa's software rasteriser, which keeps a window's rows top down in memory.
bool SoftwareRasteriser() { return RendererNames("llvmpipe") || RendererNames("softpipe"); }

// x * y / 255 as llvmpipe multiplies two 8-bit colour values: (p + p / 256 + 128) / 256 for the
// product p, which is off the nearest by one for a few products (227 * 214 gives 190, not 191).
uint8_t ProductOf(unsigned x, unsigned y)
{
    const unsigned product = x * y;
    return static_cast<uint8_t>((product + (product >> 8) + 128) >> 8);
}

std::vector<uint8_t> Premultiplied(int width, int height, const uint8_t* rgba)
{
    std::vector<uint8_t> out(rgba, rgba + static_cast<std::size_t>(width) * height * 4);
    for (std::size_t i = 0; i < out.size(); i += 4) {
        for (int channel = 0; channel < 3; ++channel)
            out[i + channel] = ProductOf(out[i + channel], out[i + 3]);
    }
    return out;
}

// Does the work twice, cut first to the target's first column, then to its top row: the two lines
// whose pixel centres lie on the edges of a quad laid over the whole target.
template <typename Work>
void OnCoverEdges(Work work)
{
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, 0, 1, kTargetHeight);
    work();
    glScissor(0, kTargetHeight - 1, kTargetWidth, 1);
    work();
    glDisable(GL_SCISSOR_TEST);
}

} // namespace

// The framebuffer-object entry points, which are not part of the OpenGL 1.x ABI.
struct GlRenderBackend::Functions {
    PFNGLGENFRAMEBUFFERSPROC genFramebuffers = nullptr;
    PFNGLDELETEFRAMEBUFFERSPROC deleteFramebuffers = nullptr;
    PFNGLBINDFRAMEBUFFERPROC bindFramebuffer = nullptr;
    PFNGLFRAMEBUFFERTEXTURE2DPROC framebufferTexture2D = nullptr;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC checkFramebufferStatus = nullptr;
    PFNGLBLITFRAMEBUFFERPROC blitFramebuffer = nullptr;
    PFNGLBLENDFUNCSEPARATEPROC blendFuncSeparate = nullptr; // optional: none, no premultiplied twins

    bool Load()
    {
        genFramebuffers = reinterpret_cast<PFNGLGENFRAMEBUFFERSPROC>(SDL_GL_GetProcAddress("glGenFramebuffers"));
        deleteFramebuffers = reinterpret_cast<PFNGLDELETEFRAMEBUFFERSPROC>(SDL_GL_GetProcAddress("glDeleteFramebuffers"));
        bindFramebuffer = reinterpret_cast<PFNGLBINDFRAMEBUFFERPROC>(SDL_GL_GetProcAddress("glBindFramebuffer"));
        framebufferTexture2D = reinterpret_cast<PFNGLFRAMEBUFFERTEXTURE2DPROC>(SDL_GL_GetProcAddress("glFramebufferTexture2D"));
        checkFramebufferStatus = reinterpret_cast<PFNGLCHECKFRAMEBUFFERSTATUSPROC>(SDL_GL_GetProcAddress("glCheckFramebufferStatus"));
        blitFramebuffer = reinterpret_cast<PFNGLBLITFRAMEBUFFERPROC>(SDL_GL_GetProcAddress("glBlitFramebuffer"));
        blendFuncSeparate = reinterpret_cast<PFNGLBLENDFUNCSEPARATEPROC>(SDL_GL_GetProcAddress("glBlendFuncSeparate"));
        return genFramebuffers && deleteFramebuffers && bindFramebuffer && framebufferTexture2D &&
               checkFramebufferStatus && blitFramebuffer;
    }
};

std::unique_ptr<GlRenderBackend> GlRenderBackend::Create(int windowWidth, int windowHeight)
{
    std::unique_ptr<GlRenderBackend> backend(new GlRenderBackend(windowWidth, windowHeight));
    if (!backend->Init())
        return nullptr;
    return backend;
}

GlRenderBackend::GlRenderBackend(int windowWidth, int windowHeight)
    : windowWidth_(windowWidth), windowHeight_(windowHeight),
      picture_(PictureRect::Stretched(windowWidth, windowHeight)), gl_(new Functions)
{
    vertices_.reserve(kMaxBatchQuads * 4);
    indices_.reserve(kMaxBatchQuads * 6);
}

bool GlRenderBackend::Init()
{
    if (!gl_->Load())
        return false;
    presentByCopy_ = SoftwareRasteriser();
    makesPremultipliedTwins_ = RendererNames("llvmpipe") && gl_->blendFuncSeparate;
    glGenTextures(1, &colourTarget_);
    glBindTexture(GL_TEXTURE_2D, colourTarget_);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    AllocateTarget();

    gl_->genFramebuffers(1, &framebuffer_);
    gl_->bindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    gl_->framebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, colourTarget_, 0);
    if (gl_->checkFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE)
        return false;

    // Vertices arrive in clip space: no depth, no culling, no lighting, and no transform but
    // one: the game's texture coordinates put texel centres on whole virtual coordinates, while
    // OpenGL samples each pixel at its centre, half a pixel further on. Moving everything half
    // a target pixel right and down makes an unscaled image land texel for pixel instead of
    // averaging each pair of neighbouring texels.
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
    // has no alpha test, and a GPU blends such fragments for next to nothing.
#ifdef __EMSCRIPTEN__
    discardTransparent_ = false;
#else
    glAlphaFunc(GL_GREATER, 0.0f);
#endif
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    return true;
}

GlRenderBackend::~GlRenderBackend()
{
    for (TextureRecord& record : textures_) {
        if (record.ownTexture && record.glTexture != 0)
            glDeleteTextures(1, &record.glTexture);
        DeleteCopies(record);
    }
    if (!atlasPages_.empty())
        glDeleteTextures(static_cast<GLsizei>(atlasPages_.size()), atlasPages_.data());
    if (framebuffer_) {
        gl_->bindFramebuffer(GL_FRAMEBUFFER, 0);
        gl_->deleteFramebuffers(1, &framebuffer_);
    }
    if (colourTarget_)
        glDeleteTextures(1, &colourTarget_);
}

// Handed over as B, G, R, A (the order of the window's own pixels), the driver may store them
// so: Mesa then copies between them and the window with a plain copy instead of a drawing pass.
// Otherwise as R, G, B, A, the only layout WebGL takes.
int GlRenderBackend::TargetFormat() const { return presentByCopy_ ? GL_RGBA : GL_RGBA8; }

unsigned GlRenderBackend::TargetLayout() const
{
#ifdef __EMSCRIPTEN__
    return GL_RGBA;
#else
    return presentByCopy_ ? GL_BGRA : GL_RGBA;
#endif
}

void GlRenderBackend::AllocateTarget()
{
    glBindTexture(GL_TEXTURE_2D, colourTarget_);
    glTexImage2D(GL_TEXTURE_2D, 0, TargetFormat(), kTargetWidth, kTargetHeight, 0, TargetLayout(), GL_UNSIGNED_BYTE,
                 nullptr);
    glBindTexture(GL_TEXTURE_2D, 0);
}

unsigned GlRenderBackend::NewGlTexture(int width, int height, const uint8_t* rgba)
{
    return NewGlTexture(width, height, rgba, GL_RGBA8, GL_RGBA);
}

unsigned GlRenderBackend::NewGlTexture(int width, int height, const uint8_t* pixels, int internalFormat, unsigned layout)
{
    GLuint name = 0;
    glGenTextures(1, &name);
    if (name == 0)
        return 0;
    while (glGetError() != GL_NO_ERROR) {
    }
    glBindTexture(GL_TEXTURE_2D, name);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, internalFormat, width, height, 0, layout, GL_UNSIGNED_BYTE, pixels);
    if (glGetError() != GL_NO_ERROR) {
        glDeleteTextures(1, &name);
        return 0;
    }
    return name;
}

namespace {

// The image with its edge texels copied outwards into a border on every side.
std::vector<uint8_t> WithExtrudedBorder(int width, int height, const uint8_t* rgba, int border)
{
    const int w = width + 2 * border;
    const int h = height + 2 * border;
    std::vector<uint8_t> out(static_cast<std::size_t>(w) * h * 4);
    for (int y = 0; y < h; ++y) {
        const int sy = std::min(std::max(y - border, 0), height - 1);
        for (int x = 0; x < w; ++x) {
            const int sx = std::min(std::max(x - border, 0), width - 1);
            std::memcpy(&out[(static_cast<std::size_t>(y) * w + x) * 4], &rgba[(static_cast<std::size_t>(sy) * width + sx) * 4], 4);
        }
    }
    return out;
}

} // namespace

TextureHandle GlRenderBackend::AddToAtlas(int width, int height, const uint8_t* rgba)
{
    const AtlasPacker::Placement place = packer_.Place(width, height);
    while (static_cast<int>(atlasPages_.size()) <= place.page) {
        const unsigned page = NewGlTexture(AtlasPacker::kPageSize, AtlasPacker::kPageSize, nullptr);
        if (page == 0)
            return 0;
        atlasPages_.push_back(page);
    }
    const int border = AtlasPacker::kBorder;
    const std::vector<uint8_t> block = WithExtrudedBorder(width, height, rgba, border);
    glBindTexture(GL_TEXTURE_2D, atlasPages_[place.page]);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexSubImage2D(GL_TEXTURE_2D, 0, place.x - border, place.y - border, width + 2 * border, height + 2 * border,
                    GL_RGBA, GL_UNSIGNED_BYTE, block.data());
    const float page = static_cast<float>(AtlasPacker::kPageSize);
    TextureRecord record;
    record.glTexture = atlasPages_[place.page];
    record.u0 = place.x / page;
    record.v0 = place.y / page;
    record.uScale = width / page;
    record.vScale = height / page;
    return Register(record, width, height, rgba);
}

TextureHandle GlRenderBackend::Register(TextureRecord record, int width, int height, const uint8_t* rgba)
{
    record.width = width;
    record.height = height;
    record.opaque = true;
    const std::size_t bytes = static_cast<std::size_t>(width) * height * 4;
    for (std::size_t alpha = 3; alpha < bytes && record.opaque; alpha += 4)
        record.opaque = rgba[alpha] == 255;
    if (record.opaque && width == kTargetWidth && height == kTargetHeight)
        AddCover(record, rgba);
    if (!record.opaque && record.ownTexture && makesPremultipliedTwins_)
        AddPremultipliedTwin(record, rgba);
    textures_.push_back(record);
    return static_cast<TextureHandle>(textures_.size());
}

void GlRenderBackend::AddCover(TextureRecord& record, const uint8_t* rgba)
{
    const std::vector<uint8_t> bottomUp = BottomUp(record.width, record.height, rgba, TargetLayout() != GL_RGBA);
    record.coverTexture = NewGlTexture(record.width, record.height, bottomUp.data(), TargetFormat(), TargetLayout());
    if (record.coverTexture == 0)
        return;
    gl_->genFramebuffers(1, &record.coverFramebuffer);
    gl_->bindFramebuffer(GL_FRAMEBUFFER, record.coverFramebuffer);
    gl_->framebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, record.coverTexture, 0);
    const bool complete = gl_->checkFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    gl_->bindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    if (!complete)
        DeleteCover(record);
}

void GlRenderBackend::AddPremultipliedTwin(TextureRecord& record, const uint8_t* rgba)
{
    record.premultipliedTexture = NewGlTexture(record.width, record.height, Premultiplied(record.width, record.height, rgba).data());
}

void GlRenderBackend::DeleteCopies(TextureRecord& record)
{
    DeleteCover(record);
    if (record.premultipliedTexture != 0)
        glDeleteTextures(1, &record.premultipliedTexture);
    record.premultipliedTexture = 0;
}

void GlRenderBackend::DeleteCover(TextureRecord& record)
{
    if (record.coverFramebuffer != 0)
        gl_->deleteFramebuffers(1, &record.coverFramebuffer);
    if (record.coverTexture != 0)
        glDeleteTextures(1, &record.coverTexture);
    record.coverFramebuffer = 0;
    record.coverTexture = 0;
}

TextureHandle GlRenderBackend::CreateTexture(int width, int height, const uint8_t* rgba)
{
    if (width <= 0 || height <= 0 || !rgba)
        return 0;
    Flush();
    if (AtlasPacker::Fits(width, height))
        return AddToAtlas(width, height, rgba);
    TextureRecord record;
    record.glTexture = NewGlTexture(width, height, rgba);
    record.ownTexture = true;
    if (record.glTexture == 0)
        return 0;
    return Register(record, width, height, rgba);
}

void GlRenderBackend::DeleteTexture(TextureHandle texture)
{
    if (texture == 0 || texture > textures_.size())
        return;
    Flush();
    TextureRecord& record = textures_[texture - 1];
    // Atlas pages live as long as the device; an image of its own goes now.
    if (record.ownTexture && record.glTexture != 0) {
        const GLuint name = record.glTexture;
        glDeleteTextures(1, &name);
    }
    DeleteCopies(record);
    record = TextureRecord();
}

void GlRenderBackend::BeginFrame()
{
    drawCallsThisFrame_ = 0;
    coversCopiedThisFrame_ = 0;
    premultipliedBatchesThisFrame_ = 0;
    gl_->bindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    glViewport(0, 0, kTargetWidth, kTargetHeight);
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
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    if (!coverFollows) {
        glClear(GL_COLOR_BUFFER_BIT);
        return;
    }
    OnCoverEdges([] { glClear(GL_COLOR_BUFFER_BIT); });
}

bool GlRenderBackend::CopiesAsCover(const TextureRecord& record, const QuadStrip& quad) const
{
    return copyWherePictureCovers_ && record.coverFramebuffer != 0 && Untinted(quad) &&
           TexelForPixel(quad, record.width, record.height) && LaysImageOverTarget(quad);
}

// The quad's left and top edges run through the centres of the target's first column and top
// row, and whether a pixel on an edge is drawn is the driver's choice (Mesa leaves the top row
// alone): those two lines are still drawn by the quad, cut to them; everything inside is copied.
void GlRenderBackend::CopyCover(const TextureRecord& record, const QuadStrip& quad)
{
    Flush();
    gl_->bindFramebuffer(GL_READ_FRAMEBUFFER, record.coverFramebuffer);
    gl_->bindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffer_);
    // Rows bottom up: the top row is the last.
    gl_->blitFramebuffer(1, 0, kTargetWidth, kTargetHeight - 1, 1, 0, kTargetWidth, kTargetHeight - 1,
                         GL_COLOR_BUFFER_BIT, GL_NEAREST);
    ++coversCopiedThisFrame_;
    gl_->bindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    OnCoverEdges([&] {
        Append(record, quad);
        Flush();
    });
}

void GlRenderBackend::SubmitQuad(TextureHandle texture, const QuadStrip& quad)
{
    if (texture == 0 || texture > textures_.size())
        return;
    const TextureRecord& record = textures_[texture - 1];
    if (record.glTexture == 0)
        return;
    const bool cover = CopiesAsCover(record, quad);
    ClearIfPending(cover);
    if (cover) {
        CopyCover(record, quad);
        return;
    }
    if (record.glTexture != batchTexture_ || vertices_.size() >= kMaxBatchQuads * 4)
        Flush();
    Append(record, quad);
    if (!batching_)
        Flush();
}

void GlRenderBackend::Append(const TextureRecord& record, const QuadStrip& quad)
{
    batchTexture_ = record.glTexture;
    const uint16_t base = static_cast<uint16_t>(vertices_.size());
    bool opaque = record.opaque;
    for (const QuadVertex& vertex : quad.v) {
        vertices_.push_back(vertex);
        vertices_.back().u = record.u0 + vertex.u * record.uScale;
        vertices_.back().v = record.v0 + vertex.v * record.vScale;
        vertices_.back().colour = InColourLayout(vertex.colour);
        opaque = opaque && (vertex.colour >> 24) == 0xFF;
    }
    batchBlends_ = batchBlends_ || !opaque;
    batchUntinted_ = batchUntinted_ && Untinted(quad);
    batchPremultiplied_ = record.premultipliedTexture;
    batchExact_ = batchExact_ && nearestWhereExact_ && TexelForPixel(quad, record.width, record.height);
    // The strip bottom-left, top-left, bottom-right, top-right as two triangles.
    const uint16_t strip[6] = {base, static_cast<uint16_t>(base + 1), static_cast<uint16_t>(base + 2),
                               static_cast<uint16_t>(base + 1), static_cast<uint16_t>(base + 3), static_cast<uint16_t>(base + 2)};
    indices_.insert(indices_.end(), strip, strip + 6);
}

void GlRenderBackend::Flush()
{
    if (vertices_.empty())
        return;
    if (batchBlends_ && batchExact_ && batchUntinted_ && batchPremultiplied_ != 0 && blendPremultipliedWhereExact_)
        DrawPremultiplied();
    else
        DrawBatch();
    ++drawCallsThisFrame_;
    vertices_.clear();
    indices_.clear();
    batchBlends_ = false;
    batchExact_ = true;
    batchUntinted_ = true;
}

// Linear sampling and blending only while drawing; nearest and no blending at rest. Quads that
// are opaque all over (an opaque image in an opaque colour: the paper, the title) cover what is
// under them whether blended or not, and Mesa's software rasteriser draws the full-screen paper
// about 15% faster unblended. A batch all texel for pixel keeps nearest sampling, which reads
// exactly the texels linear sampling would.
void GlRenderBackend::DrawBatch()
{
    glBindTexture(GL_TEXTURE_2D, batchTexture_);
    if (!batchExact_) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    }
    const bool discards = batchBlends_ && discardTransparent_;
    if (batchBlends_)
        glEnable(GL_BLEND);
    if (discards)
        glEnable(GL_ALPHA_TEST);
    DrawTriangles();
    glDisable(GL_BLEND);
    if (discards)
        glDisable(GL_ALPHA_TEST);
    if (!batchExact_) {
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    }
}

// The colours arrive multiplied by their alpha already: they are taken as they are (no tint to
// multiply by) and added to the pixel's share; the alpha keeps its own blend, so the target's
// alpha too is what the image itself would leave.
void GlRenderBackend::DrawPremultiplied()
{
    glBindTexture(GL_TEXTURE_2D, batchPremultiplied_);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    gl_->blendFuncSeparate(GL_ONE, GL_ONE_MINUS_SRC_ALPHA, GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_BLEND);
    DrawTriangles();
    glDisable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    ++premultipliedBatchesThisFrame_;
}

void GlRenderBackend::DrawTriangles()
{
    const char* base = reinterpret_cast<const char*>(vertices_.data());
    glVertexPointer(3, GL_FLOAT, sizeof(QuadVertex), base + offsetof(QuadVertex, x));
    glColorPointer(kColourLayout, GL_UNSIGNED_BYTE, sizeof(QuadVertex), base + offsetof(QuadVertex, colour));
    glTexCoordPointer(2, GL_FLOAT, sizeof(QuadVertex), base + offsetof(QuadVertex, u));
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(indices_.size()), GL_UNSIGNED_SHORT, indices_.data());
}

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

void GlRenderBackend::Present()
{
    gl_->bindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer_);
    gl_->bindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    glViewport(0, 0, windowWidth_, windowHeight_);
    if (!picture_.Covers(windowWidth_, windowHeight_)) {
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    // OpenGL counts the window's rows from the bottom. A picture shown at its own size lands
    // pixel for pixel: nearest copies what linear filtering would, without the filtering.
    const int bottom = windowHeight_ - picture_.y - picture_.height;
    const bool pixelForPixel = picture_.width == kTargetWidth && picture_.height == kTargetHeight;
    if (pixelForPixel && presentByCopy_)
        PresentRowByRow(picture_.x, bottom);
    else
        gl_->blitFramebuffer(0, 0, kTargetWidth, kTargetHeight, picture_.x, bottom, picture_.x + picture_.width,
                             bottom + picture_.height, GL_COLOR_BUFFER_BIT, pixelForPixel ? GL_NEAREST : GL_LINEAR);
#ifdef __EMSCRIPTEN__
    SDL_GL_SwapBuffers(); // the page shows the canvas as it stands when the frame ends
#else
    SDL_GL_SwapWindow(SDL_GL_GetCurrentWindow());
#endif
    gl_->bindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
}

// Mesa's software rasteriser keeps the target's rows bottom up and the window's top down, so
// one blit of the whole picture turns it over with a drawing pass over every pixel. A row turned
// over is the same row: each row blitted on its own, given upside down, is a plain copy (with
// the target laid as the window; otherwise each row would be a drawing pass of its own).
void GlRenderBackend::PresentRowByRow(int left, int bottom)
{
    for (int row = 0; row < kTargetHeight; ++row)
        gl_->blitFramebuffer(0, row + 1, kTargetWidth, row, left, bottom + row, left + kTargetWidth, bottom + row + 1,
                             GL_COLOR_BUFFER_BIT, GL_NEAREST);
}

bool GlRenderBackend::ReadTarget(std::vector<uint8_t>& rgba)
{
    Flush();
    ClearIfPending(false);
    std::vector<uint8_t> bottomUp(static_cast<std::size_t>(kTargetWidth) * kTargetHeight * 4);
    gl_->bindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer_);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kTargetWidth, kTargetHeight, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
    rgba.resize(bottomUp.size());
    const std::size_t row = static_cast<std::size_t>(kTargetWidth) * 4;
    for (int y = 0; y < kTargetHeight; ++y)
        std::memcpy(&rgba[y * row], &bottomUp[(kTargetHeight - 1 - y) * row], row);
    return true;
}

void GlRenderBackend::SetPresentArea(int windowWidth, int windowHeight, const PictureRect& picture)
{
    windowWidth_ = windowWidth;
    windowHeight_ = windowHeight;
    picture_ = picture;
}

// What is pending is drawn as the setting had it.
void GlRenderBackend::Switch(bool& setting, bool on)
{
    Flush();
    setting = on;
}

void GlRenderBackend::SetBatching(bool on) { Switch(batching_, on); }

void GlRenderBackend::SetNearestWhereExact(bool on) { Switch(nearestWhereExact_, on); }

void GlRenderBackend::SetCopyWherePictureCovers(bool on) { Switch(copyWherePictureCovers_, on); }

void GlRenderBackend::SetBlendPremultipliedWhereExact(bool on) { Switch(blendPremultipliedWhereExact_, on); }

void GlRenderBackend::SetDiscardTransparent(bool on) { Switch(discardTransparent_, on); }

bool GlRenderBackend::SetPresentByCopy(bool on)
{
#ifdef __EMSCRIPTEN__
    return !on;
#else
    Flush();
    if (on == presentByCopy_)
        return true;
    presentByCopy_ = on;
    AllocateTarget();
    for (TextureRecord& record : textures_) {
        if (record.coverTexture != 0)
            RelayCover(record);
    }
    gl_->bindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    return true;
#endif
}

#ifndef __EMSCRIPTEN__
// The cover's pixels read back in the target's new layout and handed over again in it.
void GlRenderBackend::RelayCover(const TextureRecord& record)
{
    std::vector<uint8_t> pixels(static_cast<std::size_t>(record.width) * record.height * 4);
    glBindTexture(GL_TEXTURE_2D, record.coverTexture);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, TargetLayout(), GL_UNSIGNED_BYTE, pixels.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, TargetFormat(), record.width, record.height, 0, TargetLayout(), GL_UNSIGNED_BYTE,
                 pixels.data());
    glBindTexture(GL_TEXTURE_2D, 0);
}
#endif
