// A layer of sprites in draw order: creation on top or just above the bottom, the draw pass that
// destroys the killed ones and sends sprites back, and their animation step.
#include "engine/render/spritecontainer.h"

#include "engine/render/texturecache.h"

#include <algorithm>
#include <cmath>
#include <iterator>

CSprite* CSpriteContainer::WithImage(CSprite& sprite, const std::string& imageFile)
{
    if (TextureEntry* entry = GetTexture(imageFile)) {
        sprite.texture = entry;
        sprite.frames[0] = entry;
        sprite.width = static_cast<float>(entry->width);
        sprite.height = static_cast<float>(entry->height);
    }
    return &sprite;
}

CSprite* CSpriteContainer::CreateSprite(const std::string& imageFile)
{
    return WithImage(sprites_.emplace_back(), imageFile);
}

CSprite* CSpriteContainer::CreateSpriteBehind(const std::string& imageFile)
{
    const auto position = sprites_.empty() ? sprites_.end() : std::next(sprites_.begin());
    return WithImage(*sprites_.emplace(position), imageFile);
}

void CSpriteContainer::Draw(float brightArea) { Pass(true, brightArea > 0.0f ? BrightAlpha(brightArea) : 1.0f); }

void CSpriteContainer::SweepKilled() { Pass(false); }

float CSpriteContainer::BrightAlpha(float brightArea) const
{
    float lit = 0.0f;
    for (const CSprite& sprite : sprites_) {
        if (sprite.bright && !sprite.killed)
            lit += std::fabs(sprite.width * sprite.scaleX * sprite.height * sprite.scaleY) * std::max(0.0f, sprite.colour[3]);
    }
    return lit > brightArea ? brightArea / lit : 1.0f;
}

namespace {

// Draws the sprite, a bright one with its alpha times brightAlpha for this draw alone.
void DrawSprite(CSprite& sprite, float brightAlpha)
{
    if (!sprite.bright || brightAlpha >= 1.0f) {
        sprite.Draw();
        return;
    }
    const float alpha = sprite.colour[3];
    sprite.colour[3] = alpha * brightAlpha;
    sprite.Draw();
    sprite.colour[3] = alpha;
}

} // namespace

void CSpriteContainer::Pass(bool drawn, float brightAlpha)
{
    for (auto it = sprites_.begin(); it != sprites_.end();) {
        CSprite& sprite = *it;
        if (sprite.sendToBack) {
            if (drawn)
                DrawSprite(sprite, brightAlpha);
            sprite.sendToBack = false;
            const auto moved = it++;
            sentBack_.splice(sentBack_.end(), sprites_, moved);
        } else if (sprite.killed) {
            it = sprites_.erase(it);
        } else {
            if (drawn)
                DrawSprite(sprite, brightAlpha);
            ++it;
        }
    }
    while (!sentBack_.empty()) {
        const auto position = sprites_.empty() ? sprites_.end() : std::next(sprites_.begin());
        sprites_.splice(position, sentBack_, sentBack_.begin());
    }
}

void CSpriteContainer::UpdateAnimations(uint32_t dt)
{
    for (CSprite& sprite : sprites_)
        sprite.UpdateAnimation(dt);
}

void CSpriteContainer::Clear()
{
    sprites_.clear();
    sentBack_.clear();
}

std::list<CSprite*> CSpriteContainer::Sprites()
{
    std::list<CSprite*> order;
    for (CSprite& sprite : sprites_)
        order.push_back(&sprite);
    return order;
}
