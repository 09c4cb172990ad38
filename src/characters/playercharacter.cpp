#include "characters/playercharacter.h"

#include "audio/soundbank.h"
#include "characters/characterkinds.h"
#include "characters/healthbar.h"
#include "engine/core/portablemath.h"
#include "engine/render/sprite.h"
#include "utils/datafiles.h"
#include "characters/bulletfireinterface.h"
#include "characters/weapon.h"

#include <cmath>
#include <cstdlib>

namespace {

constexpr float kDamping = 0.75f;
constexpr int64_t kSnapToZero = 655; // about 0.01 pixel per step
constexpr float kWalkLimit = 7.5f;
constexpr float kFiringLimit = 5.0f;
constexpr float kFieldMargin = 20.0f;
constexpr float kAlmostPi = 3.1415925f;

// Whether aim lies left of the position, compared in fixed point.
bool AimsLeft(const vector2& aim, const FixedPoint& pos) { return ToFixed(aim.x) < pos.x; }

} // namespace

PlayerCharacter::PlayerCharacter(CharacterRegistry* registry)
    : fireSound(datafiles::kPlayerFireLoopSound), health(kPlayerHealth), maxHealth(kPlayerHealth), weapon(&kPlayerWeapon),
      registry_(registry), id_(registry ? registry->Register(this) : 0)
{
}

PlayerCharacter::~PlayerCharacter()
{
    if (sprite)
        sprite->killed = true;
    DestroyHealthBar();
    if (registry_)
        registry_->Unregister(id_);
}

int PlayerCharacter::GetClassId() const { return kPlayerClassId; }

void PlayerCharacter::DestroyHealthBar() { healthBar.reset(); }

void PlayerCharacter::SetStart(const vector2& position, CSprite* body)
{
    startPos.x = ToFixed(position.x);
    startPos.y = ToFixed(position.y);
    pos = startPos;
    sprite = body;
    if (sprite) {
        sprite->scaleX = 1.0f;
        sprite->scaleY = 1.0f;
        sprite->SetCentre(Position());
    }
}

void PlayerCharacter::Reset()
{
    live = false;
    // A character that is no longer the live player never keeps its firing loop running.
    fireSound.Stop();
    lastTime = 0;
    fireTimer = 0;
    pos = startPos;
    aim = vector2();
    keys = 0;
    vel = FixedPoint();
    facing = 0.0f;
    replayCursor = 0;
    dead = false;
    health = maxHealth;
    DestroyHealthBar();
    if (sprite) {
        sprite->angle = 0.0f;
        sprite->SetCentre(Position());
        sprite->scaleX = 1.0f;
        sprite->scaleY = 1.0f;
        sprite->SetColour(1.0f, 1.0f, 1.0f);
        sprite->SetAlpha(1.0f);
    }
}

void PlayerCharacter::Record(const InputEvent& event)
{
    if (live && !replaying_)
        recording.push_back(event);
}

void PlayerCharacter::ApplyControl(const InputEvent& event)
{
    const uint32_t control = event.key & 0xFFu;
    if (control > kControlFire)
        return;
    if (event.type == kEventPressed)
        keys |= 1u << control;
    else
        keys &= ~(1u << control);
}

void PlayerCharacter::ApplyEvent(const InputEvent& event)
{
    switch (event.type) {
    case kEventPressed:
    case kEventReleased:
        ApplyControl(event);
        break;
    case kEventAim:
        aim = vector2(event.x, event.y);
        break;
    case kEventDeath:
        dead = true;
        break;
    default:
        break;
    }
    Record(event);
}

void PlayerCharacter::ReplayDue()
{
    if (dead)
        return;
    replaying_ = true;
    while (replayCursor < recording.size() && recording[replayCursor].time <= lastTime) {
        // A copy: applying an event may append to the recording and move it.
        const InputEvent event = recording[replayCursor];
        ++replayCursor;
        ApplyEvent(event);
    }
    replaying_ = false;
}

// One axis of keyboard steering; returns whether a key of the axis is held.
bool PlayerCharacter::SteerAxis(Fixed& velocity, bool negativeHeld, bool positiveHeld)
{
    if (negativeHeld) {
        if (velocity > Fixed())
            velocity = DampFixed(velocity, kDamping);
        velocity = velocity - kFixedOne;
    }
    if (positiveHeld) {
        if (velocity < Fixed())
            velocity = DampFixed(velocity, kDamping);
        velocity += kFixedOne;
    }
    if (negativeHeld || positiveHeld)
        return true;
    velocity = DampFixed(velocity, kDamping);
    if (std::llabs(velocity.Raw()) < kSnapToZero)
        velocity = Fixed();
    return false;
}

