// The world fixture of the game's rule tests: a level in a temporary folder, sound off, seed 1.
#include "support/worldfixture.h"

#include "audio/soundoutput.h"

namespace testsupport {

WorldTest::WorldTest() : gameplay(RandomGenerators(1)) { SetSoundEnabled(false); }

WorldTest::~WorldTest() { SetSoundEnabled(true); }

void WorldTest::Load(const std::string& levelText)
{
    dir.Write("level.txt", levelText);
    gameplay.LoadLevel(dir.File("level.txt"));
}

void WorldTest::Steps(int n)
{
    for (int i = 0; i < n; ++i)
        gameplay.Update(16);
}

void WorldTest::Loop()
{
    gameplay.RetireCurrentPlayer();
    gameplay.RestartAttempt();
}

EnemyCharacter* WorldTest::Spawn(int type, const vector2& start, const vector2& goal)
{
    World().SpawnEnemy(type, start, goal);
    return World().enemies.back().get();
}

void WorldTest::PlacePlayer(const vector2& point)
{
    PlayerCharacter* player = Player();
    player->SetStart(point, player->sprite);
    player->vel = FixedPoint();
}

} // namespace testsupport
