#pragma once
// The world of one level: the live player, the old guys replaying earlier attempts, every robot
// spawned so far, the flying bullets, the world's sprites and particles, the level timeline and
// the explosions waiting to go off. It steps by a fixed 16 ms; every loop of the level restarts
// its clock at 0 with a new player while everything recorded before is replayed. It draws every
// random number, its own, its effects' and its particles', from the generators it is given (the
// facade's, which carry on from one level's world to the next).
#include "characters/bulletfireinterface.h"
#include "characters/enemycharacter.h"
#include "characters/playercharacter.h"
#include "engine/render/spritecontainer.h"
#include "engine/core/staticarray.h"
#include "particles/particlesystem.h"
#include "world/bullet.h"
#include "world/gameplay.h"
#include "world/leveltimeline.h"

#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <vector>

struct EffectContext;
class WorldReader;
class WorldWriter;

// How far a loop has run through the level's length: the time slider's position, and the
// level is cleared once it passes 1. An empty level is over as soon as any time has passed.
float LevelProgress(uint32_t worldTime, uint32_t levelLength);

class Gameplay::CQuenlowZarnImpl : public CBulletFireInterface {
public:
    // Who hit which robot when.
    struct EnemyHitQueue {
        CharacterRef enemy;
        CharacterRef shooter;
        uint32_t time = 0;
    };

    struct DelayedExplosion {
        vector2 position;
        float radius = 100.0f;
        float damage = 50.0f;
        uint32_t dueTime = 0;
    };

    // Draws from random, which outlives the world.
    CQuenlowZarnImpl(const std::string& levelFile, RandomGenerators& random);
    // A world of the same level as sameLevel (its file, its timeline's events, its paper) that a
    // snapshot is to be read into: nothing else in it yet, not even a player.
    struct ToBeRead {};
    CQuenlowZarnImpl(ToBeRead, const CQuenlowZarnImpl& sameLevel, RandomGenerators& random);
    CQuenlowZarnImpl(const CQuenlowZarnImpl&) = delete;
    CQuenlowZarnImpl& operator=(const CQuenlowZarnImpl&) = delete;
    ~CQuenlowZarnImpl() override;

    void FireBullet(PlayerCharacter* shooter) override;

    void WorldUpdate(uint32_t dt);
    // Begins the next loop: a new player if there is none, everyone else back to their start.
    void WorldRestart();
    bool IsLevelCleared() const;
    void RetargetEnemy(EnemyCharacter* enemy);
    void SpawnEnemy(int32_t type, const vector2& start, const vector2& target);
    // A robot of the kind at start, heading for goal, spawned now; the world holds it.
    EnemyCharacter* AddRobot(const EnemyKind& kind, const vector2& start, const vector2& goal);

    // Hits, damage and explosions.
    void CollideCharacter(PlayerCharacter* character);
    void ApplyDamage(PlayerCharacter* character, float damage, const vector2& hitPosition, const vector2& hitVelocity,
                     PlayerCharacter* shooter);
    void KillCharacter(PlayerCharacter* character);
    void Explode(const DelayedExplosion& explosion);
    void NoteHit(PlayerCharacter* enemy, PlayerCharacter* shooter);
    int CountRecentShooters(PlayerCharacter* enemy, uint32_t window);
    void QueueExplosion(const vector2& position);
    // Whether a different character than shooter hit the robot within the window (ms).
    bool HitByAnotherWithin(const PlayerCharacter* robot, const PlayerCharacter* shooter, uint32_t window);

    EffectContext Effects();

    // Everything the world is, into a snapshot and back (world/worldsnapshot.cpp). Read only into
    // a world made ToBeRead; false when the snapshot did not read whole.
    void Write(WorldWriter& archive);
    bool Read(WorldReader& archive);

    RandomGenerators& random;
    CSpriteContainer sprites;
    ParticleSystem particles;
    LevelTimeline timeline;
    uint32_t worldTime = 0;
    vector2 aimCursor;
    CharacterRegistry characters; // the handles of the characters below, which it outlives
    std::unique_ptr<PlayerCharacter> player;
    bool playerDead = false;
    CPaperGrid* grid = nullptr;
    // Destroyed in this order, the bullets first, while the sprites and particles they use are
    // still there.
    std::vector<std::unique_ptr<PlayerCharacter>> oldGuys;
    std::vector<std::unique_ptr<EnemyCharacter>> enemies;
    std::vector<std::unique_ptr<Bullet>> bullets;
    static constexpr int kHitRingSize = 500;
    kolm::CStaticArrayWithPush<EnemyHitQueue, kHitRingSize> hitRing;
    std::list<DelayedExplosion> pendingExplosions;
    std::string levelFile; // the file the level was read from, for reports
    bool laterKinds = true; // whether the later robot kinds' event types spawn them (not in the classic game)
    uint32_t bigRobotBlasts = 0; // big robots blown up since the world was made (the pad rumbles)
    // The hero is touched by nothing: the field a level's maker previews, where the hero stands
    // where he arrives and the robots go their ways around him.
    bool heroUntouched = false;

private:
    template <typename Archive>
    void Keep(Archive& archive);
    template <typename Archive>
    void KeepCharacters(Archive& archive);

    void MoveBullets(uint32_t dt);
    void RecordAim();
    void UpdateCharacters();
    void ExplodeDueExplosions();
    void CreatePlayer();
    vector2 ClearOfMines(vector2 point) const;
    void SpawnTwins(const vector2& start, const vector2& target);
    void Hatch(const EnemyCharacter& parent, const EnemyKind& kind);
    bool CollideWithBullets(PlayerCharacter* character, float reachSquared);
    void CollideWithRobots(PlayerCharacter* character);
    bool Touches(const PlayerCharacter& human, const EnemyCharacter& robot, float halfBody) const;
    void TakeShotUnhurt(EnemyCharacter& robot, const Bullet& bullet, ShotEffect effect);
    void BreakPair(EnemyCharacter& twin);
    template <typename Visit>
    void VisitRecentHits(uint32_t window, Visit visit);
};
