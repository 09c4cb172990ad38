// The real game played with a pad that comes and goes: connected on the title, it takes the
// title and the main menu, moves and fires with both sticks, and pulled out mid-level pauses the
// game with nothing held.
#include "app/screens/playscreen.h"
#include "app/program.h"
#include "characters/playercharacter.h"
#include "world/world.h"

#include "support/gamerun.h"
#include "support/virtualpad.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

using testsupport::VirtualPad;

struct PadGameTest : testsupport::ProgramRunFixture {
    PadGameTest() : ProgramRunFixture("60000\n", "60000\n") {}

    static void Press(VirtualPad& pad, SDL_GameControllerButton button)
    {
        pad.SetButton(button, true);
        pad.SetButton(button, false);
    }
    // The left stick pushed down (or up) and back to the middle: one step of a menu's mark.
    static void Push(VirtualPad& pad, int16_t towards)
    {
        pad.SetAxis(SDL_CONTROLLER_AXIS_LEFTY, towards);
        pad.SetAxis(SDL_CONTROLLER_AXIS_LEFTY, 0);
    }
    static PlayScreen* Play(Program& program) { return dynamic_cast<PlayScreen*>(program.Shown()); }
};

} // namespace

TEST_F(PadGameTest, APadConnectedOnTheTitlePlaysTheMenusAndTheGameAndPulledOutPausesIt)
{
    testsupport::InDirectory(dir.Path(), [&] {
        Program program({}, nullptr);
        ASSERT_TRUE(RunFor(program, 100)); // start-up and the title
        VirtualPad pad(VirtualPad::kXbox360);
        ASSERT_TRUE(pad.Attached()) << SDL_GetError();
        ASSERT_TRUE(RunFor(program, 50));
        Press(pad, SDL_CONTROLLER_BUTTON_A); // takes the title
        ASSERT_TRUE(RunFor(program, 100));
        ASSERT_EQ(Play(program), nullptr) << "the main menu shows";
        // Round the menu and back to "New game" with the left stick (this virtual pad's d-pad is a
        // hat that SetButton cannot press: it pressed A).
        Push(pad, 32767);
        Push(pad, -32767);
        Press(pad, SDL_CONTROLLER_BUTTON_A);
        ASSERT_TRUE(RunFor(program, 50));
        Push(pad, 32767); // new to the game: "Straight to level 1" rather than the lesson
        Press(pad, SDL_CONTROLLER_BUTTON_A);
        ASSERT_TRUE(RunFor(program, 100));
        PlayScreen* play = Play(program);
        ASSERT_NE(play, nullptr) << "New game taken with the pad";

        ASSERT_TRUE(RunFor(program, 1500)); // the hero arrives
        PlayerCharacter* hero = play->Phase().gameplay.World()->player.get();
        ASSERT_NE(hero, nullptr);
        const vector2 start = hero->Position();
        // The hero arrives where the clock-seeded game puts it: the stick pushes it away from the
        // nearer side wall, so that it has room to move.
        const float towards = start.x < kVirtualWidth * 0.5f ? 1.0f : -1.0f;
        pad.SetAxis(SDL_CONTROLLER_AXIS_LEFTX, towards > 0.0f ? 32767 : -32767);
        pad.SetAxis(SDL_CONTROLLER_AXIS_RIGHTY, -32767);
        ASSERT_TRUE(RunFor(program, 500));
        EXPECT_GT((hero->Position().x - start.x) * towards, 20.0f) << "the left stick moves";
        EXPECT_TRUE(hero->KeyHeld(kControlFire)) << "the right stick pushed far fires";
        EXPECT_FALSE(play->Loop().Paused());

        pad.Detach();
        ASSERT_TRUE(RunFor(program, 100));
        EXPECT_TRUE(play->Loop().Paused()) << "the pad in use went away";
        EXPECT_TRUE(play->Loop().PadGone());
        EXPECT_FALSE(hero->KeyHeld(kControlRight));
        EXPECT_FALSE(hero->KeyHeld(kControlFire));
        const vector2 stopped = hero->Position();
        ASSERT_TRUE(RunFor(program, 300));
        EXPECT_EQ(hero->Position(), stopped) << "a pad leaving never moves the hero on";
    });
}
