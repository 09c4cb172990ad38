// The world of one level: its step, its loops, the robots it spawns and the bullets it fires.
#include "world/world.h"

#include "audio/soundbank.h"
#include "characters/characterkinds.h"
#include "characters/effects/arrivaleffect.h"
#include "characters/effects/effectcontext.h"
#include "characters/enemycharacter.h"
#include "characters/playercharacter.h"
#include "characters/robots/hiverobot.h"
#include "characters/robots/robotmaker.h"
#include "characters/robots/twinrobot.h"
#include "characters/spritesets.h"
#include "engine/core/random.h"
#include "grid/papergrid.h"
#include "world/bullet.h"
#include "characters/weapon.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr float kTwinSpacing = 300.0f;      // between the two twins of a pair, across their path
constexpr float kArrivalClearance = 60.0f;  // how far a new self arrives from any mine

// The kind an event type spawns, or null; the later kinds only when they are on.
const EnemyKind* KindOfSpawnType(int32_t type, bool laterKinds)
{
    switch (type) {
    case kSpawnBigBad:
        return &kBigBadKind;
    case kSpawnSmallHoming:
        return &kSmallHomingKind;
    case kSpawnSmallMoving:
        return &kSmallMovingKind;
    default:
        break;
    }
    if (!laterKinds)
        return nullptr;
    switch (type) {
    case kSpawnShieldBot:
        return &kShieldKind;
    case kSpawnTwins:
        return &kTwinKind;
    case kSpawnPhantom:
        return &kPhantomKind;
    case kSpawnHive:
        return &kHiveKind;
    case kSpawnSower:
        return &kSowerKind;
    default:
        return nullptr;
    }
}

// Paper-grid push of a flying bullet by its kind.
bool BulletPush(BulletKind kind, float& strength, float& radius)
{
    if (kind == kBigBadShot) {
        strength = 300.0f;
        radius = 100.0f;
        return true;
    }
    if (kind == kPlayerShot) {
        strength = -150.0f;
        radius = 75.0f;
        return true;
    }
    return false;
}

// A bullet's sprite plays its death before the bullet goes.
void EndBullet(Bullet& bullet)
{
    if (bullet.sprite)
        bullet.sprite->PlayAnimation("death");
}

} // namespace

Gameplay::CQuenlowZarnImpl::CQuenlowZarnImpl(const std::string& levelFileName, RandomGenerators& randomGenerators)
    : random(randomGenerators), particles(randomGenerators), levelFile(levelFileName)
{
    timeline.Load(ReadLevelFile(levelFile));
    WorldRestart();
}

Gameplay::CQuenlowZarnImpl::CQuenlowZarnImpl(ToBeRead, const CQuenlowZarnImpl& sameLevel, RandomGenerators& randomGenerators)
    : random(randomGenerators), particles(randomGenerators), timeline(sameLevel.timeline), grid(sameLevel.grid),
      levelFile(sameLevel.levelFile), laterKinds(sameLevel.laterKinds)
{
}

Gameplay::CQuenlowZarnImpl::~CQuenlowZarnImpl() = default;

EffectContext Gameplay::CQuenlowZarnImpl::Effects() { return EffectContext{sprites, particles, grid, random}; }

void Gameplay::CQuenlowZarnImpl::WorldUpdate(uint32_t dt)
{
    MoveBullets(dt);
    RecordAim();
    worldTime += dt;
    UpdateCharacters();
    ExplodeDueExplosions();
    sprites.UpdateAnimations(dt);
    particles.Update(dt);
    for (const Spawn& spawn : timeline.AdvanceTimeline(worldTime, random))
        SpawnEnemy(spawn.type, spawn.start, spawn.target);
}

void Gameplay::CQuenlowZarnImpl::MoveBullets(uint32_t dt)
{
    for (std::size_t i = 0; i < bullets.size();) {
        Bullet* bullet = bullets[i].get();
        MoveBullet(*bullet, dt);
        float strength = 0.0f;
        float radius = 0.0f;
        if (grid && BulletPush(bullet->kind, strength, radius))
            grid->Push(bullet->position, strength, radius);
        if (!bullet->dead) {
            ++i;
            continue;
        }
        // Removed by moving the last bullet into its place, which is then moved in turn.
        EndBullet(*bullet);
        bullets[i] = std::move(bullets.back());
        bullets.pop_back();
    }
}

