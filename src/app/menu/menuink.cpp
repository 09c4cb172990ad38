#include "app/menu/menuink.h"

#include "engine/render/texturecache.h"

#include <cmath>

CSprite* MenuInk::Place(const std::string& picture, float left, float middle, float alpha)
{
    CSprite* sprite = sprites_.CreateSprite(picture);
    sprite->x = std::round(left);
    sprite->y = std::round(middle - sprite->height * 0.5f);
    sprite->SetAlpha(alpha);
    return sprite;
}

void MenuInk::Write(const std::string& text, const vector2& anchor, datafiles::GlyphSize size, TextAlign align,
                    float alpha)
{
    lettering_.Write(text, anchor, size, align).SetAlpha(alpha);
}

float MenuInk::PictureWidth(const std::string& picture)
{
    const TextureEntry* entry = GetTexture(picture);
    return entry ? static_cast<float>(entry->width) : 0.0f;
}

float MenuInk::CapMiddle(float baseline)
{
    const int capHeight = datafiles::GlyphMetricsOf(datafiles::GlyphSize::kLarge).capHeight;
    return baseline - static_cast<float>(capHeight) * 0.5f;
}
