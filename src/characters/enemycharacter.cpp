#include "characters/enemycharacter.h"

#include "characters/characterkinds.h"
#include "engine/core/portablemath.h"
#include "engine/render/sprite.h"
#include "utils/datafiles.h"

#include <cmath>

namespace {

bool IsGone(const PlayerCharacter* character) { return !character || character->dead; }

constexpr float kWrapLimit = 3.14f;
constexpr uint32_t kFirstRecordedSpan = 500;

} // namespace

EnemyCharacter::EnemyCharacter(CharacterRegistry* registry) : PlayerCharacter(registry), kind(&kBigBadKind) { team = kTeamRobots; }

int EnemyCharacter::GetClassId() const { return kEnemyClassId; }

float EnemyCharacter::GetBodyRadius() const { return kind->radius; }

ShotEffect EnemyCharacter::TakeShot(const PlayerCharacter*, const vector2&) { return ShotEffect::kHurts; }

const char* EnemyCharacter::DeathSound() const { return datafiles::kSmallExplosionSound; }

bool EnemyCharacter::Wire(vector2&, vector2&) const { return false; }

void EnemyCharacter::Reset()
{
    PlayerCharacter::Reset();
    target = nullptr;
    if (kind->homing)
        goal = vector2();
    vel = FixedPoint();
}

void EnemyCharacter::SetTarget(PlayerCharacter* character)
{
    target = character;
    if (character)
        aim = character->Position();
}

void EnemyCharacter::ApplyEvent(const InputEvent& event)
{
    if (event.type == kEventDeath) {
        if (live && fireSound.IsPlaying())
            fireSound.Stop();
        dead = true;
        DestroyHealthBar();
        if (sprite)
            sprite->PlayAnimation("death");
    } else if (event.type == kEventTarget) {
        SetTarget(Find(event.other));
    }

    if (replaying_)
        return;
    if (live) {
        const bool lostTarget = event.type == kEventTarget && IsGone(Find(event.other));
        if (!lostTarget)
            recording.push_back(event);
        recordedUntil = lastTime;
    } else if (lastTime > recordedUntil) {
        // Beyond its recording the robot decides afresh, and remembers it for later loops.
        if (!IsGone(Find(event.other)))
            recording.push_back(event);
        recordedUntil = lastTime;
    }
}

void EnemyCharacter::ReplayDue()
{
    if (!live)
        PlayerCharacter::ReplayDue();
}

bool EnemyCharacter::MayRetarget() const
{
    if (!kind->homing && !kind->shoots)
        return false;
    if (live || lastTime > recordedUntil)
        return true;
    if (lastTime - spawnTime <= kFirstRecordedSpan)
        return false;
    return IsGone(target);
}

void EnemyCharacter::ChangeTarget(PlayerCharacter* character)
{
    if (character == target)
        return;
    if (IsGone(character)) {
        SetTarget(character);
        return;
    }
    if (live || MayRetarget()) {
        InputEvent event;
        event.type = kEventTarget;
        event.time = lastTime;
        event.other = character;
        ApplyEvent(event);
    } else {
        SetTarget(character);
    }
}

float EnemyCharacter::VelocityAngle() const
{
    const int64_t squared = static_cast<int64_t>(FixedMul(vel.x, vel.x).Raw()) + FixedMul(vel.y, vel.y).Raw();
    const int64_t length = TruncToInt64(std::sqrt(static_cast<double>(squared) / 65536.0) * 65536.0);
    if (length < 1)
        return ToFloat(ToFixed(kolm::Atan2(0.0, 0.0)));
    const int64_t dx = static_cast<int64_t>(vel.x.Raw()) * 65536 / length;
    const int64_t dy = static_cast<int64_t>(vel.y.Raw()) * 65536 / length;
    return ToFloat(ToFixed(kolm::Atan2(static_cast<double>(dy), static_cast<double>(dx))));
}

void EnemyCharacter::TurnTowardGoal(const vector2& toGoal)
{
    const float heading = VelocityAngle();
    const vector2 n = Normalized(toGoal);
    const float want = kolm::Atan2(n.y, n.x);
    const float diff = ToFloat(ToFixed(want) - ToFixed(heading));
    float step = diff < 0.0f ? -kind->turnRate : kind->turnRate;
    if (kind->turnRate > std::fabs(diff))
        step = diff;
    if (std::fabs(diff) > kWrapLimit)
        step = -step;
    const Fixed speed = ToFixed(kind->speed);
    const float turned = heading + step;
    const Fixed c = ToFixed(kolm::Cos(turned));
    const Fixed s = ToFixed(kolm::Sin(turned));
    vel.x = FixedMul(speed, c);
    vel.y = FixedMul(speed, s);
}

void EnemyCharacter::HeadStraightForGoal(const vector2& toGoal)
{
    const vector2 n = Normalized(toGoal);
    vel.x = ToFixed(kind->speed * n.x);
    vel.y = ToFixed(kind->speed * n.y);
}

void EnemyCharacter::Update(uint32_t now)
{
    if (dead)
        return;
    uint32_t dt = now - lastTime;
    lastTime = now;
    if (now <= spawnTime)
        return;
    if (dt > 16)
        dt = now - spawnTime;
    if (live && !IsGone(target))
        recordedUntil = now;
    if (target) {
        aim = target->Position();
        if (kind->homing)
            goal = aim;
    }
    const vector2 toGoal = goal - Position();
    if (kind->turnsToFace)
        TurnTowardGoal(toGoal);
    else
        HeadStraightForGoal(toGoal);
    pos.x += vel.x;
    pos.y += vel.y;
    if (kind->shoots)
        AdvanceFireTimer(dt);
    Animate(true);
}

void EnemyCharacter::KeepUpright()
{
    if (!sprite)
        return;
    sprite->paused = false;
    sprite->angle = 0.0f;
    facing = 0.0f;
}

void EnemyCharacter::Animate(bool moving)
{
    PlayerCharacter::Animate(moving);
    if (kind->turnsToFace && sprite)
        SetFacing(VelocityAngle());
}
