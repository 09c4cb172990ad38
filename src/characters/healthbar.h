#pragma once
// The small bar that floats over a damaged character and fades away a second after the last
// hit. It points at two sprites of the world's container and fades them through the world's
// particle system; destroying the bar takes its sprites away from any particle first.
#include "engine/core/vectormath.h"

#include <cstdint>

class CSprite;
class CSpriteContainer;
class ParticleSystem;

class HealthBar {
public:
    // The world's Create: the fill, then its frame on top.
    HealthBar(CSpriteContainer& sprites, ParticleSystem& particles);
    // A bar whose sprites a snapshot gives it (Keep).
    explicit HealthBar(ParticleSystem& particles) : particles_(&particles) {}
    HealthBar(const HealthBar&) = delete;
    HealthBar& operator=(const HealthBar&) = delete;
    ~HealthBar();

    void SetSize(float maxHealth);
    void Show(float fraction);
    void Hide();
    void Follow(uint32_t now, const vector2& point);

    template <typename Archive>
    void Keep(Archive& archive)
    {
        archive.Value(shown);
        archive.Sprite(front);
        archive.Sprite(back);
        archive.Value(hideTime);
        archive.Value(scaleX);
        archive.Value(scaleY);
    }

    bool shown = false;
    CSprite* front = nullptr; // the fill, "data/gfx/zarn_slider_front.png"
    CSprite* back = nullptr;  // the frame, "data/gfx/zarn_slider_back.png"
    uint32_t hideTime = 0;
    float scaleX = 1.0f;
    float scaleY = 1.0f;

private:
    void Fade(float alphaRate);

    ParticleSystem* particles_;
};