void Gameplay::CQuenlowZarnImpl::RecordAim()
{
    if (!player || LengthSquared(aimCursor - player->aim) <= 4.0f)
        return;
    InputEvent aimEvent;
    aimEvent.type = kEventAim;
    aimEvent.x = aimCursor.x;
    aimEvent.y = aimCursor.y;
    aimEvent.time = worldTime;
    player->ApplyEvent(aimEvent);
}

// A replay that reaches its recorded death in ReplayDue is still hit-tested in that step: what
// hits it there kills it again, which is what shows its corpse or its debris.
void Gameplay::CQuenlowZarnImpl::UpdateCharacters()
{
    if (player) {
        player->Update(worldTime);
        if (!player->dead && !heroUntouched)
            CollideCharacter(player.get());
        if (player->dead)
            playerDead = true;
    }
    for (const auto& oldGuy : oldGuys) {
        if (oldGuy->dead)
            continue;
        oldGuy->ReplayDue();
        oldGuy->Update(worldTime);
        CollideCharacter(oldGuy.get());
    }
    // What a robot brings into the world (a hatchling, a mine) comes once every robot has moved.
    std::vector<std::pair<const EnemyCharacter*, const EnemyKind*>> broods;
    for (const auto& enemy : enemies) {
        if (enemy->dead)
            continue;
        enemy->Update(worldTime);
        enemy->ReplayDue();
        if (enemy->IsActive()) {
            RetargetEnemy(enemy.get());
            CollideCharacter(enemy.get());
            const EnemyKind* offspring = enemy->dead ? nullptr : enemy->Offspring();
            if (offspring)
                broods.emplace_back(enemy.get(), offspring);
        }
    }
    for (const auto& [parent, kind] : broods)
        Hatch(*parent, *kind);
}

void Gameplay::CQuenlowZarnImpl::ExplodeDueExplosions()
{
    while (!pendingExplosions.empty() && pendingExplosions.front().dueTime <= worldTime) {
        const DelayedExplosion explosion = pendingExplosions.front();
        pendingExplosions.pop_front();
        Explode(explosion);
    }
}

void Gameplay::CQuenlowZarnImpl::CreatePlayer()
{
    const float y = static_cast<float>(random.Random01() * kVirtualHeight);
    const float x = static_cast<float>(random.Random01() * kVirtualWidth);
    random.Random01();
    random.Random01();
    player = std::make_unique<PlayerCharacter>(&characters);
    player->SetStart(ClearOfMines(vector2(x, y)), CreatePlayerSprite(sprites));
    player->team = kTeamHumans;
    player->live = true;
    player->fireInterface = this;
    EffectContext effects = Effects();
    SpawnArrivalEffect(effects, *player);
}

// A new self never arrives on a mine that lies on the paper from the loop's start: it stands a
// little way off instead.
vector2 Gameplay::CQuenlowZarnImpl::ClearOfMines(vector2 point) const
{
    for (const auto& robot : enemies) {
        if (robot->kind != &kMineKind)
            continue;
        const vector2 mine(ToFloat(robot->startPos.x), ToFloat(robot->startPos.y));
        if (!(LengthSquared(point - mine) < kArrivalClearance * kArrivalClearance))
            continue;
        const vector2 away = Normalized(point - mine);
        point = mine + (away == vector2() ? vector2(1.0f, 0.0f) : away) * kArrivalClearance;
    }
    return point;
}

void Gameplay::CQuenlowZarnImpl::WorldRestart()
{
    particles.Clear();
    pendingExplosions.clear();
    // A robot of one loop only (a hatchling) goes with its loop.
    enemies.erase(std::remove_if(enemies.begin(), enemies.end(), [](const auto& robot) { return robot->OfOneLoop(); }),
                  enemies.end());
    if (!player)
        CreatePlayer();
    playerDead = false;
    auto restartReplay = [this](PlayerCharacter& character) {
        character.Reset();
        character.live = false;
        particles.ReleaseSprite(character.sprite);
    };
    for (const auto& oldGuy : oldGuys)
        restartReplay(*oldGuy);
    for (const auto& enemy : enemies)
        restartReplay(*enemy);
    for (const auto& bullet : bullets)
        EndBullet(*bullet);
    bullets.clear();
    worldTime = 0;
    hitRing.Clear();
}

