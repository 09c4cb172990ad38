// The title screen reads real SDL events: it needs a display (label "gl").
#include "app/titlescreen.h"
#include "engine/renderdevice.h"
#include "engine/texturecache.h"

#include "support/testsupport.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

using testsupport::FakeClock;

struct TitleTest : ::testing::Test {
    testsupport::TempDir dir;
    FakeClock clock{0};
    testsupport::ScopedCapture* capture = nullptr;

    void SetUp() override
    {
        ASSERT_TRUE(RenderInit(WindowOptions()));
        capture = new testsupport::ScopedCapture; // draw into the capture, read SDL's real queue
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
        }
    }
    void TearDown() override
    {
        ReleaseAllTextures();
        delete capture;
        RenderShutdown();
        SDL_Quit();
    }

    // Ticks the title at every poll until it ends.
    TitleScreen::Outcome Show()
    {
        TitleScreen title;
        for (;;) {
            const TitleScreen::Outcome outcome = title.Tick(FakeClock::Now());
            if (outcome != TitleScreen::Outcome::kShowing)
                return outcome;
            clock.Set(title.NextDue());
        }
    }

    void PushKey(SDLKey key, Uint8 type = SDL_KEYDOWN)
    {
        SDL_Event event{};
        event.type = type;
        event.key.keysym.sym = key;
        SDL_PushEvent(&event);
    }
};

} // namespace

TEST_F(TitleTest, OtherInputKeepsTheTitleUpUntilFiveSecondsPass)
{
    PushKey(SDLK_x);
    PushKey(SDLK_SPACE, SDL_KEYUP);
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    SDL_PushEvent(&motion);
    SDL_Event right{};
    right.type = SDL_MOUSEBUTTONDOWN;
    right.button.button = SDL_BUTTON_RIGHT;
    SDL_PushEvent(&right);
    testing::internal::CaptureStdout();
    EXPECT_EQ(Show(), TitleScreen::Outcome::kStartGame);
    testing::internal::GetCapturedStdout();
    EXPECT_GT(FakeClock::Now(), 5000u) << "dismissed by the timeout, not by the input";
    EXPECT_LT(FakeClock::Now(), 5100u);
    EXPECT_EQ(capture->Backend().FramesEnded(), 1u) << "the unchanging title is drawn once";
    const uint64_t presents = capture->Backend().FramesPresentedAgain();
    EXPECT_GE(presents, 10u);
    EXPECT_LE(presents, 40u) << "and presented again a few times a second, not at every poll";
}

TEST_F(TitleTest, ATickBeforeThePollIsDueDoesNothingAndAnUncoveredWindowGetsThePictureAgain)
{
    TitleScreen title;
    EXPECT_EQ(title.Tick(0), TitleScreen::Outcome::kShowing);
    EXPECT_EQ(title.NextDue(), 16u);
    SDL_Event expose{};
    expose.type = SDL_VIDEOEXPOSE;
    SDL_PushEvent(&expose);
    clock.Set(16);
    title.Tick(16); // takes the expose
    clock.Set(32);
    title.Tick(32);
    EXPECT_GE(capture->Backend().FramesPresentedAgain(), 1u) << "two polls on, long before the next present is due";

    PushKey(SDLK_SPACE);
    EXPECT_EQ(title.Tick(47), TitleScreen::Outcome::kShowing) << "the space waits for the next poll";
    clock.Set(48);
    EXPECT_EQ(title.Tick(48), TitleScreen::Outcome::kStartGame);
    EXPECT_EQ(title.Tick(64), TitleScreen::Outcome::kStartGame);
    EXPECT_EQ(capture->Backend().FramesEnded(), 1u);
}

TEST_F(TitleTest, EscapeAndAClickStartTheGameAndClosingTheWindowQuits)
{
    testing::internal::CaptureStdout();
    PushKey(SDLK_ESCAPE);
    EXPECT_EQ(Show(), TitleScreen::Outcome::kStartGame);
    EXPECT_LT(FakeClock::Now(), 100u);
    SDL_Event click{};
    click.type = SDL_MOUSEBUTTONDOWN;
    click.button.button = SDL_BUTTON_LEFT;
    SDL_PushEvent(&click);
    EXPECT_EQ(Show(), TitleScreen::Outcome::kStartGame);
    PushKey(SDLK_SPACE);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    EXPECT_EQ(Show(), TitleScreen::Outcome::kQuit) << "a quit in the same poll still wins";
    testing::internal::GetCapturedStdout();
}

TEST_F(TitleTest, TheTitleImageIsStretchedOverTheWholeScreen)
{
    dir.MakeDir("data");
    dir.MakeDir("data/gfx");
    const std::vector<uint8_t> pixels(640 * 360 * 4, 200);
    testsupport::WritePng(dir.File("data/gfx/title_screen.jpg"), 640, 360, pixels.data());
    testsupport::InDirectory(dir.Path(), [&] {
        PushKey(SDLK_RETURN);
        EXPECT_EQ(Show(), TitleScreen::Outcome::kStartGame);
    });
    ASSERT_FALSE(capture->Backend().Quads().empty());
    const QuadStrip& quad = capture->Backend().Quads().back().quad;
    EXPECT_FLOAT_EQ(quad.v[1].x, -1.0f);
    EXPECT_FLOAT_EQ(quad.v[1].y, 1.0f);
    EXPECT_FLOAT_EQ(quad.v[2].x, 1.0f);
    EXPECT_FLOAT_EQ(quad.v[2].y, -1.0f) << "a 640 x 360 title is drawn at scale 2 x 2";
}
