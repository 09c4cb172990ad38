#include "engine/render/picturecomposer.h"

PictureComposer::PictureComposer(int width, int height)
    : width_(width > 0 ? width : 0), height_(height > 0 ? height : 0),
      pixels_(static_cast<std::size_t>(width_) * height_ * 4, 0)
{
}

const PictureComposer::Decoded& PictureComposer::Read(const std::string& file)
{
    const auto found = read_.find(file);
    if (found != read_.end())
        return found->second;
    Decoded decoded;
    if (!DecodeImageFile(file, decoded.width, decoded.height, decoded.rgba))
        decoded = Decoded();
    return read_.emplace(file, std::move(decoded)).first->second;
}

// Source over destination, both straight alpha.
void PictureComposer::Blend(const uint8_t* source, int x, int y)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || source[3] == 0)
        return;
    uint8_t* target = &pixels_[(static_cast<std::size_t>(y) * width_ + x) * 4];
    const float sourceAlpha = source[3] / 255.0f;
    const float targetAlpha = target[3] / 255.0f * (1.0f - sourceAlpha);
    const float alpha = sourceAlpha + targetAlpha;
    for (int channel = 0; channel < 3; ++channel)
        target[channel] = static_cast<uint8_t>((source[channel] * sourceAlpha + target[channel] * targetAlpha) / alpha + 0.5f);
    target[3] = static_cast<uint8_t>(alpha * 255.0f + 0.5f);
}

void PictureComposer::Lay(const std::string& file, int x, int y, int width)
{
    const Decoded& picture = Read(file);
    if (picture.width == 0)
        return;
    const int across = width > 0 ? width : picture.width;
    for (int row = 0; row < picture.height; ++row) {
        for (int column = 0; column < across; ++column) {
            const int from = static_cast<int>(static_cast<int64_t>(column) * picture.width / across);
            Blend(&picture.rgba[(static_cast<std::size_t>(row) * picture.width + from) * 4], x + column, y + row);
        }
    }
}

TextureEntry* PictureComposer::Keep(const std::string& name) const
{
    return KeepTexture(name, width_, height_, pixels_.data());
}