float LevelProgress(uint32_t worldTime, uint32_t levelLength)
{
    if (levelLength == 0)
        return worldTime == 0 ? 0.0f : HUGE_VALF;
    return static_cast<float>(worldTime) / static_cast<float>(levelLength);
}

bool Gameplay::CQuenlowZarnImpl::IsLevelCleared() const
{
    return LevelProgress(worldTime, timeline.LevelLength()) > 1.0f && !playerDead;
}

void Gameplay::CQuenlowZarnImpl::RetargetEnemy(EnemyCharacter* enemy)
{
    if (!enemy->MayRetarget())
        return;
    PlayerCharacter* candidate = player.get();
    for (const auto& oldGuy : oldGuys) {
        if (!oldGuy->dead) {
            candidate = oldGuy.get();
            break;
        }
    }
    enemy->ChangeTarget(candidate);
}

void Gameplay::CQuenlowZarnImpl::SpawnEnemy(int32_t type, const vector2& start, const vector2& target)
{
    const EnemyKind* kind = KindOfSpawnType(type, laterKinds);
    if (!kind)
        return; // an unknown event type spawns nothing
    if (kind == &kTwinKind)
        SpawnTwins(start, target);
    else
        AddRobot(*kind, start, kind == &kHiveKind ? HiveRobot::PostOf(start, target) : target);
}

EnemyCharacter* Gameplay::CQuenlowZarnImpl::AddRobot(const EnemyKind& kind, const vector2& start, const vector2& goal)
{
    CSprite* body = CreateRobotSprite(kind, sprites);
    std::unique_ptr<EnemyCharacter> enemy = MakeRobot(&kind, &characters);
    enemy->SetStart(start, body);
    enemy->spawnTime = worldTime;
    enemy->team = kTeamRobots;
    enemy->goal = goal;
    enemy->live = true;
    enemy->fireInterface = this;
    enemy->weapon = kind.weapon;
    enemy->health = kind.health;
    enemy->maxHealth = kind.health;
    if (!kind.homing && !kind.shoots)
        enemy->aim = goal;
    enemies.push_back(std::move(enemy));
    return enemies.back().get();
}

// Side by side across their path, the first holding the wire.
void Gameplay::CQuenlowZarnImpl::SpawnTwins(const vector2& start, const vector2& target)
{
    const vector2 along = Normalized(target - start);
    const vector2 side = vector2(-along.y, along.x) * (kTwinSpacing * 0.5f);
    auto* first = static_cast<TwinRobot*>(AddRobot(kTwinKind, start + side, target + side));
    auto* second = static_cast<TwinRobot*>(AddRobot(kTwinKind, start - side, target - side));
    TwinRobot::Join(*first, *second, CreateTwinWireSprite(sprites));
}

// A hatchling lives and records within its loop; a mine is never live: nothing of it is recorded,
// so it comes back whole in every later loop.
void Gameplay::CQuenlowZarnImpl::Hatch(const EnemyCharacter& parent, const EnemyKind& kind)
{
    EnemyCharacter* child = AddRobot(kind, parent.Position(), parent.Position());
    child->live = child->OfOneLoop();
}

void Gameplay::CQuenlowZarnImpl::FireBullet(PlayerCharacter* shooter)
{
    const vector2 direction = Normalized(shooter->aim - shooter->Position());
    // A shot aimed exactly at the shooter would have no direction and never leave the field.
    if (direction == vector2())
        return;
    const WeaponDesc& weapon = *shooter->weapon;
    auto bullet = std::make_unique<Bullet>();
    bullet->sprite = CreateBulletSprite(sprites, weapon);
    bullet->position = shooter->GetMuzzlePoint();
    bullet->previousPosition = bullet->position;
    bullet->velocity = direction * weapon.speed;
    bullet->damage = weapon.damage;
    bullet->team = shooter->team;
    bullet->shooter = shooter;
    bullet->kind = weapon.kind;
    MoveBullet(*bullet, 0);
    if (!weapon.sound.empty())
        PlaySound(weapon.sound);
    bullets.push_back(std::move(bullet));
}
