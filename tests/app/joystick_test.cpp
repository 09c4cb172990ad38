// The game pad mapping, driven with the game's pad events built in the test.
#include "app/control/joystick.h"
#include "engine/input/gamekeys.h"

#include "support/worldfixture.h"

using testsupport::WorldTest;

namespace {

GameEvent Axis(int axis, int value) { return GameEvent::PadAxis(axis, value); }

struct JoystickTest : WorldTest {
    JoystickTest()
    {
        Load();
        Player()->live = true;
        PlacePlayer(vector2(400, 300));
    }

    std::size_t Recorded() { return Player()->recording.size(); }

    JoystickMapping mapping;
};

} // namespace

TEST_F(JoystickTest, TheLeftStickPressesAndReleasesArrowKeysOncePerCrossing)
{
    mapping.HandleEvent(Axis(0, -8192), &gameplay);
    EXPECT_FALSE(Player()->KeyHeld(kControlLeft)) << "exactly -0.25 does not press";
    mapping.HandleEvent(Axis(0, -8193), &gameplay);
    EXPECT_TRUE(Player()->KeyHeld(kControlLeft));
    const std::size_t afterPress = Recorded();
    mapping.HandleEvent(Axis(0, -32768), &gameplay);
    mapping.HandleEvent(Axis(1, 100), &gameplay);
    EXPECT_EQ(Recorded(), afterPress) << "no repeats while the stick stays over the threshold";
    mapping.HandleEvent(Axis(0, 0), &gameplay);
    EXPECT_FALSE(Player()->KeyHeld(kControlLeft));
    EXPECT_EQ(Recorded(), afterPress + 1);

    mapping.HandleEvent(Axis(1, 9000), &gameplay);
    EXPECT_TRUE(Player()->KeyHeld(kControlDown));
    mapping.HandleEvent(Axis(0, 32767), &gameplay);
    EXPECT_TRUE(Player()->KeyHeld(kControlRight));
}

TEST_F(JoystickTest, TheRightStickAimsAroundThePlayerAndFiresPastHalfway)
{
    mapping.HandleEvent(Axis(4, 16384), &gameplay);
    EXPECT_FALSE(Player()->KeyHeld(kControlFire)) << "exactly half way aims but does not fire";
    EXPECT_EQ(World().aimCursor, vector2(500, 300));
    mapping.HandleEvent(Axis(4, 16385), &gameplay);
    EXPECT_TRUE(Player()->KeyHeld(kControlFire));
    mapping.HandleEvent(Axis(3, -32768), &gameplay);
    EXPECT_EQ(World().aimCursor, vector2(500, 100));
    mapping.HandleEvent(Axis(4, 0), &gameplay);
    mapping.HandleEvent(Axis(3, 0), &gameplay);
    EXPECT_FALSE(Player()->KeyHeld(kControlFire));
    EXPECT_EQ(World().aimCursor, vector2(400, 300)) << "a centred stick aims at the player";
}

TEST_F(JoystickTest, TheStickReleaseClearsAKeyTheKeyboardStillHolds)
{
    gameplay.KeyDown(gamekeys::kLeft);
    mapping.HandleEvent(Axis(0, -20000), &gameplay);
    mapping.HandleEvent(Axis(0, 0), &gameplay);
    EXPECT_FALSE(Player()->KeyHeld(kControlLeft));
}

TEST_F(JoystickTest, HighAxisIndicesGrowTheAxisArrayAndOtherEventsChangeNothing)
{
    mapping.HandleEvent(Axis(9, 1234), &gameplay);
    EXPECT_EQ(mapping.AxisCount(), 10u);
    mapping.HandleEvent(Axis(255, -1), &gameplay);
    EXPECT_EQ(mapping.AxisCount(), 256u);
    EXPECT_EQ(mapping.ControlValue(0), 0.0f);

    const std::size_t before = Recorded();
    mapping.HandleEvent(GameEvent::PadButton(3, true), &gameplay);
    mapping.HandleEvent(GameEvent::PadButton(13, true), &gameplay); // the d-pad's left
    EXPECT_EQ(Recorded(), before);
}
