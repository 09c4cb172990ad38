// The real game's options as the player meets them: F11 and Alt+Enter on the Options card switch
// the window, the card's Full screen line follows them, and the settings file keeps what the
// window shows.
#include "engine/input/gamekeys.h"

#include "support/gamerun.h"
#include "support/sdlinput.h"

#include <SDL.h>
#include <gtest/gtest.h>


namespace {

struct OptionsGameTest : testsupport::ProgramRunFixture {
    OptionsGameTest() : ProgramRunFixture("60000\n", "60000\n") {}

    // The keys pressed and released one after the other, then a moment for the game to hear them.
    void Press(Program& program, std::initializer_list<int32_t> keys, bool alt = false)
    {
        for (int32_t key : keys) {
            testsupport::PushKey(key, true, alt);
            testsupport::PushKey(key, false, alt);
        }
        ASSERT_TRUE(RunFor(program, 200));
    }
    static std::pair<int, int> Window()
    {
        int width = 0;
        int height = 0;
        SDL_GetWindowSize(SDL_GL_GetCurrentWindow(), &width, &height);
        return {width, height};
    }
    std::string FullScreenKept() const
    {
        const std::string kept = testsupport::ReadFile(dir.File(".config/tobrakka/settings"));
        const std::size_t line = kept.find("full_screen = ");
        return line == std::string::npos ? kept : kept.substr(line, kept.find('\n', line) - line);
    }
};

} // namespace

TEST_F(OptionsGameTest, F11OnTheOptionsCardSwitchesItsFullScreenLineAndTheSettingFollows)
{
    using namespace gamekeys;
    testsupport::InDirectory(dir.Path(), [&] {
        Program program({}, nullptr);
        ASSERT_TRUE(RunFor(program, 100));
        // The pointer in the screen's corner, over no line of the card whatever the window.
        SDL_WarpMouseGlobal(0, 0);
        Press(program, {kReturn}); // the title
        Press(program, {kDown, kDown, kDown, kDown, kReturn}); // Options
        Press(program, {kF11});
        EXPECT_EQ(Window(), std::make_pair(1920, 1080));
        EXPECT_EQ(FullScreenKept(), "full_screen = on");

        // The Full screen line shows it on: taking it switches it off, back to the window.
        Press(program, {kDown, kDown, kReturn});
        EXPECT_EQ(Window(), std::make_pair(1280, 720)) << "the line had followed F11";
        EXPECT_EQ(FullScreenKept(), "full_screen = off");

        Press(program, {kReturn}, true); // Alt+Enter
        EXPECT_EQ(Window(), std::make_pair(1920, 1080));
        EXPECT_EQ(FullScreenKept(), "full_screen = on");
        Press(program, {kReturn});
        EXPECT_EQ(Window(), std::make_pair(1280, 720)) << "and Alt+Enter's switch too";
    });
}
