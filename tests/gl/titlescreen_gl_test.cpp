// The title screen reads real SDL events: it needs a display (label "gl").
#include "app/titlescreen.h"
#include "engine/renderdevice.h"
#include "engine/texturecache.h"
#include "engine/ticks.h"

#include "support/testsupport.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <vector>

namespace {

uint32_t g_now = 0;

// A clock that moves on by a millisecond every time it is read.
uint32_t RunningClock() { return ++g_now; }

struct TitleTest : ::testing::Test {
    testsupport::TempDir dir;
    testsupport::ScopedCapture* capture = nullptr;

    void SetUp() override
    {
        ASSERT_TRUE(RenderInit(WindowOptions()));
        capture = new testsupport::ScopedCapture; // draw into the capture, read SDL's real queue
        g_now = 0;
        kolm::SetTickSource(RunningClock);
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
        }
    }
    void TearDown() override
    {
        kolm::SetTickSource(nullptr);
        ReleaseAllTextures();
        delete capture;
        RenderShutdown();
        SDL_Quit();
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
    EXPECT_TRUE(RunTitleScreen());
    testing::internal::GetCapturedStdout();
    EXPECT_GT(g_now, 5000u) << "dismissed by the timeout, not by the input";
}

TEST_F(TitleTest, EscapeAndAClickStartTheGameAndClosingTheWindowQuits)
{
    testing::internal::CaptureStdout();
    PushKey(SDLK_ESCAPE);
    EXPECT_TRUE(RunTitleScreen());
    EXPECT_LT(g_now, 100u);
    SDL_Event click{};
    click.type = SDL_MOUSEBUTTONDOWN;
    click.button.button = SDL_BUTTON_LEFT;
    SDL_PushEvent(&click);
    EXPECT_TRUE(RunTitleScreen());
    PushKey(SDLK_SPACE);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    EXPECT_FALSE(RunTitleScreen()) << "a quit in the same poll still wins";
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
        EXPECT_TRUE(RunTitleScreen());
    });
    ASSERT_FALSE(capture->Backend().Quads().empty());
    const QuadStrip& quad = capture->Backend().Quads().back().quad;
    EXPECT_FLOAT_EQ(quad.v[1].x, -1.0f);
    EXPECT_FLOAT_EQ(quad.v[1].y, 1.0f);
    EXPECT_FLOAT_EQ(quad.v[2].x, 1.0f);
    EXPECT_FLOAT_EQ(quad.v[2].y, -1.0f) << "a 640 x 360 title is drawn at scale 2 x 2";
}
