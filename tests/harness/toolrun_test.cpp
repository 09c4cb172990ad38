// The game's tools attached through its input seam: the demo and a script playing together, the
// recording of what the frame loop handled, and options that cannot be honoured.
#include "app/play/frameloop.h"
#include "app/play/gamephase.h"
#include "engine/render/picturerect.h"
#include "harness/headlessgame.h"
#include "harness/toolrun.h"

#include "support/testsupport.h"

#include "utils/levellist/clevellist.h"

#include <gtest/gtest.h>

#include <iostream>
#include <sstream>

namespace {

// Standard output, captured for the test's duration.
struct CapturedOutput {
    CapturedOutput() : previous(std::cout.rdbuf(text.rdbuf())) {}
    ~CapturedOutput() { std::cout.rdbuf(previous); }
    std::ostringstream text;
    std::streambuf* previous;
};

} // namespace

TEST(ToolRun, TheDemoAndAScriptPlayTogetherAndTheDemoEndsOnTime)
{
    testsupport::TempDir dir;
    dir.Write("level.txt", "60000\n");
    dir.Write("s.script", "100 down 286\n500 digest\n");
    ToolRun tools;
    ASSERT_TRUE(tools.Configure({"-demo", "5", "-script", dir.File("s.script")}));
    CapturedOutput output;
    HeadlessGame game(dir.File("level.txt"), 1, &tools);
    while (game.Running() && game.PhaseTime() < 60000)
        game.Step();
    EXPECT_EQ(game.PhaseTime(), 5008u) << "the escape of the demo's end is handled after the step that reaches 5 s";
    EXPECT_NE(output.text.str().find(" loop=2 "), std::string::npos) << "the script's F5 beside the bot";
}

TEST(ToolRun, WhatPlaysDecidesWhetherLosingFocusPausesAndWhetherProgressIsKept)
{
    testsupport::TempDir dir;
    dir.Write("s.script", "100 down 286\n");
    ToolRun recording;
    ASSERT_TRUE(recording.Configure({"-record", dir.File("r.script")}));
    EXPECT_FALSE(recording.PlaysTheGame()) << "a person plays, the tools only record";
    EXPECT_TRUE(recording.KeepsProgress());
    ToolRun scripted;
    ASSERT_TRUE(scripted.Configure({"-script", dir.File("s.script")}));
    EXPECT_TRUE(scripted.PlaysTheGame());
    EXPECT_TRUE(scripted.KeepsProgress());
    ToolRun demo;
    ASSERT_TRUE(demo.Configure({"-demo", "3"}));
    EXPECT_TRUE(demo.PlaysTheGame());
    EXPECT_FALSE(demo.KeepsProgress()) << "the bot's show is not the player's progress";
}

TEST(ToolRun, RecordsTheAimedAtPointOfAMouseMoveWhateverTheWindowSize)
{
    testsupport::TempDir dir;
    ToolRun tools;
    ASSERT_TRUE(tools.Configure({"-record", dir.File("r.script")}));
    {
        testsupport::ScopedCapture capture;
        kolm::CLevelList levels;
        GamePhase phase(false, "", levels);
        FrameLoop loop(FrameLoop::Options(), phase, &tools);
        // What the window hands the game for a pointer at (960, 270) of a 1920 x 1080 window.
        loop.Dispatch(PictureRect::Letterboxed(1920, 1080).MouseInPicture(GameEvent::MouseMotion(960, 270)));
        tools.PhaseEnded(phase);
    }
    EXPECT_EQ(testsupport::ReadFile(dir.File("r.script")), "0 move 640 180\n");
}

TEST(ToolRun, ARecordingThatCannotBeWrittenIsRefused)
{
    ToolRun tools;
    EXPECT_FALSE(tools.Configure({"-record", "/nonexistent-folder/r.script"}));
    ToolRun none;
    ASSERT_TRUE(none.Configure({"-fps"}));
    EXPECT_FALSE(none.Active());
}

TEST(ToolRun, SeedSetsBothOfThePhasesGeneratorsAndWithoutItTheClockStays)
{
    ToolRun seeded;
    ASSERT_TRUE(seeded.Configure({"-seed", "2024"}));
    RandomGenerators random = RandomGenerators::FromClock();
    seeded.PhaseStarting(random);
    EXPECT_EQ(random.RandomState(), 2024.0);
    EXPECT_EQ(random.RuntimeRandomState(), 2024u);

    ToolRun unseeded;
    ASSERT_TRUE(unseeded.Configure({"-digest"}));
    RandomGenerators clock(123);
    unseeded.PhaseStarting(clock);
    EXPECT_EQ(clock.RandomState(), 123.0);
    EXPECT_EQ(clock.RuntimeRandomState(), 123u);
}
