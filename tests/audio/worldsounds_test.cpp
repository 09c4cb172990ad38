// The world plays its sounds through the bank: explosions, the big robot's shot and the live
// player's firing loop (with the game's generated sounds, on SDL's dummy driver).
#include "world/gameplay.h"
#include "audio/soundbank.h"
#include "audio/soundoutput.h"
#include "characters/enemycharacter.h"
#include "characters/playercharacter.h"
#include "engine/core/random.h"
#include "world/world.h"

#include "audiotestsupport.h"
#include "support/testsupport.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <set>

namespace {

class WorldSoundTest : public audiotest::DummyAudioTest {
protected:
    void SetUp() override
    {
        audiotest::DummyAudioTest::SetUp();
        gameplay_.Random().RandomSeed(5);
        level_.Write("level.txt", "60000\n");
        testing::internal::CaptureStdout();
        gameplay_.LoadLevel(level_.File("level.txt"));
        testing::internal::GetCapturedStdout();
    }

    Gameplay::CQuenlowZarnImpl& World() { return *gameplay_.World(); }

    static bool Loaded(const std::string& path)
    {
        std::set<std::string> names;
        for (const MixerFile* entry : LoadedSounds())
            names.insert(entry->fileName);
        return names.count(path) && FindOrLoadSound(path)->chunk;
    }

    testsupport::ScopedCapture capture_;
    testsupport::FakeClock clock_;
    testsupport::TempDir level_;
    Gameplay gameplay_;
};

} // namespace

TEST_F(WorldSoundTest, DeathsExplosionsAndTheBigRobotsShotAreHeard)
{
    const uint64_t before = SoundsStarted();
    World().SpawnEnemy(3, vector2(300, 300), vector2(300, 300));
    World().KillCharacter(World().enemies.back().get());
    EXPECT_TRUE(Loaded("data/sfx/small_explosion.wav"));
    clock_.Advance(200);
    World().Explode(Gameplay::CQuenlowZarnImpl::DelayedExplosion{vector2(600, 300), 100.0f, 50.0f, 0});
    EXPECT_TRUE(Loaded("data/sfx/big_explosion.wav"));
    clock_.Advance(200);
    World().SpawnEnemy(1, vector2(900, 600), vector2(100, 600));
    EnemyCharacter* big = World().enemies.back().get();
    big->aim = vector2(100, 100);
    World().FireBullet(big);
    EXPECT_TRUE(Loaded("data/sfx/big_bad_shot.wav"));
    EXPECT_EQ(SoundsStarted(), before + 3);
    Mix_HaltChannel(-1);
}

TEST_F(WorldSoundTest, TheLivePlayersFiringLoopFollowsTheFireControlAndStopsAtDeath)
{
    PlayerCharacter* player = World().player.get();
    gameplay_.SetAim(vector2(1200, 100));
    gameplay_.FirePressed();
    for (int i = 0; i < 10; ++i)
        gameplay_.Update(16);
    EXPECT_TRUE(player->fireSound.IsPlaying());
    EXPECT_GT(Mix_Playing(-1), 0) << "the loop is really on a channel";
    gameplay_.FireReleased();
    gameplay_.Update(16);
    EXPECT_FALSE(player->fireSound.IsPlaying());
    gameplay_.FirePressed();
    gameplay_.Update(16);
    EXPECT_TRUE(player->fireSound.IsPlaying());
    World().KillCharacter(player);
    EXPECT_FALSE(player->fireSound.IsPlaying());
    EXPECT_EQ(Mix_Playing(-1), 0);
}
