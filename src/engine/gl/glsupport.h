#pragma once
// What every part of the OpenGL device shares: the OpenGL headers, what the device needs of the
// window system (given to it, so that nothing of it knows SDL), the entry points beyond
// OpenGL 1.x, and the one way it makes a texture.
#include <GL/gl.h>
#include <GL/glext.h>

#include <cstdint>
#include <functional>

// The window system's side of the device: OpenGL's entry points looked up by name (null for
// one it lacks), and the window's buffers swapped.
struct GlPlatform {
    std::function<void*(const char* name)> entryPoint;
    std::function<void()> swapBuffers;
};

// The framebuffer-object entry points, which are not part of the OpenGL 1.x ABI.
struct GlFunctions {
    PFNGLGENFRAMEBUFFERSPROC genFramebuffers = nullptr;
    PFNGLDELETEFRAMEBUFFERSPROC deleteFramebuffers = nullptr;
    PFNGLBINDFRAMEBUFFERPROC bindFramebuffer = nullptr;
    PFNGLFRAMEBUFFERTEXTURE2DPROC framebufferTexture2D = nullptr;
    PFNGLCHECKFRAMEBUFFERSTATUSPROC checkFramebufferStatus = nullptr;
    PFNGLBLITFRAMEBUFFERPROC blitFramebuffer = nullptr;
    PFNGLBLENDFUNCSEPARATEPROC blendFuncSeparate = nullptr; // optional: none, no premultiplied twins

    // False when one the device cannot do without is missing.
    bool Load(const std::function<void*(const char* name)>& entryPoint);
};

// A texture of width x height pixels handed over in the given layout (nullptr: left undefined),
// clamped to its edges and sampled nearest; 0 when OpenGL could not make it.
unsigned NewGlTexture(int width, int height, const uint8_t* pixels, int internalFormat = GL_RGBA8,
                      unsigned layout = GL_RGBA);
