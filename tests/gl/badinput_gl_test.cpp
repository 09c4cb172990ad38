// The real game with no data directory at all, and with a window it cannot open.
#include "support/processrunner.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <string>

TEST(GameWithoutData, ReportsEveryMissingFileAndPlaysOn)
{
    testsupport::TempDir empty;
    empty.Write("quit.script", "title down 32\n500 digest\n600 down 27\n");
    const testsupport::ProcessResult run = testsupport::RunProcess(
        empty.Path(), {"SDL_AUDIODRIVER=dummy", "TOBRAKKA_DATA=" + empty.Path()},
        std::string(TOBRAKKA_GAME_BINARY) + " -script quit.script", 60);
    EXPECT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_NE(run.output.find("Couldn't load image: data/gfx/title_backdrop.jpg\n"), std::string::npos) << run.output;
    const std::size_t paper = run.output.find("Couldn't load image: data/gfx/paper_background.jpg\n");
    EXPECT_NE(paper, std::string::npos);
    // The game phase builds the paper grid first, and only then asks the level list.
    const std::size_t list = run.output.find("the level list data/levels.xml could not be read");
    EXPECT_NE(list, std::string::npos);
    EXPECT_LT(paper, list) << run.output;
    EXPECT_NE(run.output.find("Error! Mix_LoadMUS( data/sfx/tandrel_-_entering_evil_base.ogg) : "), std::string::npos);
    // Without a level list the game plays the empty level, which is cleared at once.
    EXPECT_NE(run.output.find("digest level=(none) t=512 loop=1 player=alive cleared=1"), std::string::npos)
        << run.output;
}

TEST(GameWindowSize, AWindowThatCannotBeOpenedEndsTheGameWithALine)
{
    const testsupport::ProcessResult huge = testsupport::RunProcess(
        ".", {"SDL_AUDIODRIVER=dummy"}, std::string(TOBRAKKA_GAME_BINARY) + " -r 100000", 60);
    EXPECT_EQ(huge.exitStatus, 1);
    EXPECT_NE(huge.output.find("D3D_OBJ ERR: Could not create Direct3D Object"), std::string::npos) << huge.output;

    testsupport::TempDir dir;
    dir.Write("quit.script", "title down 32\n100 down 27\n");
    for (const char* width : {"0", "-1920", "wide"}) {
        const testsupport::ProcessResult kept = testsupport::RunProcess(
            ".", {"SDL_AUDIODRIVER=dummy"},
            std::string(TOBRAKKA_GAME_BINARY) + " -r " + width + " -script " + dir.File("quit.script"), 60);
        EXPECT_EQ(kept.exitStatus, 0) << width << ": " << kept.output;
    }
}

TEST(GameDisplay, ADisplayWithoutOpenGLEndsTheGameWithALine)
{
    // An X server without the GLX extension: no window with an OpenGL context can be made there.
    const std::string display = testsupport::FreeDisplay();
    const std::string script = "Xvfb " + display + " -screen 0 1280x720x24 -nolisten tcp -extension GLX 2>/dev/null & x=$!; " +
                               "DISPLAY=" + display + " " + TOBRAKKA_GAME_BINARY + "; echo status $?; kill $x; wait $x";
    const testsupport::ProcessResult run =
        testsupport::RunProcess(".", {"SDL_AUDIODRIVER=dummy"}, "sh -c '" + script + "'", 60);
    EXPECT_NE(run.output.find("D3D_OBJ ERR: Could not create Direct3D Object\n"), std::string::npos) << run.output;
    EXPECT_NE(run.output.find("status 1\n"), std::string::npos) << run.output;
}
