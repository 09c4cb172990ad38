#pragma once
// Owns a layer of sprites by value in draw order (first drawn first, at the bottom). Sprites die
// here: the draw pass destroys the ones whose killed flag it sees, and moves the ones asking to be
// sent back to just above the bottom sprite. A sprite handed out stays where it is in memory
// until then, whatever happens to the others.
#include "engine/render/sprite.h"

#include <cstdint>
#include <list>
#include <string>

class CSpriteContainer {
public:
    CSpriteContainer() = default;
    CSpriteContainer(const CSpriteContainer&) = delete;
    CSpriteContainer& operator=(const CSpriteContainer&) = delete;

    // A new sprite of the image on top of everything; without the image it never draws.
    CSprite* CreateSprite(const std::string& imageFile);
    // The same, placed second in draw order (just above the bottom sprite).
    CSprite* CreateSpriteBehind(const std::string& imageFile);
    // Draws every sprite in order: the killed ones go, the ones sent to the back go there. With
    // a bright area (in square units of the picture), the bright sprites are drawn fainter when
    // together, size times alpha, they would light up more than that; their own alpha stays.
    void Draw(float brightArea = 0.0f);
    // What a draw does to the sprites, without drawing them.
    void SweepKilled();
    void UpdateAnimations(uint32_t dt);
    void Clear();

    std::size_t Count() const { return sprites_.size(); }
    // Every sprite in draw order, for a snapshot: the archive learns each sprite's place, so that
    // whoever holds a sprite keeps it by its place. Read back into an empty container.
    template <typename Archive>
    void Keep(Archive& archive)
    {
        const uint32_t count = archive.Count(sprites_.size());
        if constexpr (Archive::kReading) {
            for (uint32_t i = 0; i < count; ++i)
                sprites_.emplace_back();
        }
        uint32_t place = 0;
        for (CSprite& sprite : sprites_)
            archive.NoteSprite(sprite, place++);
        for (CSprite& sprite : sprites_)
            sprite.Keep(archive);
    }
    // The sprites in draw order, for tests.
    std::list<CSprite*> Sprites();

private:
    void Pass(bool drawn, float brightAlpha = 1.0f);
    // What the bright sprites' alpha is multiplied by to light up no more than the area.
    float BrightAlpha(float brightArea) const;

    // Gives a new sprite its image (when the image loads) and hands it out.
    static CSprite* WithImage(CSprite& sprite, const std::string& imageFile);

    std::list<CSprite> sprites_;
    std::list<CSprite> sentBack_; // scratch list of the draw pass, kept to reuse its nodes
};
