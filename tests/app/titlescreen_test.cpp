// The title screen as the program's pump drives it: events heard after a poll, the five seconds,
// the picture drawn once and presented again now and then.
#include "app/screens/titlescreen.h"
#include "engine/input/gamekeys.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using testsupport::FakeClock;
using To = GameScreen::Change::To;

struct TitleTest : ::testing::Test {
    testsupport::TempDir dir;
    FakeClock clock{0};
    testsupport::ScopedCapture capture;

    // Polls the title until it ends, handing it the events at its first poll as the pump would.
    To Show(const std::vector<GameEvent>& events)
    {
        TitleScreen title(false, GameScreen::Change(To::kMainMenu));
        bool heard = false;
        for (;;) {
            if (title.Tick(FakeClock::Now()) && !heard) {
                heard = true;
                for (const GameEvent& event : events) {
                    if (title.TakesEvents())
                        title.HandleEvent(event);
                }
            }
            if (title.WhatNext().to != To::kStay)
                return title.WhatNext().to;
            clock.Set(title.NextDue());
        }
    }
};

GameEvent Press(int32_t key) { return GameEvent::Key(key, true); }

} // namespace

TEST_F(TitleTest, OtherInputKeepsTheTitleUpUntilFiveSecondsPass)
{
    testing::internal::CaptureStdout();
    EXPECT_EQ(Show({Press('x'), GameEvent::Key(gamekeys::kSpace, false), GameEvent::MouseMotion(10, 10),
                    GameEvent::MouseButton(GameEvent::kRightButton, true)}),
              To::kMainMenu);
    testing::internal::GetCapturedStdout();
    EXPECT_GT(FakeClock::Now(), 5000u) << "dismissed by the timeout, not by the input";
    EXPECT_LT(FakeClock::Now(), 5100u);
    EXPECT_EQ(capture.Backend().FramesEnded(), 1u) << "the unchanging title is drawn once";
    const uint64_t presents = capture.Backend().FramesPresentedAgain();
    EXPECT_GE(presents, 10u);
    EXPECT_LE(presents, 40u) << "and presented again a few times a second, not at every poll";
}

TEST_F(TitleTest, ATickBeforeThePollIsDueDoesNothingAndAnUncoveredWindowGetsThePictureAgain)
{
    TitleScreen title(false, GameScreen::Change(To::kPlay, 3));
    EXPECT_TRUE(title.Tick(0));
    EXPECT_EQ(title.NextDue(), 16u);
    title.HandleEvent(GameEvent::Of(GameEvent::Type::kExposed));
    clock.Set(15);
    EXPECT_FALSE(title.Tick(15));
    clock.Set(16);
    EXPECT_TRUE(title.Tick(16));
    EXPECT_EQ(capture.Backend().FramesPresentedAgain(), 1u) << "a poll on, long before the next present is due";
    title.HandleEvent(Press(gamekeys::kSpace));
    EXPECT_EQ(title.WhatNext().to, To::kPlay);
    EXPECT_EQ(title.WhatNext().startAfter, 3) << "play where the command line asked";
    EXPECT_EQ(capture.Backend().FramesEnded(), 1u);
}

TEST_F(TitleTest, EscapeAClickAndAPadButtonStartTheGameAndClosingTheWindowQuits)
{
    testing::internal::CaptureStdout();
    EXPECT_EQ(Show({Press(gamekeys::kEscape)}), To::kMainMenu);
    EXPECT_LT(FakeClock::Now(), 100u);
    EXPECT_EQ(Show({GameEvent::MouseButton(GameEvent::kLeftButton, true)}), To::kMainMenu);
    EXPECT_EQ(Show({GameEvent::PadButton(0, true)}), To::kMainMenu);
    EXPECT_EQ(Show({Press(gamekeys::kSpace), GameEvent::Of(GameEvent::Type::kQuit)}), To::kQuit)
        << "a quit in the same poll still wins";
    testing::internal::GetCapturedStdout();

    TitleScreen classic(true, GameScreen::Change(To::kPlay));
    classic.Tick(FakeClock::Now());
    classic.HandleEvent(GameEvent::PadButton(0, true));
    EXPECT_EQ(classic.WhatNext().to, To::kStay) << "the classic title does not hear pads";
}

TEST_F(TitleTest, TheTitleImageIsStretchedOverTheWholeScreen)
{
    dir.MakeDir("data");
    dir.MakeDir("data/gfx");
    const std::vector<uint8_t> pixels(640 * 360 * 4, 200);
    // The backdrop of the game's title, under the controls it letters over it.
    testsupport::WritePng(dir.File("data/gfx/title_backdrop.jpg"), 640, 360, pixels.data());
    testsupport::InDirectory(dir.Path(), [&] { EXPECT_EQ(Show({Press(gamekeys::kReturn)}), To::kMainMenu); });
    ASSERT_FALSE(capture.Backend().Quads().empty());
    const QuadStrip& quad = capture.Backend().Quads().front().quad;
    EXPECT_FLOAT_EQ(quad.v[1].x, -1.0f);
    EXPECT_FLOAT_EQ(quad.v[1].y, 1.0f);
    EXPECT_FLOAT_EQ(quad.v[2].x, 1.0f);
    EXPECT_FLOAT_EQ(quad.v[2].y, -1.0f) << "a 640 x 360 title is drawn at scale 2 x 2";
}

TEST_F(TitleTest, ForAPlayerNewToTheGameTheControlsStayUntilAKey)
{
    TitleScreen title(false, GameScreen::Change(To::kMainMenu), nullptr, nullptr, true);
    while (FakeClock::Now() < 20000) {
        title.Tick(FakeClock::Now());
        clock.Set(title.NextDue());
    }
    EXPECT_EQ(title.WhatNext().to, To::kStay) << "twenty seconds on, the title still shows";
    title.HandleEvent(Press(gamekeys::kSpace));
    EXPECT_EQ(title.WhatNext().to, To::kMainMenu);
}
