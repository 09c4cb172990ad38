#include "characters/healthbar.h"

#include "particles/particlesystem.h"
#include "engine/render/spritecontainer.h"
#include "utils/datafiles.h"

namespace {

void SetScaleIfNotNegative(float& component, float value)
{
    if (value >= 0.0f)
        component = value;
}

} // namespace

HealthBar::HealthBar(CSpriteContainer& sprites, ParticleSystem& particles) : particles_(&particles)
{
    front = sprites.CreateSprite(datafiles::kHealthBarFill);
    back = sprites.CreateSprite(datafiles::kHealthBarFrame);
}

HealthBar::~HealthBar()
{
    for (CSprite* sprite : {front, back}) {
        if (!sprite)
            continue;
        particles_->ReleaseSprite(sprite);
        sprite->killed = true;
    }
}

void HealthBar::SetSize(float maxHealth)
{
    const float s = maxHealth / 50.0f * 0.85f + 0.15f;
    scaleX = s;
    scaleY = Clamp(s, 0.5f, 1.5f);
    SetScaleIfNotNegative(back->scaleX, scaleX);
    SetScaleIfNotNegative(back->scaleY, scaleY);
    SetScaleIfNotNegative(front->scaleX, front->scaleX * scaleX);
    SetScaleIfNotNegative(front->scaleY, front->scaleY * scaleY);
}

void HealthBar::Show(float fraction)
{
    SetScaleIfNotNegative(front->scaleX, scaleX * fraction);
    SetScaleIfNotNegative(front->scaleY, scaleY * 0.875f);
    if (!shown) {
        shown = true;
        Fade(2.0f);
    }
}

void HealthBar::Hide()
{
    if (shown) {
        shown = false;
        Fade(-2.0f);
    }
}

void HealthBar::Fade(float alphaRate)
{
    for (CSprite* sprite : {front, back}) {
        if (CParticle* particle = particles_->AttachSprite(sprite, 0.5f))
            particle->alphaRate = alphaRate;
    }
}

void HealthBar::Follow(uint32_t now, const vector2& point)
{
    if (shown && hideTime < now)
        Hide();
    back->SetCentre(point);
    front->x = back->x + scaleX * 5.0f;
    front->y = back->y + scaleY * 4.0f;
}
