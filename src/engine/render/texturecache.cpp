// The image cache: every picture decoded once and kept as a device texture until shutdown.
#include "engine/render/texturecache.h"

#include "utils/log.h"

#include <SDL.h>
#ifndef __EMSCRIPTEN__
#include <SDL_image.h>
#endif
#include <stb/stb_image.h>

#include <cstring>
#include <map>

namespace {

// The records are held here by value (none for a name that failed to load), so none is left
// behind at exit; the device textures go with ReleaseAllTextures, while the device still exists.
std::map<std::string, std::optional<TextureEntry>> g_textureCache;

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
        kolm::SayText("Couldn't load texture: " + name);
    else
        kolm::Say("Couldn't load image: " + name);
}

#ifndef __EMSCRIPTEN__
// SDL_image hands a grey PNG with alpha, or with a transparent grey level (tRNS), over as grey
// and alpha byte pairs in a surface whose format claims 16-bit RGB. It makes no other two-byte
// surface of a PNG or a JPG, the only pictures the game reads.
bool HoldsGreyAlphaPairs(const SDL_Surface* surface)
{
    return surface->format->BytesPerPixel == 2 && !surface->format->palette;
}

void ReadGreyAlphaPairs(const SDL_Surface* surface, std::vector<uint8_t>& rgba)
{
    uint8_t* out = rgba.data();
    for (int y = 0; y < surface->h; ++y) {
        const uint8_t* pair = static_cast<const uint8_t*>(surface->pixels) + y * surface->pitch;
        for (int x = 0; x < surface->w; ++x, pair += 2, out += 4) {
            out[0] = out[1] = out[2] = pair[0];
            out[3] = pair[1];
        }
    }
}

// Every other kind of PNG and JPG (grey, palette, a transparent colour, alpha) converted to
// R, G, B, A bytes, a transparent colour as alpha 0.
bool ReadConverted(SDL_Surface* surface, std::vector<uint8_t>& rgba)
{
    SDL_Surface* converted = SDL_ConvertSurfaceFormat(surface, SDL_PIXELFORMAT_RGBA32, 0);
    if (!converted)
        return false;
    const std::size_t row = static_cast<std::size_t>(converted->w) * 4;
    for (int y = 0; y < converted->h; ++y)
        std::memcpy(&rgba[y * row], static_cast<const uint8_t*>(converted->pixels) + y * converted->pitch, row);
    SDL_FreeSurface(converted);
    return true;
}
#endif

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
    bool read = true;
    if (HoldsGreyAlphaPairs(surface))
        ReadGreyAlphaPairs(surface, rgba);
    else
        read = ReadConverted(surface, rgba);
    SDL_UnlockSurface(surface);
    SDL_FreeSurface(surface);
    return read && width > 0 && height > 0;
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

std::optional<TextureEntry> LoadTexture(const std::string& name)
{
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;
    if (!DecodeImageFile(name, width, height, rgba)) {
        ReportUnloadable(name);
        return std::nullopt;
    }
    const TextureHandle texture = GetRenderBackend().CreateTexture(width, height, rgba.data());
    if (texture == 0) {
        kolm::SayText("Couldn't load texture: " + name);
        return std::nullopt;
    }
    return TextureEntry{texture, width, height};
}

TextureEntry* GetTexture(const std::string& name)
{
    auto found = g_textureCache.find(name);
    if (found == g_textureCache.end())
        found = g_textureCache.emplace(name, LoadTexture(name)).first;
    std::optional<TextureEntry>& entry = found->second;
    return entry ? &*entry : nullptr;
}

TextureEntry* FindTexture(const std::string& name)
{
    const auto found = g_textureCache.find(name);
    return found != g_textureCache.end() && found->second ? &*found->second : nullptr;
}

TextureEntry* KeepTexture(const std::string& name, int width, int height, const uint8_t* rgba)
{
    auto found = g_textureCache.find(name);
    if (found == g_textureCache.end()) {
        const TextureHandle texture = GetRenderBackend().CreateTexture(width, height, rgba);
        std::optional<TextureEntry> entry;
        if (texture != 0)
            entry = TextureEntry{texture, width, height};
        found = g_textureCache.emplace(name, entry).first;
    }
    return found->second ? &*found->second : nullptr;
}

void ReleaseAllTextures()
{
    for (auto& named : g_textureCache) {
        if (named.second)
            GetRenderBackend().DeleteTexture(named.second->texture);
    }
    g_textureCache.clear();
}
