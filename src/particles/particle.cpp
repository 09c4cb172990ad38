#include "particles/particle.h"

#include "engine/core/portablemath.h"
#include "engine/render/sprite.h"

#include <cmath>

CParticle::CParticle(CSprite* sprite_) : sprite(sprite_)
{
    // Only the base step runs here, whatever the final class: a physics particle's own fields
    // are not set up yet, and with the defaults its extra step would change nothing anyway.
    CParticle::Update(0.0f);
    colourRate = {{0.0f, 0.0f, 0.0f}};
}

CParticle::~CParticle() { Retire(); }

void CParticle::Retire()
{
    if (!sprite)
        return;
    if (playDeath)
        sprite->PlayAnimation("death");
    if (removeSprite)
        sprite->killed = true;
}

void CParticle::Update(float seconds)
{
    if (!sprite)
        return;
    if (fixedAlpha >= 0.0f)
        sprite->SetAlpha(fixedAlpha);
    age += seconds;
    if (age < 0.0f) {
        FadeDuringDelay(seconds);
        return;
    }
    if (lifetime <= age)
        done = true;
    Tint(seconds);
    Move(seconds);
    Turn(seconds);
    Scale(seconds);
    ApplyDragAndAccel(seconds);
}

// While waiting to start, only the alpha changes.
void CParticle::FadeDuringDelay(float seconds)
{
    sprite->SetAlpha(sprite->colour[3] + delayAlphaRate * seconds);
}

void CParticle::Tint(float seconds)
{
    for (std::size_t channel = 0; channel < colourRate.size(); ++channel)
        sprite->colour[channel] = Clamp(sprite->colour[channel] + colourRate[channel] * seconds, 0.0f, 1.0f);
    sprite->SetAlpha(sprite->colour[3] + alphaRate * seconds);
}

// Moves with the velocity of the start of the step, before drag and acceleration.
void CParticle::Move(float seconds) { sprite->SetCentre(sprite->GetCentre() + vel * seconds); }

// Images that face their velocity point their long axis along +y, hence the quarter turn back.
void CParticle::Turn(float seconds)
{
    sprite->angle += spin * seconds;
    if (faceVelocity) {
        const vector2 direction = Normalized(vel);
        sprite->angle = kolm::Atan2(direction.y, direction.x) - 1.5707963f;
    }
}

// Scales about the centre; a shrinking sprite stops at its last non-negative scale rather than
// flipping over.
void CParticle::Scale(float seconds)
{
    const vector2 centre = sprite->GetCentre();
    const float scaleX = sprite->scaleX + scaleRate.x * seconds;
    const float scaleY = sprite->scaleY + scaleRate.y * seconds;
    if (scaleX >= 0.0f)
        sprite->scaleX = scaleX;
    if (scaleY >= 0.0f)
        sprite->scaleY = scaleY;
    sprite->SetCentre(centre);
}

void CParticle::ApplyDragAndAccel(float seconds)
{
    if (drag != 0.0f) {
        vel -= vel * drag * seconds;
        scaleRate -= scaleRate * drag * seconds;
    }
    vel += accel * seconds;
}

CPhysicsParticle::CPhysicsParticle(CSprite* sprite_) : CParticle(sprite_) {}

void CPhysicsParticle::Update(float seconds)
{
    CParticle::Update(seconds);
    if (!sprite || age < 0.0f)
        return;
    const vector2 velInFloorFrame = Rotate(vel, -tilt);
    if (curve)
        vel = velInFloorFrame;
    MeetFloor(velInFloorFrame);
}

// The floor line runs through the pivot at the angle tilt; its far side is +y in its own frame.
void CPhysicsParticle::MeetFloor(const vector2& velInFloorFrame)
{
    const vector2 centreInFloorFrame = RotateAround(sprite->GetCentre(), pivot, -tilt);
    const bool crossing = velInFloorFrame.y >= 0.0f && centreInFloorFrame.y > pivot.y;
    if (!crossing)
        return;
    if (bounce)
        vel = Rotate(vector2(velInFloorFrame.x, -restitution * velInFloorFrame.y), tilt);
    if (killOnFloor)
        done = true;
}
