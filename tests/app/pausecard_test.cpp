// The pause menu as a person at the window uses it: Escape opens it over the paused game and
// resumes; Restart loop is F5 as the tools hear it; its options change the running game; Main
// menu and Quit end the loop, each its own way; its help offers the lesson.
#include "app/profile/commandline.h"
#include "engine/input/gamekeys.h"
#include "app/play/frameloop.h"
#include "app/play/gamephase.h"
#include "app/profile/settingskeeper.h"
#include "audio/soundoutput.h"
#include "harness/toolrun.h"
#include "world/worlddigest.h"

#include "support/testsupport.h"

#include "utils/levellist/clevellist.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

struct PauseCardTest : ::testing::Test {
    testsupport::TempDir dir;
    kolm::CLevelList levels;
    testsupport::ScopedCapture capture;
    SettingsKeeper settings{SettingsFile(dir.File("settings")), CommandLine()};
    ToolRun tools;
    std::unique_ptr<GamePhase> phase;
    std::unique_ptr<FrameLoop> loop;

    PauseCardTest()
    {
        SetSoundEnabled(false);
        dir.Write("level.txt", "60000\n200,3\n");
        EXPECT_TRUE(tools.Configure({"-record", dir.File("played.script")}));
        phase = std::make_unique<GamePhase>(false, dir.File("level.txt"), levels);
        FrameLoop::Options options;
        options.pause.pausable = true;
        options.pause.card = &settings;
        loop = std::make_unique<FrameLoop>(options, *phase, &tools);
    }
    ~PauseCardTest() override { SetSoundEnabled(true); }

    void Press(std::initializer_list<int32_t> keys)
    {
        for (int32_t key : keys)
            loop->Dispatch(GameEvent::Key(key, true));
    }
    void Steps(int n)
    {
        for (int i = 0; i < n; ++i)
            loop->StepAndHandleEvents();
    }
};

} // namespace

TEST_F(PauseCardTest, EscapeOpensTheMenuOverAStillGameAndEscapeAgainResumes)
{
    Steps(10);
    Press({gamekeys::kEscape});
    EXPECT_TRUE(loop->Paused());
    EXPECT_TRUE(loop->PauseCardShows());
    Steps(20);
    EXPECT_EQ(loop->PhaseTime(), 160u);
    Press({gamekeys::kEscape});
    EXPECT_FALSE(loop->PauseCardShows());
    EXPECT_FALSE(loop->Paused());
    EXPECT_TRUE(loop->Running());

    Press({gamekeys::kEscape, gamekeys::kReturn}); // Resume
    EXPECT_FALSE(loop->Paused());
}

TEST_F(PauseCardTest, RestartLoopIsF5AsTheRecordingHearsIt)
{
    Steps(10);
    Press({gamekeys::kEscape, gamekeys::kDown, gamekeys::kReturn});
    Steps(1);
    EXPECT_FALSE(loop->Paused());
    EXPECT_NE(DigestOf(phase->gameplay).ToString().find("loop=2 "), std::string::npos);
    tools.PhaseEnded(*phase);
    EXPECT_EQ(testsupport::ReadFile(dir.File("played.script")), "160 down 286\n160 up 286\n");
}

TEST_F(PauseCardTest, ItsOptionsChangeTheRunningGameAndAreKept)
{
    // Options; then down to "Paper motion" and switch it off.
    Press({gamekeys::kEscape, gamekeys::kDown, gamekeys::kDown, gamekeys::kReturn, gamekeys::kDown, gamekeys::kDown, gamekeys::kDown, gamekeys::kDown, gamekeys::kReturn});
    EXPECT_TRUE(phase->grid.noGrid);
    EXPECT_FALSE(settings.InForce().paperMotion);
    EXPECT_NE(testsupport::ReadFile(dir.File("settings")).find("paper_motion = off"), std::string::npos);
    Press({gamekeys::kEscape});
    EXPECT_TRUE(loop->PauseCardShows()) << "Escape goes back from the options to the pause menu";
    Press({gamekeys::kEscape});
    EXPECT_FALSE(loop->Paused());
}

TEST_F(PauseCardTest, MainMenuAndQuitEndTheLoopEachItsOwnWay)
{
    Press({gamekeys::kEscape, gamekeys::kUp, gamekeys::kUp, gamekeys::kReturn});
    EXPECT_FALSE(loop->Running());
    EXPECT_EQ(loop->HowItEnded(), FrameLoop::Ending::kMainMenu);

    FrameLoop::Options options;
    options.pause.card = &settings;
    FrameLoop quitting(options, *phase, nullptr);
    quitting.Dispatch(GameEvent::Key(gamekeys::kEscape, true));
    quitting.Dispatch(GameEvent::Key(gamekeys::kUp, true));
    quitting.Dispatch(GameEvent::Key(gamekeys::kReturn, true));
    EXPECT_FALSE(quitting.Running());
    EXPECT_EQ(quitting.HowItEnded(), FrameLoop::Ending::kQuit);
}

TEST_F(PauseCardTest, TheHelpOverALevelOffersTheLesson)
{
    // How to play (Escape, then down three), and Enter on it: the loop ends for the lesson.
    Press({gamekeys::kEscape, gamekeys::kDown, gamekeys::kDown, gamekeys::kDown, gamekeys::kReturn});
    EXPECT_TRUE(loop->PauseCardShows());
    EXPECT_TRUE(loop->Running());
    Press({gamekeys::kReturn});
    EXPECT_FALSE(loop->Running());
    EXPECT_EQ(loop->HowItEnded(), FrameLoop::Ending::kLesson);
}
