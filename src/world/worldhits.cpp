// The world's hits, damage, deaths and explosions, and the hit ring that remembers who hit
// which robot when: a small robot hit by two different characters within 350 ms blows up in
// a delayed explosion that can set off its neighbours.
#include "world/world.h"

#include "audio/soundbank.h"
#include "characters/characterkinds.h"
#include "characters/effects/deatheffects.h"
#include "characters/effects/explosioneffect.h"
#include "characters/effects/hiteffect.h"
#include "characters/enemycharacter.h"
#include "characters/healthbar.h"
#include "characters/playercharacter.h"
#include "characters/robots/twinrobot.h"
#include "characters/spritesets.h"
#include "grid/papergrid.h"
#include "utils/datafiles.h"
#include "world/bullet.h"

namespace {

constexpr float kContactDamage = 2.0f;
constexpr uint32_t kExplosionDelay = 90;
constexpr uint32_t kChainWindow = 350;

bool IsRobot(const PlayerCharacter* character) { return character->GetClassId() == kEnemyClassId; }

float DistanceSquared(const vector2& a, const vector2& b) { return LengthSquared(a - b); }

float Square(float value) { return value * value; }

// What a bullet does to the character it reaches: every human is hurt; a robot says.
ShotEffect EffectOn(PlayerCharacter* character, const Bullet& bullet)
{
    return IsRobot(character) ? static_cast<EnemyCharacter*>(character)->TakeShot(bullet.shooter, bullet.velocity)
                              : ShotEffect::kHurts;
}

constexpr float kWireReach = 4.0f; // half the wire's thickness, as far as a touch goes

} // namespace

void Gameplay::CQuenlowZarnImpl::CollideCharacter(PlayerCharacter* character)
{
    const float reach = character->GetBulletRadius() + character->GetBodyRadius();
    if (CollideWithBullets(character, reach * reach))
        return;
    if (character->team == kTeamHumans)
        CollideWithRobots(character);
}

// Returns true when a hit left the character dead: the rest of the test is skipped then.
bool Gameplay::CQuenlowZarnImpl::CollideWithBullets(PlayerCharacter* character, float reachSquared)
{
    const vector2 p = character->Position();
    for (const auto& bullet : bullets) {
        if (bullet->dead || bullet->shooter == character || bullet->team == character->team)
            continue;
        // A fast bullet is caught at either end of its step.
        if (!(reachSquared > DistanceSquared(p, bullet->position) || reachSquared > DistanceSquared(p, bullet->previousPosition)))
            continue;
        const ShotEffect effect = EffectOn(character, *bullet);
        if (effect == ShotEffect::kPassesThrough)
            continue;
        if (effect != ShotEffect::kHurts) {
            bullet->dead = true;
            TakeShotUnhurt(*static_cast<EnemyCharacter*>(character), *bullet, effect);
            if (character->dead)
                return true;
            continue;
        }
        ApplyDamage(character, bullet->damage, bullet->position, bullet->velocity, bullet->shooter);
        if (character->health <= 0.0f)
            KillCharacter(character);
        bullet->dead = true;
        if (character->dead)
            return true;
    }
    return false;
}

void Gameplay::CQuenlowZarnImpl::CollideWithRobots(PlayerCharacter* character)
{
    const float halfBody = character->GetBodyRadius() * 0.5f;
    const vector2 velocity(ToFloat(character->vel.x), ToFloat(character->vel.y));
    for (const auto& robot : enemies) {
        if (robot->dead || !Touches(*character, *robot, halfBody))
            continue;
        ApplyDamage(character, kContactDamage, robot->Position(), velocity, nullptr);
        if (character->health <= 0.0f)
            KillCharacter(character);
        if (robot->GoesOffAtTouch())
            KillCharacter(robot.get());
        if (character->dead)
            return;
    }
}

// Its body, or the wire it holds; a robot that hurts no one at a touch (a mine not yet armed) is
// not touched.
bool Gameplay::CQuenlowZarnImpl::Touches(const PlayerCharacter& human, const EnemyCharacter& robot, float halfBody) const
{
    if (!robot.HurtsAtTouch())
        return false;
    const vector2 p = human.Position();
    if (Square(robot.GetBodyRadius() + halfBody) > DistanceSquared(p, robot.Position()))
        return true;
    vector2 from;
    vector2 to;
    return robot.Wire(from, to) && Square(kWireReach + halfBody) > DistanceSquared(p, NearestOnSegment(p, from, to));
}

// A shot that glances off armour or counts toward a pair of twins throws sparks and hurts no one;
// the second of a pair's double hit breaks the pair.
void Gameplay::CQuenlowZarnImpl::TakeShotUnhurt(EnemyCharacter& robot, const Bullet& bullet, ShotEffect effect)
{
    EffectContext effects = Effects();
    SpawnHitSparks(effects, bullet.position, bullet.velocity, robot.sprite, robot.facing);
    if (effect != ShotEffect::kCountsForPair || !bullet.shooter)
        return;
    NoteHit(&robot, bullet.shooter);
    const TwinRobot* partner = static_cast<TwinRobot&>(robot).Partner();
    if (partner && !partner->dead && HitByAnotherWithin(partner, bullet.shooter, kChainWindow))
        BreakPair(robot);
}

void Gameplay::CQuenlowZarnImpl::BreakPair(EnemyCharacter& twin)
{
    TwinRobot& first = static_cast<TwinRobot&>(twin);
    TwinRobot* second = first.Partner();
    KillCharacter(&first);
    if (second)
        KillCharacter(second);
    first.HideWire();
    if (second)
        second->HideWire();
}

