#include "engine/texturecache.h"

#include <SDL.h>
#ifndef __EMSCRIPTEN__
#include <SDL_image.h>
#endif
#include <stb/stb_image.h>

#include <iostream>
#include <map>
#include <memory>

namespace {

// The records are owned here (null for a name that failed to load), so none is left behind at
// exit; the device textures go with ReleaseAllTextures, while the device still exists.
std::map<std::string, std::unique_ptr<TextureEntry>> g_textureCache;

#ifndef __EMSCRIPTEN__
uint32_t ReadPixel(const SDL_Surface* surface, int x, int y)
{
    const int bpp = surface->format->BytesPerPixel;
    const uint8_t* p = static_cast<const uint8_t*>(surface->pixels) + y * surface->pitch + x * bpp;
    switch (bpp) {
    case 1:
        return *p;
    case 2:
        return *reinterpret_cast<const uint16_t*>(p);
    case 3:
        return SDL_BYTEORDER == SDL_BIG_ENDIAN ? (p[0] << 16 | p[1] << 8 | p[2])
                                               : (p[0] | p[1] << 8 | p[2] << 16);
    default:
        return *reinterpret_cast<const uint32_t*>(p);
    }
}

// SDL_image 1.2 hands a grey PNG with alpha or a transparent grey level (tRNS) over as grey
// and alpha byte pairs in a surface whose masks claim 16-bit RGB: classic SDL keeps the
// impossible masks it is given (the blue one beyond 16 bits), sdl12-compat puts RGB565's in
// their place. It makes no other two-byte surface of a PNG or a JPG, the only pictures the
// game reads.
bool HoldsGreyAlphaPairs(const SDL_Surface* surface)
{
    return surface->format->BytesPerPixel == 2 && !surface->format->palette;
}

void ReadRgba(const SDL_Surface* surface, int x, int y, uint8_t* out)
{
    if (HoldsGreyAlphaPairs(surface)) {
        const uint8_t* pair = static_cast<const uint8_t*>(surface->pixels) + y * surface->pitch + x * 2;
        out[0] = out[1] = out[2] = pair[0];
        out[3] = pair[1];
        return;
    }
    const uint32_t pixel = ReadPixel(surface, x, y);
    SDL_GetRGBA(pixel, surface->format, &out[0], &out[1], &out[2], &out[3]);
    // A PNG with one transparent palette index or colour (tRNS) comes with a colour key
    // instead of alpha, and SDL_GetRGBA does not look at the key.
    if ((surface->flags & SDL_SRCCOLORKEY) && pixel == surface->format->colorkey)
        out[3] = 0;
}
#endif

// Whether the file starts as a picture whose size can be read, decodable or not.
bool HeaderReads(const std::string& name)
{
    int width = 0;
    int height = 0;
    int channels = 0;
    return stbi_info(name.c_str(), &width, &height, &channels) != 0;
}

// A file that is no picture at all is reported like a missing one; a picture whose pixels do
// not decode, like one the device could not take. (The second line has no line end: whatever
// the game prints next continues it.)
void ReportUnloadable(const std::string& name)
{
    if (HeaderReads(name))
        std::cout << "Couldn't load texture: " << name << std::flush;
    else
        std::cout << "Couldn't load image: " << name << std::endl;
}

} // namespace

#ifndef __EMSCRIPTEN__
bool DecodeImageFile(const std::string& name, int& width, int& height, std::vector<uint8_t>& rgba)
{
    SDL_Surface* surface = IMG_Load(name.c_str());
    if (!surface)
        return false;
    width = surface->w;
    height = surface->h;
    rgba.resize(static_cast<std::size_t>(width) * height * 4);
    SDL_LockSurface(surface);
    uint8_t* out = rgba.data();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x, out += 4)
            ReadRgba(surface, x, y, out);
    }
    SDL_UnlockSurface(surface);
    SDL_FreeSurface(surface);
    return width > 0 && height > 0;
}
#else
// A web page's SDL_image reads only pictures the page preloaded, so the file is decoded here.
bool DecodeImageFile(const std::string& name, int& width, int& height, std::vector<uint8_t>& rgba)
{
    int channels = 0;
    stbi_uc* pixels = stbi_load(name.c_str(), &width, &height, &channels, 4);
    if (!pixels)
        return false;
    rgba.assign(pixels, pixels + static_cast<std::size_t>(width) * height * 4);
    stbi_image_free(pixels);
    return width > 0 && height > 0;
}
#endif

TextureEntry* LoadTexture(const std::string& name)
{
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;
    if (!DecodeImageFile(name, width, height, rgba)) {
        ReportUnloadable(name);
        return nullptr;
    }
    const TextureHandle texture = GetRenderBackend().CreateTexture(width, height, rgba.data());
    if (texture == 0) {
        std::cout << "Couldn't load texture: " << name << std::flush;
        return nullptr;
    }
    return new TextureEntry{texture, width, height};
}

TextureEntry* GetTexture(const std::string& name)
{
    const auto found = g_textureCache.find(name);
    if (found != g_textureCache.end())
        return found->second.get();
    TextureEntry* entry = LoadTexture(name);
    g_textureCache.emplace(name, std::unique_ptr<TextureEntry>(entry));
    return entry;
}

void ReleaseAllTextures()
{
    for (auto& named : g_textureCache) {
        if (named.second)
            GetRenderBackend().DeleteTexture(named.second->texture);
    }
    g_textureCache.clear();
}