void PlayerCharacter::LimitSpeed()
{
    const float limit = KeyHeld(kControlFire) ? kFiringLimit : kWalkLimit;
    const int64_t bound = ToFixed(limit).Raw();
    for (Fixed* component : {&vel.x, &vel.y}) {
        if (bound < std::llabs(component->Raw())) {
            const float sign = ToFloat(*component) < 0.0f ? -1.0f : 1.0f;
            *component = ToFixed(sign * limit);
        }
    }
}

void PlayerCharacter::ClampToField()
{
    const Fixed left = ToFixed(kFieldMargin);
    const Fixed right = ToFixed(kVirtualWidth - kFieldMargin);
    const Fixed top = ToFixed(kFieldMargin);
    const Fixed bottom = ToFixed(kVirtualHeight - kFieldMargin);
    if (pos.x < left)
        pos.x = left;
    else if (pos.x > right)
        pos.x = right;
    if (pos.y < top)
        pos.y = top;
    else if (pos.y > bottom)
        pos.y = bottom;
}

void PlayerCharacter::AdvanceFireTimer(uint32_t dt)
{
    fireTimer = WrappingSum(fireTimer, dt);
    if (fireTimer > weapon->fireInterval && fireInterface) {
        fireInterface->FireBullet(this);
        fireTimer = 0;
    }
}

void PlayerCharacter::Update(uint32_t now)
{
    if (dead)
        return;
    const uint32_t dt = now - lastTime;
    lastTime = now;
    const bool movingY = SteerAxis(vel.y, KeyHeld(kControlUp), KeyHeld(kControlDown));
    const bool movingX = SteerAxis(vel.x, KeyHeld(kControlLeft), KeyHeld(kControlRight));
    LimitSpeed();
    pos.x += vel.x;
    pos.y += vel.y;
    ClampToField();
    if (KeyHeld(kControlFire)) {
        AdvanceFireTimer(dt);
        if (live)
            fireSound.Play();
    } else if (live && fireSound.IsPlaying()) {
        fireSound.Stop();
    }
    Animate(movingX || movingY);
}

void PlayerCharacter::SetFacing(float angle)
{
    if (AimsLeft(aim, pos)) {
        sprite->PlayAnimation("walk_left");
        angle -= kAlmostPi;
    } else {
        sprite->PlayAnimation("walk_right");
    }
    facing = angle;
    sprite->angle = angle;
}

void PlayerCharacter::Animate(bool moving)
{
    if (!sprite)
        return;
    const vector2 d = Normalized(aim - Position());
    SetFacing(kolm::Atan2(d.y, d.x));
    const int64_t speedSquared = static_cast<int64_t>(FixedMul(vel.x, vel.x).Raw()) + FixedMul(vel.y, vel.y).Raw();
    const int64_t walkThreshold = TruncToInt32(0.2f * 0.2f * 65536.0f);
    sprite->paused = !(moving && speedSquared >= walkThreshold);
    sprite->SetCentre(Position());
    PlaceHealthBar();
}

void PlayerCharacter::PlaceHealthBar()
{
    if (!healthBar)
        return;
    const vector2 p = Position();
    const float offset = sprite->height * 0.5f + 10.0f;
    const vector2 point(p.x, p.y - offset < 0.0f ? p.y + offset : p.y - offset);
    healthBar->Follow(lastTime, point);
}

float PlayerCharacter::GetBodyRadius() const { return kPlayerBodyRadius; }

float PlayerCharacter::GetBulletRadius() const { return weapon->radius; }

vector2 PlayerCharacter::GetMuzzlePoint() const
{
    const vector2 d = Normalized(aim - Position());
    const float a = kolm::Atan2(d.y, d.x);
    const float side = AimsLeft(aim, pos) ? -1.0f : 1.0f;
    const float ox = 20.0f * kolm::Cos(a) - 7.0f * side * kolm::Sin(a);
    const float oy = 20.0f * kolm::Sin(a) + 7.0f * side * kolm::Cos(a);
    const float ahead = GetBodyRadius() + 1.0f;
    return vector2(ToFloat(pos.x + ToFixed(d.x * ahead) + ToFixed(ox)), ToFloat(pos.y + ToFixed(d.y * ahead) + ToFixed(oy)));
}
