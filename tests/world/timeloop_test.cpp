// The time loop: every attempt is replayed by an old guy beside the new player.
#include "support/worldfixture.h"
#include "engine/input/gamekeys.h"

#include <vector>

using testsupport::WorldTest;

namespace {

struct TimeLoopTest : WorldTest {
    // Walks right from time 0 to 160 and records the positions of the next n steps.
    std::vector<FixedPoint> WalkRightAndWatch(PlayerCharacter* watched, int n)
    {
        std::vector<FixedPoint> path;
        for (int step = 0; step < n; ++step) {
            if (World().worldTime == 0 && watched == Player())
                gameplay.KeyDown(gamekeys::kD);
            if (World().worldTime == 160 && watched == Player())
                gameplay.KeyUp(gamekeys::kD);
            Steps(1);
            path.push_back(watched->pos);
        }
        return path;
    }
};

bool SamePath(const std::vector<FixedPoint>& a, const std::vector<FixedPoint>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].x != b[i].x || a[i].y != b[i].y)
            return false;
    }
    return true;
}

} // namespace

TEST_F(TimeLoopTest, AnOldGuyRepeatsItsWalkToTheSameFixedPointEveryLoop)
{
    Load();
    PlacePlayer(vector2(300, 300));
    PlayerCharacter* first = Player();
    const std::vector<FixedPoint> live = WalkRightAndWatch(first, 40);
    EXPECT_GT(live.back().x, live.front().x);
    EXPECT_EQ(first->recording.size(), 2u);
    for (int loop = 2; loop <= 4; ++loop) {
        Loop();
        ASSERT_EQ(World().oldGuys.front().get(), first);
        EXPECT_TRUE(SamePath(WalkRightAndWatch(first, 40), live)) << "loop " << loop;
    }
    EXPECT_EQ(first->recording.size(), 2u) << "a replay records nothing";
}

TEST_F(TimeLoopTest, AnAttemptCutShortWithAKeyHeldReplaysItHeld)
{
    Load();
    PlacePlayer(vector2(300, 300));
    PlayerCharacter* first = Player();
    gameplay.KeyDown(gamekeys::kRight);
    Steps(20);
    Loop();
    Steps(300);
    EXPECT_EQ(first->pos.x.Raw(), 1260 * kFixedOne.Raw()) << "it walks on until the field edge stops it";
}

TEST_F(TimeLoopTest, ThreeLoopsEndedByDeathGiveThreeOldGuysOldestFirst)
{
    Load();
    std::vector<PlayerCharacter*> attempts;
    for (int loop = 0; loop < 3; ++loop) {
        attempts.push_back(Player());
        Steps(5);
        World().KillCharacter(Player());
        Steps(1);
        ASSERT_TRUE(gameplay.IsPlayerDead());
        Loop();
    }
    ASSERT_EQ(World().oldGuys.size(), attempts.size());
    for (std::size_t i = 0; i < attempts.size(); ++i)
        EXPECT_EQ(World().oldGuys[i].get(), attempts[i]) << i;
    EXPECT_FALSE(gameplay.IsPlayerDead());
    EXPECT_NE(Player(), nullptr);
    Steps(1);
    for (const auto& oldGuy : attempts)
        EXPECT_EQ(oldGuy->lastTime, 16u);
}

TEST_F(TimeLoopTest, AnOldGuyDiesAtItsRecordedDeath)
{
    Load();
    PlayerCharacter* first = Player();
    Steps(10);
    World().KillCharacter(first); // at world time 160
    ASSERT_EQ(first->recording.back().type, kEventDeath);
    EXPECT_EQ(first->recording.back().time, 160u);
    Loop();
    Steps(10);
    EXPECT_FALSE(first->dead);
    Steps(1);
    EXPECT_TRUE(first->dead) << "it stops where it stood when it died";
    const FixedPoint where = first->pos;
    Steps(20);
    EXPECT_EQ(first->pos.x, where.x);
}

TEST_F(TimeLoopTest, TwoEventsWithTheSameTimeReplayInOneStepInOrder)
{
    Load();
    PlacePlayer(vector2(300, 300));
    PlayerCharacter* first = Player();
    Steps(2);
    gameplay.KeyDown(gamekeys::kW);
    gameplay.KeyUp(gamekeys::kW);
    gameplay.KeyDown(gamekeys::kS);
    Steps(3);
    Loop();
    Steps(3);
    EXPECT_FALSE(first->KeyHeld(kControlUp));
    EXPECT_TRUE(first->KeyHeld(kControlDown));
}

TEST_F(TimeLoopTest, FireHeldAcrossARestartKeepsTheOldGuyShooting)
{
    Load();
    PlacePlayer(vector2(300, 300));
    gameplay.SetAim(vector2(900, 300));
    gameplay.FirePressed();
    Steps(10);
    EXPECT_TRUE(Player()->fireSound.IsPlaying());
    PlayerCharacter* first = Player();
    Loop();
    EXPECT_FALSE(first->fireSound.IsPlaying()) << "a replay never keeps the firing loop running";
    Steps(30);
    EXPECT_FALSE(World().bullets.empty()) << "the old guy fires at its weapon's interval";
    EXPECT_FALSE(first->fireSound.IsPlaying()) << "old guys fire without sound";
}
