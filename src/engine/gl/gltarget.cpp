// The target framebuffer, its covers, its read-back and its two presents.
#include "engine/gl/gltarget.h"

#include "engine/render/quadgeometry.h"

#include <cstring>
#include <utility>

namespace {

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

} // namespace

GlTarget::GlTarget(const GlFunctions& gl, std::function<void()> swapBuffers)
    : gl_(gl), swapBuffers_(std::move(swapBuffers))
{
}

GlTarget::~GlTarget()
{
    if (framebuffer_) {
        gl_.bindFramebuffer(GL_FRAMEBUFFER, 0);
        gl_.deleteFramebuffers(1, &framebuffer_);
    }
    if (colour_)
        glDeleteTextures(1, &colour_);
}

bool GlTarget::Init(bool laidAsWindow)
{
    laidAsWindow_ = laidAsWindow;
    glGenTextures(1, &colour_);
    glBindTexture(GL_TEXTURE_2D, colour_);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    Allocate();
    gl_.genFramebuffers(1, &framebuffer_);
    gl_.bindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    gl_.framebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, colour_, 0);
    return gl_.checkFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
}

// Handed over as B, G, R, A (the order of the window's own pixels), the driver may store them
// so: Mesa then copies between them and the window with a plain copy instead of a drawing pass.
// Otherwise as R, G, B, A, the only layout WebGL takes.
int GlTarget::Format() const { return laidAsWindow_ ? GL_RGBA : GL_RGBA8; }

unsigned GlTarget::Layout() const
{
#ifdef __EMSCRIPTEN__
    return GL_RGBA;
#else
    return laidAsWindow_ ? GL_BGRA : GL_RGBA;
#endif
}

void GlTarget::Allocate()
{
    glBindTexture(GL_TEXTURE_2D, colour_);
    glTexImage2D(GL_TEXTURE_2D, 0, Format(), kTargetWidth, kTargetHeight, 0, Layout(), GL_UNSIGNED_BYTE, nullptr);
    glBindTexture(GL_TEXTURE_2D, 0);
}

void GlTarget::Relay(bool laidAsWindow)
{
    laidAsWindow_ = laidAsWindow;
    Allocate();
    gl_.bindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
}

// The cover's pixels read back in the target's new layout and handed over again in it. WebGL's
// target has one layout only, and so is never laid anew.
void GlTarget::RelayCover(const GlCover& cover) const
{
#ifdef __EMSCRIPTEN__
    (void)cover;
#else
    std::vector<uint8_t> pixels(static_cast<std::size_t>(kTargetWidth) * kTargetHeight * 4);
    glBindTexture(GL_TEXTURE_2D, cover.texture);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, Layout(), GL_UNSIGNED_BYTE, pixels.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, Format(), kTargetWidth, kTargetHeight, 0, Layout(), GL_UNSIGNED_BYTE,
                 pixels.data());
    glBindTexture(GL_TEXTURE_2D, 0);
#endif
}

GlCover GlTarget::MakeCover(const uint8_t* rgba) const
{
    GlCover cover;
    const std::vector<uint8_t> bottomUp = BottomUp(kTargetWidth, kTargetHeight, rgba, Layout() != GL_RGBA);
    cover.texture = NewGlTexture(kTargetWidth, kTargetHeight, bottomUp.data(), Format(), Layout());
    if (cover.texture == 0)
        return cover;
    gl_.genFramebuffers(1, &cover.framebuffer);
    gl_.bindFramebuffer(GL_FRAMEBUFFER, cover.framebuffer);
    gl_.framebufferTexture2D(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, cover.texture, 0);
    const bool complete = gl_.checkFramebufferStatus(GL_FRAMEBUFFER) == GL_FRAMEBUFFER_COMPLETE;
    gl_.bindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    if (!complete)
        DeleteCover(cover);
    return cover;
}

void GlTarget::DeleteCover(GlCover& cover) const
{
    if (cover.framebuffer != 0)
        gl_.deleteFramebuffers(1, &cover.framebuffer);
    if (cover.texture != 0)
        glDeleteTextures(1, &cover.texture);
    cover = GlCover();
}

void GlTarget::Bind() const
{
    gl_.bindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
    glViewport(0, 0, kTargetWidth, kTargetHeight);
}

void GlTarget::Clear() const
{
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT);
}

void GlTarget::CopyCover(const GlCover& cover) const
{
    gl_.bindFramebuffer(GL_READ_FRAMEBUFFER, cover.framebuffer);
    gl_.bindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffer_);
    // Rows bottom up: the top row is the last.
    gl_.blitFramebuffer(1, 0, kTargetWidth, kTargetHeight - 1, 1, 0, kTargetWidth, kTargetHeight - 1,
                        GL_COLOR_BUFFER_BIT, GL_NEAREST);
    gl_.bindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
}

void GlTarget::OnCoverEdges(const std::function<void()>& work) const
{
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, 0, 1, kTargetHeight);
    work();
    glScissor(0, kTargetHeight - 1, kTargetWidth, 1);
    work();
    glDisable(GL_SCISSOR_TEST);
}

void GlTarget::Read(std::vector<uint8_t>& rgba) const
{
    std::vector<uint8_t> bottomUp(static_cast<std::size_t>(kTargetWidth) * kTargetHeight * 4);
    gl_.bindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer_);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kTargetWidth, kTargetHeight, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
    rgba.resize(bottomUp.size());
    const std::size_t row = static_cast<std::size_t>(kTargetWidth) * 4;
    for (int y = 0; y < kTargetHeight; ++y)
        std::memcpy(&rgba[y * row], &bottomUp[(kTargetHeight - 1 - y) * row], row);
}

void GlTarget::Present(int windowWidth, int windowHeight, const PictureRect& picture) const
{
    gl_.bindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer_);
    gl_.bindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
    glViewport(0, 0, windowWidth, windowHeight);
    if (!picture.Covers(windowWidth, windowHeight)) {
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    // OpenGL counts the window's rows from the bottom. A picture shown at its own size lands
    // pixel for pixel: nearest copies what linear filtering would, without the filtering.
    const int bottom = windowHeight - picture.y - picture.height;
    const bool pixelForPixel = picture.width == kTargetWidth && picture.height == kTargetHeight;
    if (pixelForPixel && laidAsWindow_)
        PresentRowByRow(picture.x, bottom);
    else
        gl_.blitFramebuffer(0, 0, kTargetWidth, kTargetHeight, picture.x, bottom, picture.x + picture.width,
                            bottom + picture.height, GL_COLOR_BUFFER_BIT, pixelForPixel ? GL_NEAREST : GL_LINEAR);
    swapBuffers_();
    gl_.bindFramebuffer(GL_FRAMEBUFFER, framebuffer_);
}

// Mesa's software rasteriser keeps the target's rows bottom up and the window's top down, so
// one blit of the whole picture turns it over with a drawing pass over every pixel. A row turned
// over is the same row: each row blitted on its own, given upside down, is a plain copy (with
// the target laid as the window; otherwise each row would be a drawing pass of its own).
void GlTarget::PresentRowByRow(int left, int bottom) const
{
    for (int row = 0; row < kTargetHeight; ++row)
        gl_.blitFramebuffer(0, row + 1, kTargetWidth, row, left, bottom + row, left + kTargetWidth, bottom + row + 1,
                            GL_COLOR_BUFFER_BIT, GL_NEAREST);
}
