// Needs a display: run under xvfb-run (CTest label "gl").
// A damaged robot on screen, drawn with the generated art: its health bar shows the red fill
// at full strength for the health left and the field through the rest of the frame's window.
#include "world/gameplay.h"
#include "audio/soundoutput.h"
#include "characters/enemycharacter.h"
#include "characters/healthbar.h"
#include "engine/platform/platform.h"
#include "engine/render/renderbackend.h"
#include "engine/render/renderdevice.h"
#include "engine/render/sprite.h"
#include "world/world.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <memory>

#include <cmath>
#include <vector>

namespace {

struct DamagedRobotTest : ::testing::Test {
    std::unique_ptr<Platform> platform;
    testsupport::FakeClock clock;
    testsupport::TempDir dir;
    std::vector<uint8_t> target;

    void SetUp() override
    {
        platform = Platform::Start(WindowOptions());
        ASSERT_TRUE(platform);
        SetSoundEnabled(false);
    }

    void TearDown() override
    {
        SetSoundEnabled(true);
        platform.reset();
    }

    // The pixel that holds the point.
    const uint8_t* Pixel(float x, float y) const
    {
        return &target[(static_cast<std::size_t>(std::floor(y)) * 1280 + static_cast<std::size_t>(std::floor(x))) * 4];
    }
};

} // namespace

TEST_F(DamagedRobotTest, HealthBarShowsTheRedFillForTheHealthLeft)
{
    dir.Write("level.txt", "60000\n");
    Gameplay gameplay; // the pictures come from the build's data/gfx, the tests' directory
    gameplay.LoadLevel(dir.File("level.txt"));
    Gameplay::CQuenlowZarnImpl& world = *gameplay.World();
    world.player->SetStart(vector2(100, 650), world.player->sprite);

    world.SpawnEnemy(1, vector2(640, 420), vector2(900, 420)); // a big_bad: 50 health, a bar at scale 1
    EnemyCharacter* robot = world.enemies.back().get();
    robot->lastTime = 16;
    robot->spawnTime = 0;
    world.ApplyDamage(robot, 25.0f, robot->Position(), vector2(0, 0), nullptr);
    for (int step = 0; step < 40; ++step) // the bar fades in over half a second
        gameplay.Update(16);
    ASSERT_NE(robot->healthBar, nullptr);
    const CSprite& frame = *robot->healthBar->back;
    ASSERT_FLOAT_EQ(frame.scaleX, 1.0f);

    BeginFrame();
    gameplay.Draw();
    EndFrame();
    ASSERT_TRUE(GetRenderBackend().ReadTarget(target));

    // The window runs from (5, 4) to (55, 12) of the frame; half the health fills its left half.
    const float middle = frame.y + 8.0f;
    for (float x : {frame.x + 9.0f, frame.x + 18.0f, frame.x + 26.0f}) {
        const uint8_t* fill = Pixel(x, middle);
        EXPECT_GT(fill[0], 120) << "red fill at " << x - frame.x;
        EXPECT_LT(fill[1], 60) << "red fill at " << x - frame.x;
        EXPECT_LT(fill[2], 60) << "red fill at " << x - frame.x;
        EXPECT_GT(fill[3], 240) << "solid fill at " << x - frame.x;
    }
    for (float x : {frame.x + 40.0f, frame.x + 50.0f}) {
        const uint8_t* empty = Pixel(x, middle);
        EXPECT_LT(empty[3], 40) << "the frame is clear past the fill, at " << x - frame.x;
    }
    EXPECT_GT(Pixel(frame.x + 30.0f, frame.y + 1.0f)[3], 200) << "the frame round the window";
}
