// A pad's right stick seen through each layout SDL may deliver: turned into the game's own axis
// numbers, it aims the way it is pushed.
#include "app/joystick.h"
#include "app/padlayout.h"

#include "support/worldfixture.h"

using testsupport::WorldTest;

namespace {

struct PadLayoutTest : WorldTest {
    PadLayoutTest()
    {
        Load();
        Player()->live = true;
        PlacePlayer(vector2(400, 300));
    }

    // The aim after the layout's stick axis moved to value, as the game hears it.
    vector2 AimAfter(PadLayout layout, int sdlAxis, int value)
    {
        SDL_Event event{};
        event.type = SDL_JOYAXISMOTION;
        event.jaxis.axis = static_cast<Uint8>(GameAxis(layout, sdlAxis));
        event.jaxis.value = static_cast<Sint16>(value);
        mapping.HandleEvent(event, &gameplay);
        return World().aimCursor;
    }

    JoystickMapping mapping;
};

// The right stick's axes as each layout numbers them: x, then y.
struct RightStick {
    PadLayout layout;
    int x;
    int y;
};

} // namespace

TEST_F(PadLayoutTest, TheRightStickAimsTheWayItIsPushedInBothLayouts)
{
    for (const RightStick stick : {RightStick{PadLayout::kLinuxDriver, 3, 4}, RightStick{PadLayout::kGameController, 2, 3}}) {
        EXPECT_EQ(AimAfter(stick.layout, stick.x, 32767), vector2(599, 300)) << "right aims right";
        EXPECT_EQ(AimAfter(stick.layout, stick.x, 0), vector2(400, 300));
        EXPECT_EQ(AimAfter(stick.layout, stick.y, -32768), vector2(400, 100)) << "up aims up";
        EXPECT_EQ(AimAfter(stick.layout, stick.y, 0), vector2(400, 300));
        EXPECT_FALSE(Player()->KeyHeld(kControlFire));
    }
}

TEST(PadLayout, TheLeftStickKeepsItsAxesAndTheTriggersReachNoControl)
{
    for (const PadLayout layout : {PadLayout::kLinuxDriver, PadLayout::kGameController}) {
        EXPECT_EQ(GameAxis(layout, 0), 0);
        EXPECT_EQ(GameAxis(layout, 1), 1);
        EXPECT_EQ(GameAxis(layout, 9), 9) << "axes past the six of a pad keep their numbers";
    }
    EXPECT_EQ(GameAxis(PadLayout::kLinuxDriver, 2), 2);
    EXPECT_EQ(GameAxis(PadLayout::kLinuxDriver, 5), 5);
    EXPECT_EQ(GameAxis(PadLayout::kGameController, 4), 2);
    EXPECT_EQ(GameAxis(PadLayout::kGameController, 5), 5);
}
