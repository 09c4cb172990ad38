#pragma once
// The 1280 x 720 RGBA target every quad is drawn into (a framebuffer object), the copies of
// opaque pictures of its size that can be copied over it, and its present into the window.
// Laid as the window's pixels (B, G, R, A), it is handed to the window a row at a time, each
// row a plain copy on Mesa's software rasteriser; laid R, G, B, A, it is presented in one blit.
#include "engine/gl/glsupport.h"
#include "engine/render/picturerect.h"

#include <cstdint>
#include <functional>
#include <vector>

// An opaque picture of the target's size with its rows bottom up and its pixels laid as the
// target holds them, in a framebuffer of its own to copy the target from.
struct GlCover {
    unsigned texture = 0;
    unsigned framebuffer = 0;
};

class GlTarget {
public:
    GlTarget(const GlFunctions& gl, std::function<void()> swapBuffers);
    ~GlTarget();
    GlTarget(const GlTarget&) = delete;
    GlTarget& operator=(const GlTarget&) = delete;

    // False when OpenGL cannot draw into a target laid so.
    bool Init(bool laidAsWindow);
    bool LaidAsWindow() const { return laidAsWindow_; }
    // Lays the target anew, its pixels undefined; each cover must follow with RelayCover.
    void Relay(bool laidAsWindow);
    void RelayCover(const GlCover& cover) const;

    // A cover of the target's size from rgba (rows top to bottom); none (all 0) when OpenGL
    // cannot make it.
    GlCover MakeCover(const uint8_t* rgba) const;
    void DeleteCover(GlCover& cover) const;

    // Every draw goes into the target from now on.
    void Bind() const;
    void Clear() const;
    // Copies the cover over the target but for the two lines through which a quad laid over the
    // whole target runs its edges, its first column and top row: whether a pixel on an edge is
    // drawn is the driver's choice (Mesa leaves the top row alone), and so is left to OnCoverEdges.
    void CopyCover(const GlCover& cover) const;
    // Does the work twice, cut first to the target's first column, then to its top row.
    void OnCoverEdges(const std::function<void()>& work) const;

    // The target's pixels, rows top to bottom.
    void Read(std::vector<uint8_t>& rgba) const;
    // The target into its place in the window, black around it, and the window's buffers swapped.
    void Present(int windowWidth, int windowHeight, const PictureRect& picture) const;

private:
    // The target's OpenGL internal format and the layout its pixels are handed over in.
    int Format() const;
    unsigned Layout() const;
    void Allocate();
    void PresentRowByRow(int left, int bottom) const;

    const GlFunctions& gl_;
    std::function<void()> swapBuffers_;
    bool laidAsWindow_ = false;
    unsigned framebuffer_ = 0;
    unsigned colour_ = 0;
};
