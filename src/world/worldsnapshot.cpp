// The world kept in a snapshot and read back (world/worldsnapshot.h).
#include "world/worldsnapshot.h"

#include "characters/enemycharacter.h"
#include "characters/robots/robotmaker.h"
#include "grid/papergrid.h"
#include "world/world.h"
#include "world/worldarchive.h"

template <typename Archive>
void Gameplay::CQuenlowZarnImpl::KeepCharacters(Archive& archive)
{
    bool hasPlayer = player != nullptr;
    archive.Value(hasPlayer);
    const uint32_t oldGuyCount = archive.Count(oldGuys.size());
    const uint32_t enemyCount = archive.Count(enemies.size());
    if constexpr (Archive::kReading) {
        if (hasPlayer)
            player = std::make_unique<PlayerCharacter>(&characters);
        for (uint32_t i = 0; i < oldGuyCount; ++i)
            oldGuys.push_back(std::make_unique<PlayerCharacter>(&characters));
    }
    // Each robot's kind first: it says which class the robot is made again as.
    for (uint32_t i = 0; i < enemyCount; ++i) {
        const EnemyKind* kind = Archive::kReading ? nullptr : enemies[i]->kind;
        archive.Kind(kind);
        if constexpr (Archive::kReading)
            enemies.push_back(MakeRobot(kind, &characters));
    }
    // Every character is known by its place before any is kept: a robot's target may come later.
    uint32_t place = 0;
    if (player)
        archive.NoteCharacter(*player, place++);
    for (const auto& oldGuy : oldGuys)
        archive.NoteCharacter(*oldGuy, place++);
    for (const auto& enemy : enemies)
        archive.NoteCharacter(*enemy, place++);
    if (player)
        player->Keep(archive, particles);
    for (const auto& oldGuy : oldGuys)
        oldGuy->Keep(archive, particles);
    for (const auto& enemy : enemies)
        enemy->Keep(archive, particles);
    characters.Keep(archive);
}

template <typename Archive>
void Gameplay::CQuenlowZarnImpl::Keep(Archive& archive)
{
    archive.Value(worldTime);
    archive.Value(aimCursor);
    archive.Value(playerDead);
    archive.Value(bigRobotBlasts);
    archive.Value(heroUntouched);
    archive.Value(laterKinds);
    timeline.Keep(archive);
    sprites.Keep(archive);
    KeepCharacters(archive);
    const uint32_t bulletCount = archive.Count(bullets.size());
    if constexpr (Archive::kReading) {
        for (uint32_t i = 0; i < bulletCount; ++i)
            bullets.push_back(std::make_unique<Bullet>());
    }
    for (const auto& bullet : bullets)
        bullet->Keep(archive);
    hitRing.Keep(archive);
    const uint32_t explosionCount = archive.Count(pendingExplosions.size());
    if constexpr (Archive::kReading)
        pendingExplosions.resize(explosionCount);
    for (DelayedExplosion& explosion : pendingExplosions)
        archive.Value(explosion);
    particles.Keep(archive);
}

void Gameplay::CQuenlowZarnImpl::Write(WorldWriter& archive) { Keep(archive); }

bool Gameplay::CQuenlowZarnImpl::Read(WorldReader& archive)
{
    Keep(archive);
    if (player)
        player->fireInterface = this;
    for (const auto& oldGuy : oldGuys)
        oldGuy->fireInterface = this;
    for (const auto& enemy : enemies)
        enemy->fireInterface = this;
    return !archive.Broken();
}

namespace {

bool SameGenerators(const RandomGenerators& one, const RandomGenerators& other)
{
    return one.RandomState() == other.RandomState() && one.RuntimeRandomState() == other.RuntimeRandomState();
}

} // namespace

WorldSnapshot Gameplay::Snapshot(SnapshotStore& store)
{
    WorldSnapshot snapshot;
    if (!world)
        return snapshot;
    WorldWriter archive(store);
    world->Write(archive);
    random_.Keep(archive);
    bool hasGrid = grid != nullptr;
    archive.Value(hasGrid);
    if (grid)
        grid->Keep(archive);
    snapshot.bytes = archive.Take();
    snapshot.levelFile = world->levelFile;
    snapshot.levelStart = randomAtLoad_;
    snapshot.worldTime = world->worldTime;
    snapshot.loop = Loop();
    return snapshot;
}

bool Gameplay::Restore(const WorldSnapshot& snapshot, const SnapshotStore& store)
{
    if (!world || snapshot.Empty() || snapshot.levelFile != world->levelFile ||
        !SameGenerators(snapshot.levelStart, randomAtLoad_))
        return false;
    RandomGenerators random = random_;
    auto restored = std::make_unique<CQuenlowZarnImpl>(CQuenlowZarnImpl::ToBeRead{}, *world, random_);
    WorldReader archive(snapshot.bytes, store);
    if (!restored->Read(archive))
        return false;
    random.Keep(archive);
    bool hasGrid = false;
    archive.Value(hasGrid);
    if (archive.Broken() || hasGrid != (grid != nullptr))
        return false;
    if (grid)
        grid->Keep(archive);
    if (archive.Broken() || !archive.AtEnd())
        return false;
    random_ = random;
    world = std::move(restored);
    return true;
}
