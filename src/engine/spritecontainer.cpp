#include "engine/spritecontainer.h"

#include "engine/texturecache.h"

#include <iterator>

CSpriteContainer::~CSpriteContainer() { Clear(); }

CSprite* CSpriteContainer::MakeSprite(const std::string& imageFile)
{
    CSprite* sprite = new CSprite;
    if (TextureEntry* entry = GetTexture(imageFile)) {
        sprite->texture = entry;
        sprite->frames[0] = entry;
        sprite->width = static_cast<float>(entry->width);
        sprite->height = static_cast<float>(entry->height);
    }
    return sprite;
}

CSprite* CSpriteContainer::CreateSprite(const std::string& imageFile)
{
    CSprite* sprite = MakeSprite(imageFile);
    sprites_.push_back(sprite);
    return sprite;
}

CSprite* CSpriteContainer::CreateSpriteBehind(const std::string& imageFile)
{
    CSprite* sprite = MakeSprite(imageFile);
    if (sprites_.empty())
        sprites_.push_back(sprite);
    else
        sprites_.insert(std::next(sprites_.begin()), sprite);
    return sprite;
}

void CSpriteContainer::Draw()
{
    for (auto it = sprites_.begin(); it != sprites_.end();) {
        CSprite* sprite = *it;
        if (sprite->sendToBack) {
            sprite->Draw();
            sprite->sendToBack = false;
            const auto moved = it++;
            sentBack_.splice(sentBack_.end(), sprites_, moved);
        } else if (sprite->killed) {
            delete sprite;
            it = sprites_.erase(it);
        } else {
            sprite->Draw();
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
    for (CSprite* sprite : sprites_)
        sprite->UpdateAnimation(dt);
}

void CSpriteContainer::Clear()
{
    for (CSprite* sprite : sprites_)
        delete sprite;
    sprites_.clear();
    for (CSprite* sprite : sentBack_)
        delete sprite;
    sentBack_.clear();
}
