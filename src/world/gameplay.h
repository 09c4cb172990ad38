#pragma once
// The application's one handle on the game world. It owns the world of the current level,
// passes the frame loop's update and draw through, turns keyboard, mouse and joystick input
// into the player's timed input events, retires the player into an old guy and restarts the
// loop when asked, and answers the overlay's questions. Every operation does nothing (or
// answers false, 0 or (0, 0)) while there is no world, except Update, which answers true
// whether or not there is a world to step.
//
// It owns the random generators of the game phase: every level's world draws from them, so
// their state carries on from one level to the next exactly as the levels were played.
#include "engine/core/random.h"
#include "engine/core/vectormath.h"
#include "world/worldsnapshot.h"

#include <cstdint>
#include <memory>
#include <string>

class CPaperGrid;
class SnapshotStore;

class Gameplay {
public:
    class CQuenlowZarnImpl;

    // The world's one step: every update of the world, its grid and its overlay is this long.
    static constexpr uint32_t kStepMs = 16;

    // The generators start as given (both seeded with 1 unless given).
    explicit Gameplay(const RandomGenerators& random = RandomGenerators());
    Gameplay(const Gameplay&) = delete;
    Gameplay& operator=(const Gameplay&) = delete;
    virtual ~Gameplay();
    virtual bool IsPlayerDead() const;

    // Builds the new level's world before deleting the old one.
    void LoadLevel(const std::string& levelFile);
    // Whether the later robot kinds (event types 6 and up) spawn, in this level's world and every
    // later one: on, but in the classic game, where those types spawn nothing as they always did.
    void SetLaterKinds(bool on);
    bool LaterKinds() const { return laterKinds_; }
    void SetGrid(CPaperGrid* paperGrid);
    // Steps the world by stepMs; always true.
    bool Update(int stepMs);
    void Draw();
    // What drawing does to the world without drawing it: the sprites killed since go.
    void SweepSprites();
    // Soft flashes: an explosion's fire is drawn fainter when together it would light up more
    // than a quarter of the picture at once (the world itself is the same).
    void SoftenFlashes(bool soft) { softFlashes_ = soft; }
    bool KeyDown(int key);
    bool KeyUp(int key);
    bool FirePressed();
    bool FireReleased();
    bool SetAim(const vector2& point);
    bool IsLevelCleared() const;
    float GetTimeProgress();
    vector2 GetPlayerPosition();
    // Whether the body of a living character (the player, an old guy, a robot) reaches into the
    // area of the picture: what the overlay fades its time slider and label over.
    bool AnyBodyWithin(const rect& area) const;
    // The player becomes an old guy replaying this attempt; the world has no player until
    // RestartAttempt.
    void RetireCurrentPlayer();
    void RestartAttempt();

    // What the game around the world asks of it.
    bool HasLevel() const { return world != nullptr; }
    // The loop being played: 1 for the first attempt, one more for each old guy; 1 with no level.
    int Loop() const;
    // The file the level was read from; empty with no level.
    const std::string& LevelFile() const;
    // How many levels have been loaded: it moves on exactly when a new level's world takes over.
    uint32_t LevelsLoaded() const { return levelsLoaded_; }
    // Big robots blown up in this level so far (the pad rumbles for each).
    uint32_t BigRobotBlasts() const;
    // Nothing touches the hero of this level's world from now on (a level's maker previewing it).
    void SetHeroUntouched(bool untouched);
    // Chain explosions waiting to go off: a small robot hit by two different selves within 350 ms,
    // and each robot its blast caught. The lesson watches it for the player's first chain.
    std::size_t ChainExplosionsWaiting() const;

    // The level as it stands, as a snapshot whose shared parts the store keeps (world/worldsnapshot.h);
    // an empty one with no level.
    WorldSnapshot Snapshot(SnapshotStore& store);
    // Puts the level back as the snapshot of it holds it, with the store it was taken with. False,
    // and nothing changed, for a snapshot of another level or of other generators, or one that
    // does not read whole.
    bool Restore(const WorldSnapshot& snapshot, const SnapshotStore& store);

    CQuenlowZarnImpl* World() const { return world.get(); }
    RandomGenerators& Random() { return random_; }
    const RandomGenerators& Random() const { return random_; }
    // The generators as the current level was loaded, before its world drew from them: with the
    // level file and the events heard since, what the level's world is made of.
    const RandomGenerators& RandomAtLevelLoad() const { return randomAtLoad_; }

private:
    bool KeyEvent(int key, bool pressed);
    bool ControlEvent(uint32_t control, bool pressed);

    RandomGenerators random_; // before the world, which draws from it
    RandomGenerators randomAtLoad_;
    bool softFlashes_ = false;
    bool laterKinds_ = true;
    uint32_t levelsLoaded_ = 0;
    std::unique_ptr<CQuenlowZarnImpl> world;
    CPaperGrid* grid = nullptr;
};