void Gameplay::CQuenlowZarnImpl::ApplyDamage(PlayerCharacter* character, float damage, const vector2& hitPosition,
                                             const vector2& hitVelocity, PlayerCharacter* shooter)
{
    if (IsRobot(character) && shooter)
        NoteHit(character, shooter);
    character->health -= damage;
    if (!(character->health > 0.0f))
        return;
    if (!character->healthBar)
        character->healthBar = std::make_unique<HealthBar>(sprites, particles);
    character->healthBar->SetSize(character->maxHealth);
    character->healthBar->Show(character->health / character->maxHealth);
    character->healthBar->hideTime = worldTime + 1000;
    character->Animate(true);
    if (IsRobot(character)) {
        EffectContext effects = Effects();
        SpawnHitSparks(effects, hitPosition, hitVelocity, character->sprite, character->facing);
    }
}

void Gameplay::CQuenlowZarnImpl::KillCharacter(PlayerCharacter* character)
{
    const bool wasLive = character->live;
    if (wasLive) {
        // So that the replay dies at the same moment.
        InputEvent death;
        death.type = kEventDeath;
        death.time = worldTime;
        character->ApplyEvent(death);
        character->fireSound.Stop();
    }
    character->dead = true;
    character->DestroyHealthBar();
    CSprite* body = character->sprite;
    EffectContext effects = Effects();
    if (!IsRobot(character)) {
        if (!body)
            return;
        SpawnBloodBurst(effects, *character);
        body->PlayAnimation("death");
        body->sendToBack = true;
        CSprite* corpse = wasLive ? CreatePlayerCorpseSprite(sprites) : CreateOldGuyCorpseSprite(sprites);
        corpse->SetCentre(character->Position());
        corpse->angle = body->angle;
        return;
    }
    EnemyCharacter* robot = static_cast<EnemyCharacter*>(character);
    const bool small = robot->kind->smallDebris;
    if (body) {
        body->PlayAnimation("death");
        body->sendToBack = true;
    }
    if (robot->BlastsWhenKilled() || (robot->kind->chainBlast && CountRecentShooters(robot, kChainWindow) > 1)) {
        QueueExplosion(robot->Position());
        return;
    }
    PlaySound(robot->DeathSound());
    if (!small)
        ++bigRobotBlasts;
    if (grid)
        grid->Push(robot->Position(), small ? -5000.0f : -25000.0f, small ? 150.0f : 300.0f);
    SpawnRobotDebris(effects, *robot);
}

void Gameplay::CQuenlowZarnImpl::QueueExplosion(const vector2& position)
{
    DelayedExplosion explosion;
    explosion.position = position;
    explosion.dueTime = worldTime + kExplosionDelay;
    pendingExplosions.push_back(explosion);
}

void Gameplay::CQuenlowZarnImpl::Explode(const DelayedExplosion& explosion)
{
    PlaySound(datafiles::kBigExplosionSound);
    EffectContext effects = Effects();
    SpawnExplosionEffect(effects, explosion.position, 1.0f);
    // Explosions never hurt humans; every robot in reach dies and explodes in turn.
    for (std::size_t i = 0; i < enemies.size(); ++i) {
        EnemyCharacter* robot = enemies[i].get();
        if (robot->dead || !robot->IsActive() || !robot->FeelsBlasts())
            continue;
        const vector2 robotPosition = robot->Position();
        if (!(Square(robot->GetBodyRadius() + explosion.radius) > DistanceSquared(explosion.position, robotPosition)))
            continue;
        ApplyDamage(robot, explosion.damage, robotPosition, vector2(), nullptr);
        if (robot->health <= 0.0f)
            KillCharacter(robot);
        // (A robot whose every death is a blast has queued its own.)
        if (robot->dead && !robot->BlastsWhenKilled())
            QueueExplosion(robotPosition);
    }
}

void Gameplay::CQuenlowZarnImpl::NoteHit(PlayerCharacter* enemy, PlayerCharacter* shooter)
{
    EnemyHitQueue& newest = hitRing.Newest();
    if (newest.enemy == CharacterRef(enemy) && newest.shooter == CharacterRef(shooter)) {
        newest.time = worldTime;
        return;
    }
    hitRing.Push(EnemyHitQueue{enemy, shooter, worldTime});
}

// Each hit of the ring within the window, newest first.
template <typename Visit>
void Gameplay::CQuenlowZarnImpl::VisitRecentHits(uint32_t window, Visit visit)
{
    const uint32_t since = window < worldTime ? worldTime - window : 0;
    const int capacity = hitRing.Capacity();
    for (int index = hitRing.PreviousIndex(); index != hitRing.Position(); index = index == 0 ? capacity - 1 : index - 1) {
        const EnemyHitQueue& record = hitRing[index];
        if (record.time < since)
            break;
        visit(record);
    }
}

int Gameplay::CQuenlowZarnImpl::CountRecentShooters(PlayerCharacter* enemy, uint32_t window)
{
    CharacterRef shooters[kHitRingSize];
    int count = 0;
    VisitRecentHits(window, [&](const EnemyHitQueue& record) {
        if (record.enemy != CharacterRef(enemy))
            return;
        bool known = false;
        for (int i = 0; i < count && !known; ++i)
            known = shooters[i] == record.shooter;
        if (!known)
            shooters[count++] = record.shooter;
    });
    return count;
}

bool Gameplay::CQuenlowZarnImpl::HitByAnotherWithin(const PlayerCharacter* robot, const PlayerCharacter* shooter,
                                                    uint32_t window)
{
    bool found = false;
    VisitRecentHits(window, [&](const EnemyHitQueue& record) {
        found = found || (record.enemy == CharacterRef(robot) && record.shooter != CharacterRef(shooter));
    });
    return found;
}
