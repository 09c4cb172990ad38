#pragma once
// A particle drives one existing sprite for a limited time: it moves, spins, scales, tints and
// fades it, and when its time is up it retires, optionally playing the sprite's "death"
// animation or marking the sprite for removal. Particles never own their sprites; the sprite
// container does, and a particle ends a sprite only through its killed flag.
#include "engine/core/vectormath.h"

#include <array>
#include <cstdint>

class CSprite;

class CParticle {
public:
    // The defaults below, then one Update(0) (which re-applies the sprite's centre), then the
    // colour rates cleared again.
    explicit CParticle(CSprite* sprite);
    CParticle(const CParticle&) = delete;
    CParticle& operator=(const CParticle&) = delete;
    // Retires the particle, as Retire does.
    virtual ~CParticle();
    virtual void Update(float seconds);

    // Plays the sprite's death animation when asked to, then marks the sprite killed when asked to.
    void Retire();

    CSprite* sprite;                  // driven sprite, not owned; null means the particle does nothing
    bool done = false;                // the age has reached the lifetime; the system retires it
    float age = 0.0f;                 // seconds since start; negative is a start delay
    float lifetime = 1.0f;            // age at which the particle is done
    float alphaRate = 0.0f;           // alpha change per second
    std::array<float, 3> colourRate{{0.0f, 0.0f, 0.0f}}; // red, green, blue change per second
    vector2 vel;                      // pixels per second
    float spin = 0.0f;                // angle change per second
    vector2 scaleRate;                // scale x, y change per second
    float delayAlphaRate = 0.0f;      // alpha change per second during the start delay
    float drag = 0.0f;                // share of vel and scaleRate lost per second
    float fixedAlpha = -1.0f;         // when not negative, alpha is forced to it every update
    bool removeSprite = true;         // on retirement, mark the sprite killed
    bool faceVelocity = false;        // the sprite's angle follows the direction of vel
    bool playDeath = false;           // on retirement, play the sprite's "death" animation
    vector2 accel;                    // added to vel per second
    int32_t priority = 0;             // 1 or more: never culled; below 0: may be refused

    // Everything the particle is, for a snapshot (its place in the store is not: any free place
    // serves a particle read back).
    template <typename Archive>
    void Keep(Archive& archive)
    {
        archive.Sprite(sprite);
        archive.Value(done);
        archive.Value(age);
        archive.Value(lifetime);
        archive.Value(alphaRate);
        archive.Value(colourRate);
        archive.Value(vel);
        archive.Value(spin);
        archive.Value(scaleRate);
        archive.Value(delayAlphaRate);
        archive.Value(drag);
        archive.Value(fixedAlpha);
        archive.Value(removeSprite);
        archive.Value(faceVelocity);
        archive.Value(playDeath);
        archive.Value(accel);
        archive.Value(priority);
    }

private:
    friend class ParticleStore;

    void FadeDuringDelay(float seconds);
    void Tint(float seconds);
    void Move(float seconds);
    void Turn(float seconds);
    void Scale(float seconds);
    void ApplyDragAndAccel(float seconds);

    int32_t storePlace_ = -1; // its place in the particle store that made it; -1 for none
};

// A particle whose velocity can curl by a fixed angle per update and which meets a floor line
// through `pivot` tilted by `tilt`: it may bounce off it or end on crossing it.
class CPhysicsParticle : public CParticle {
public:
    explicit CPhysicsParticle(CSprite* sprite);
    void Update(float seconds) override;

    vector2 pivot{620.0f, 360.0f}; // a point on the floor line
    bool bounce = false;           // bounce off the floor line
    float restitution = 0.75f;     // share of the speed across the floor kept by a bounce
    bool killOnFloor = false;      // done on crossing the floor line
    float tilt = 0.0f;             // angle of the floor line; the turn per update when curving
    bool curve = false;            // turn vel by -tilt on every update

    template <typename Archive>
    void KeepPhysics(Archive& archive)
    {
        Keep(archive);
        archive.Value(pivot);
        archive.Value(bounce);
        archive.Value(restitution);
        archive.Value(killOnFloor);
        archive.Value(tilt);
        archive.Value(curve);
    }

private:
    void MeetFloor(const vector2& velInFloorFrame);
};
