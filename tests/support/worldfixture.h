#pragma once
// A world built from level text in a temporary folder, with sound off, a fake clock, a
// capturing render backend and fixed random seeds, for tests of the game's rules.
#include "world/gameplay.h"
#include "characters/characterkinds.h"
#include "characters/healthbar.h"
#include "engine/core/random.h"
#include "characters/enemycharacter.h"
#include "characters/playercharacter.h"
#include "utils/levellist/clevellist.h"
#include "world/world.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <string>

namespace testsupport {

class WorldTest : public ::testing::Test {
protected:
    WorldTest();
    ~WorldTest() override;

    // Loads a level whose file holds text (default: a minute with no robots).
    void Load(const std::string& levelText = "60000\n");
    Gameplay::CQuenlowZarnImpl& World() { return *gameplay.World(); }
    PlayerCharacter* Player() { return World().player.get(); }
    // Runs the world n steps of 16 ms.
    void Steps(int n);
    // F5: the player becomes an old guy and the next loop begins.
    void Loop();
    // A robot of the type (1 big_bad, 2 homing, 3 moving) placed at start, heading for goal.
    EnemyCharacter* Spawn(int type, const vector2& start, const vector2& goal);
    // Puts the live player at a point, standing still.
    void PlacePlayer(const vector2& point);

    ScopedCapture capture;
    FakeClock clock;
    TempDir dir;
    Gameplay gameplay; // its generators seeded with 1
    kolm::CLevelList levels; // data/levels.xml of the folder current when first asked
    RandomGenerators& random = gameplay.Random();
};

} // namespace testsupport
