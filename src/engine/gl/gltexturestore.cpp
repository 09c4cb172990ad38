// The device's images on atlas pages and textures of their own, with their covers and twins.
#include "engine/gl/gltexturestore.h"

#include "engine/render/quadgeometry.h"

#include <algorithm>
#include <cstring>

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

bool EveryTexelOpaque(int width, int height, const uint8_t* rgba)
{
    const std::size_t bytes = static_cast<std::size_t>(width) * height * 4;
    for (std::size_t alpha = 3; alpha < bytes; alpha += 4) {
        if (rgba[alpha] != 255)
            return false;
    }
    return true;
}

} // namespace

GlTextureStore::GlTextureStore(const GlTarget& target, const DrawingStrategy& strategy)
    : target_(target), strategy_(strategy)
{
}

GlTextureStore::~GlTextureStore()
{
    for (GlImage& image : images_)
        Release(image);
    if (!atlasPages_.empty())
        glDeleteTextures(static_cast<GLsizei>(atlasPages_.size()), atlasPages_.data());
}

TextureHandle GlTextureStore::Create(int width, int height, const uint8_t* rgba)
{
    if (width <= 0 || height <= 0 || !rgba)
        return 0;
    if (AtlasPacker::Fits(width, height))
        return AddToAtlas(width, height, rgba);
    return AddOwnTexture(width, height, rgba);
}

TextureHandle GlTextureStore::AddOwnTexture(int width, int height, const uint8_t* rgba)
{
    GlImage image;
    image.place.texture = NewGlTexture(width, height, rgba);
    image.ownTexture = true;
    if (image.place.texture == 0)
        return 0;
    return Register(image, width, height, rgba);
}

TextureHandle GlTextureStore::AddToAtlas(int width, int height, const uint8_t* rgba)
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
    GlImage image;
    image.place.texture = atlasPages_[place.page];
    image.place.u0 = place.x / page;
    image.place.v0 = place.y / page;
    image.place.uScale = width / page;
    image.place.vScale = height / page;
    return Register(image, width, height, rgba);
}

TextureHandle GlTextureStore::Register(GlImage image, int width, int height, const uint8_t* rgba)
{
    image.place.width = width;
    image.place.height = height;
    image.place.opaque = EveryTexelOpaque(width, height, rgba);
    if (image.place.opaque && width == kTargetWidth && height == kTargetHeight)
        image.cover = target_.MakeCover(rgba);
    if (strategy_.MakesPremultipliedTwin(image.place.opaque, image.ownTexture))
        image.place.premultipliedTwin = NewGlTexture(width, height, Premultiplied(width, height, rgba).data());
    images_.push_back(image);
    return static_cast<TextureHandle>(images_.size());
}

void GlTextureStore::Delete(TextureHandle texture)
{
    if (texture == 0 || texture > images_.size())
        return;
    GlImage& image = images_[texture - 1];
    Release(image);
    image = GlImage();
}

const GlImage* GlTextureStore::Find(TextureHandle texture) const
{
    if (texture == 0 || texture > images_.size())
        return nullptr;
    const GlImage& image = images_[texture - 1];
    return image.place.texture != 0 ? &image : nullptr;
}

void GlTextureStore::RelayCovers() const
{
    for (const GlImage& image : images_) {
        if (image.cover.texture != 0)
            target_.RelayCover(image.cover);
    }
}

// Atlas pages live as long as the store; an image of its own goes now.
void GlTextureStore::Release(GlImage& image)
{
    if (image.ownTexture && image.place.texture != 0)
        glDeleteTextures(1, &image.place.texture);
    target_.DeleteCover(image.cover);
    if (image.place.premultipliedTwin != 0)
        glDeleteTextures(1, &image.place.premultipliedTwin);
}
