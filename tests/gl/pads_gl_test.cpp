// Pads on the real platform, without hardware: SDL 2's virtual joysticks connected and pulled out
// while the platform runs, pressed and moved, and shaken by the game.
#include "engine/input/gamekeys.h"
#include "engine/input/padbuttons.h"
#include "engine/platform/platform.h"

#include "support/sdlinput.h"
#include "support/virtualpad.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

using testsupport::VirtualPad;
using Type = GameEvent::Type;

struct PadPlatformTest : ::testing::Test {
    std::unique_ptr<Platform> platform;

    void Open(bool classic = false)
    {
        WindowOptions options;
        options.classic = classic;
        testing::internal::CaptureStdout();
        platform = Platform::Start(options);
        listing = testing::internal::GetCapturedStdout();
        ASSERT_TRUE(platform);
        events = testsupport::PollAll(*platform);
    }
    std::vector<GameEvent> Poll() { return events = testsupport::PollAll(*platform); }
    // The first event of the type polled last (for an axis, of that axis), or one of type kNone.
    GameEvent Find(Type type, int32_t axis = -1) const
    {
        const auto found = std::find_if(events.begin(), events.end(), [type, axis](const GameEvent& e) {
            return e.type == type && (axis < 0 || e.axis == axis);
        });
        return found != events.end() ? *found : GameEvent();
    }

    std::string listing;
    std::vector<GameEvent> events;
};

} // namespace

TEST_F(PadPlatformTest, APadConnectedWhileTheGameRunsPlaysAtOnceInTheGamesNumbers)
{
    Open();
    EXPECT_NE(listing.find("Couldn't find a joystick"), std::string::npos) << listing;
    VirtualPad pad(VirtualPad::kXbox360);
    ASSERT_TRUE(pad.Attached()) << SDL_GetError();
    Poll();
    const GameEvent added = Find(Type::kPadAdded);
    ASSERT_EQ(added.type, Type::kPadAdded);

    pad.SetAxis(SDL_CONTROLLER_AXIS_RIGHTX, 20000);
    Poll();
    EXPECT_EQ(Find(Type::kPadAxis, pads::kRightX).value, 20000);
    EXPECT_EQ(Find(Type::kPadAxis, pads::kRightX).pad, added.pad);
    pad.SetAxis(SDL_CONTROLLER_AXIS_RIGHTY, -20000);
    pad.SetAxis(SDL_CONTROLLER_AXIS_LEFTX, -32768);
    Poll();
    EXPECT_EQ(Find(Type::kPadAxis, pads::kRightY).value, -20000);
    EXPECT_EQ(Find(Type::kPadAxis, pads::kLeftX).value, -32768);
    pad.SetButton(SDL_CONTROLLER_BUTTON_A, true);
    Poll();
    EXPECT_EQ(Find(Type::kPadDown).button, pads::kSouth);
    EXPECT_EQ(platform->LastUsed(), (LastDevice{true, pads::Family::kXbox}));

    pad.Detach();
    Poll();
    EXPECT_EQ(Find(Type::kPadRemoved).pad, added.pad);
    pad.SetButton(SDL_CONTROLLER_BUTTON_A, false); // a pad that has gone gives nothing more
    EXPECT_TRUE(Poll().empty());
}

TEST_F(PadPlatformTest, TheLastDeviceUsedNamesItsFamilyAndAKeyBringsTheKeyboardBack)
{
    Open();
    VirtualPad xbox(VirtualPad::kXbox360);
    VirtualPad playStation(VirtualPad::kPlayStation4);
    VirtualPad nintendo(VirtualPad::kSwitchPro);
    Poll();
    playStation.SetButton(SDL_CONTROLLER_BUTTON_B, true);
    Poll();
    EXPECT_EQ(platform->LastUsed(), (LastDevice{true, pads::Family::kPlayStation}));
    EXPECT_EQ(pads::ButtonName(platform->LastUsed().family, Find(Type::kPadDown).button), "Circle");
    nintendo.SetButton(SDL_CONTROLLER_BUTTON_A, true);
    Poll();
    EXPECT_EQ(pads::ButtonName(platform->LastUsed().family, Find(Type::kPadDown).button), "B")
        << "a Nintendo pad's button nearest the player";
    xbox.SetAxis(SDL_CONTROLLER_AXIS_LEFTX, 3000);
    Poll();
    EXPECT_EQ(platform->LastUsed().family, pads::Family::kNintendo) << "a stick resting off its centre is no use";
    testsupport::PushKey(gamekeys::kW, true);
    Poll();
    EXPECT_FALSE(platform->LastUsed().pad);
}

TEST_F(PadPlatformTest, RumbleReachesThePadLastUsedAndNoneAtZero)
{
    Open();
    VirtualPad idle(VirtualPad::kXbox360);
    VirtualPad used(VirtualPad::kXbox360);
    Poll();
    used.SetButton(SDL_CONTROLLER_BUTTON_X, true);
    Poll();
    platform->Rumble(0.5f, 100);
    EXPECT_EQ(used.RumbleRequests(), 1);
    EXPECT_NEAR(used.LastRumble(), 0x7FFF, 2);
    EXPECT_EQ(idle.RumbleRequests(), 0);
    platform->Rumble(0.0f, 100);
    EXPECT_EQ(used.RumbleRequests(), 1) << "a strength of 0 asks nothing of the pad";
}

TEST_F(PadPlatformTest, TheClassicGamePlaysThePadItOpenedAtStartUpAndNoOther)
{
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER), 0);
    VirtualPad first(VirtualPad::kPlayStation4);
    Open(true);
    EXPECT_NE(listing.find("[ ] Virtual DualShock 4\nOpened Joystick: 0\nName: Virtual DualShock 4\n"), std::string::npos)
        << listing;
    VirtualPad later(VirtualPad::kXbox360);
    later.SetButton(SDL_CONTROLLER_BUTTON_A, true);
    EXPECT_TRUE(Poll().empty()) << "a pad connected later is not heard";
    first.SetButton(SDL_CONTROLLER_BUTTON_A, true);
    Poll();
    EXPECT_EQ(Find(Type::kPadDown).button, pads::kSouth);
    SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

TEST_F(PadPlatformTest, PadsWithoutANameGoneBetweenTwoPollsOrMappedWithGarbageAndUnknownKeysAreNoTrouble)
{
    setenv("SDL_GAMECONTROLLERCONFIG", "garbage\n,,,\n03000000ffffffffffffffffffffffff,half a line", 1);
    Open();
    VirtualPad::Make nameless = VirtualPad::kXbox360;
    nameless.name = nullptr;
    VirtualPad pad(nameless);
    Poll();
    ASSERT_EQ(Find(Type::kPadAdded).type, Type::kPadAdded) << "a pad that names itself not plays all the same";
    pad.SetAxis(SDL_CONTROLLER_AXIS_LEFTX, -32768);
    pad.Detach(); // before the platform hears the push
    Poll();
    EXPECT_EQ(Find(Type::kPadRemoved).type, Type::kPadRemoved);
    EXPECT_TRUE(Poll().empty());

    SDL_Event key{};
    key.type = SDL_KEYDOWN;
    key.key.keysym.scancode = SDL_SCANCODE_INTERNATIONAL1; // a key the game has no number for
    SDL_PushEvent(&key);
    EXPECT_TRUE(Poll().empty());
    unsetenv("SDL_GAMECONTROLLERCONFIG");
}
