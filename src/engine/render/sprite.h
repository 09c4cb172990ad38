#pragma once
// A sprite is a textured, scaled, rotated, tinted quad in the virtual screen, with a list of
// frame images and named frame animations. Sprites are owned by a sprite container; everyone
// else holds a plain pointer and ends a sprite by setting its killed flag.
#include "engine/core/vectormath.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct TextureEntry;

struct SpriteAnimation {
    std::vector<int32_t> frameIndices; // indices into the sprite's frames
    uint32_t frameTime = 0;            // milliseconds each step is shown
    bool loop = false;                 // restart at the end instead of holding the last step
    bool killAtEnd = false;            // set the sprite's killed flag on reaching the end
    std::string name;
};

class CSprite {
public:
    CSprite();
    CSprite(const CSprite&) = delete;
    CSprite& operator=(const CSprite&) = delete;

    virtual void SetCentre(const vector2& centre);
    virtual vector2 GetCentre() const;
    virtual vector2 GetSize() const;
    virtual ~CSprite();
    // Draws the whole current image.
    virtual bool Draw();

    // Replaces the frame images; the first becomes the current image.
    void SetFrames(const std::vector<TextureEntry*>& newFrames);
    // Adds the animation after those the sprite knows (searched in order by name).
    void AddAnimation(SpriteAnimation animation);
    // Starts the named animation (a running one is not restarted). "death" without such an
    // animation kills the sprite; any other unknown name changes nothing.
    void PlayAnimation(const std::string& name);
    void UpdateAnimation(uint32_t dt);
    void SetAlpha(float alpha);
    void SetColour(float r, float g, float b);
    // Draws a pixel rectangle of the current image; false when the sprite is wholly off-screen.
    bool DrawRegion(const rect& region);
    // The animation being played; null for none.
    const SpriteAnimation* CurrentAnimation() const;
    // Everything a sprite is, for a snapshot: its look (frames and animations) and its image by
    // the archive's handles, the rest as values.
    template <typename Archive>
    void Keep(Archive& archive)
    {
        archive.Look(frames, animations);
        archive.Texture(texture);
        archive.Value(paused);
        archive.Value(step);
        archive.Value(elapsed);
        archive.Value(width);
        archive.Value(height);
        archive.Value(x);
        archive.Value(y);
        archive.Value(angle);
        archive.Value(sendToBack);
        archive.Value(scaleX);
        archive.Value(scaleY);
        archive.Value(colour);
        archive.Value(killed);
        archive.Value(bright);
        archive.Value(currentAnimation_);
    }

    TextureEntry* texture = nullptr;
    std::vector<TextureEntry*> frames;
    std::vector<SpriteAnimation> animations;
    bool paused = false;
    uint32_t step = 0;
    uint32_t elapsed = 0;
    float width = 0.0f;
    float height = 0.0f;
    float x = 0.0f;
    float y = 0.0f;
    float angle = 0.0f;
    bool sendToBack = false;
    float scaleX = 1.0f;
    float scaleY = 1.0f;
    std::array<float, 4> colour{{1.0f, 1.0f, 1.0f, 1.0f}};
    bool killed = false;
    // A bright burst (an explosion's fire): a container can cap how much of the picture such
    // sprites light up at once.
    bool bright = false;

private:
    void ShowFrame(int32_t index);

    int32_t currentAnimation_ = -1; // index into animations; -1 for none
};

// Draws the image as a band from `from` to `to`: cropped to the line's length when the image
// is longer, stretched when it is shorter; lines under 2 units draw nothing.
void DrawLine(const TextureEntry* image, const vector2& from, const vector2& to);

// The 0xAARRGGBB vertex colour of four float channels (each truncated times 255, low 8 bits).
uint32_t PackColour(float r, float g, float b, float a);
