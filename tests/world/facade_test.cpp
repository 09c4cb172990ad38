// The Gameplay facade: input mapping, aim recording and the level-cleared rule.
#include "support/worldfixture.h"
#include "engine/input/gamekeys.h"

using testsupport::WorldTest;

TEST(GameplayWithoutAWorld, EveryOperationIsSafe)
{
    Gameplay gameplay;
    EXPECT_TRUE(gameplay.Update(16));
    gameplay.Draw();
    EXPECT_FALSE(gameplay.KeyDown(gamekeys::kW));
    EXPECT_FALSE(gameplay.KeyUp(gamekeys::kW));
    EXPECT_FALSE(gameplay.FirePressed());
    EXPECT_FALSE(gameplay.FireReleased());
    EXPECT_FALSE(gameplay.SetAim(vector2(10, 10)));
    EXPECT_FALSE(gameplay.IsPlayerDead());
    EXPECT_FALSE(gameplay.IsLevelCleared());
    EXPECT_EQ(gameplay.GetTimeProgress(), 0.0f);
    EXPECT_EQ(gameplay.GetPlayerPosition(), vector2());
    gameplay.RetireCurrentPlayer();
    gameplay.RestartAttempt();
    gameplay.SetGrid(nullptr);
}

TEST_F(WorldTest, KeysMapToControlsAndOtherKeysMakeNoEvent)
{
    Load();
    Player()->live = true;
    gameplay.KeyDown('x');
    gameplay.KeyDown(gamekeys::kSpace);
    EXPECT_TRUE(Player()->recording.empty());
    const int keys[] = {gamekeys::kW, gamekeys::kUp, gamekeys::kS, gamekeys::kDown, gamekeys::kA, gamekeys::kLeft, gamekeys::kD, gamekeys::kRight};
    const uint32_t controls[] = {kControlUp, kControlUp, kControlDown, kControlDown,
                                 kControlLeft, kControlLeft, kControlRight, kControlRight};
    for (int i = 0; i < 8; ++i) {
        gameplay.KeyDown(keys[i]);
        EXPECT_EQ(Player()->recording.back().key, controls[i]) << keys[i];
        EXPECT_EQ(Player()->recording.back().type, kEventPressed);
    }
    // Two keys of one direction are not combined: releasing either clears the control.
    gameplay.KeyUp(gamekeys::kW);
    EXPECT_FALSE(Player()->KeyHeld(kControlUp));
    gameplay.FirePressed();
    EXPECT_EQ(Player()->recording.back().key, kControlFire);
}

TEST_F(WorldTest, AimIsTruncatedAndRecordedOnlyForMovesOfMoreThanTwoPixels)
{
    Load();
    gameplay.SetAim(vector2(100.9f, 200.2f));
    EXPECT_EQ(World().aimCursor, vector2(100, 200));

    Player()->aim = vector2(500, 500);
    const std::size_t before = Player()->recording.size();
    gameplay.SetAim(vector2(502, 500));
    Steps(1);
    EXPECT_EQ(Player()->recording.size(), before) << "2 pixels away records nothing";
    Steps(2);
    gameplay.SetAim(vector2(503, 500));
    Steps(1);
    ASSERT_EQ(Player()->recording.size(), before + 1);
    const InputEvent& aim = Player()->recording.back();
    EXPECT_EQ(aim.type, kEventAim);
    EXPECT_EQ(aim.x, 503.0f);
    EXPECT_EQ(aim.time, 48u) << "stamped with the time before the step's advance";
    EXPECT_EQ(Player()->aim, vector2(503, 500));
    Steps(1);
    EXPECT_EQ(Player()->recording.size(), before + 1) << "the two agree again";
}

TEST_F(WorldTest, TheLevelIsClearedOnlyAfterTheFirstStepBeyondItsLength)
{
    Load("32\n");
    Steps(2);
    EXPECT_EQ(gameplay.GetTimeProgress(), 1.0f);
    EXPECT_FALSE(gameplay.IsLevelCleared());
    Steps(1);
    EXPECT_TRUE(gameplay.IsLevelCleared());
    World().KillCharacter(Player());
    Steps(1);
    EXPECT_FALSE(gameplay.IsLevelCleared()) << "never while the player is dead";
}

TEST_F(WorldTest, AnEmptyLevelIsClearedFromItsFirstStep)
{
    gameplay.LoadLevel("");
    EXPECT_FALSE(gameplay.IsLevelCleared());
    Steps(1);
    EXPECT_TRUE(gameplay.IsLevelCleared());
}

TEST_F(WorldTest, RetiringTwiceDoesNothingTheSecondTime)
{
    Load();
    gameplay.RetireCurrentPlayer();
    gameplay.RetireCurrentPlayer();
    EXPECT_EQ(World().oldGuys.size(), 1u);
    EXPECT_EQ(Player(), nullptr);
    // Without a player, input reaches no one and a fire press is lost.
    gameplay.FirePressed();
    gameplay.RestartAttempt();
    EXPECT_NE(Player(), nullptr);
    EXPECT_FALSE(Player()->KeyHeld(kControlFire));
}

TEST_F(WorldTest, LoadingALevelReplacesTheWorldAndKeepsTheGrid)
{
    Load();
    Gameplay::CQuenlowZarnImpl* first = gameplay.World();
    gameplay.LoadLevel(dir.File("level.txt"));
    EXPECT_NE(gameplay.World(), first);
    EXPECT_TRUE(World().oldGuys.empty());
    EXPECT_EQ(World().grid, nullptr);
}
