// The OpenGL entry points looked up through the window system, and the making of a texture.
#include "engine/gl/glsupport.h"

namespace {

template <typename Function>
void LookUp(Function& function, const std::function<void*(const char*)>& entryPoint, const char* name)
{
    function = reinterpret_cast<Function>(entryPoint(name));
}

} // namespace

bool GlFunctions::Load(const std::function<void*(const char* name)>& entryPoint)
{
    LookUp(genFramebuffers, entryPoint, "glGenFramebuffers");
    LookUp(deleteFramebuffers, entryPoint, "glDeleteFramebuffers");
    LookUp(bindFramebuffer, entryPoint, "glBindFramebuffer");
    LookUp(framebufferTexture2D, entryPoint, "glFramebufferTexture2D");
    LookUp(checkFramebufferStatus, entryPoint, "glCheckFramebufferStatus");
    LookUp(blitFramebuffer, entryPoint, "glBlitFramebuffer");
    LookUp(blendFuncSeparate, entryPoint, "glBlendFuncSeparate");
    return genFramebuffers && deleteFramebuffers && bindFramebuffer && framebufferTexture2D && checkFramebufferStatus &&
           blitFramebuffer;
}

unsigned NewGlTexture(int width, int height, const uint8_t* pixels, int internalFormat, unsigned layout)
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
