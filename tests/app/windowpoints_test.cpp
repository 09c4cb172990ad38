// The mouse in a window of another size than the picture's: its point keeps its fraction to the
// crosshair and the aim, is written in scripts and replays so that it reads back to the same
// bits, and a person's game played so replays to the same world; whole points are written as
// they always were.
#include "app/play/frameloop.h"
#include "app/play/gamephase.h"
#include "app/play/replayplayer.h"
#include "app/replay/replayfile.h"
#include "app/replay/scriptevents.h"
#include "engine/input/gamekeys.h"
#include "engine/render/picturerect.h"
#include "engine/render/sprite.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

// A script line's event, or a kNone one when the line cannot be read.
GameEvent Read(const std::string& words)
{
    std::istringstream stream(words);
    std::string action;
    stream >> action;
    GameEvent event;
    std::string rest;
    if (!ParseScriptEvent(stream, action, event) || (stream >> rest))
        return GameEvent();
    return event;
}

// A person's mouse at a pixel of a 1366 x 768 window.
GameEvent InTheWindow(float x, float y) { return PictureRect::Letterboxed(1366, 768).MouseInPicture(GameEvent::MouseMotion(x, y)); }

} // namespace

TEST(WindowPoints, APointWithAFractionIsWrittenShortAndReadsBackToTheSameBits)
{
    const GameEvent point = InTheWindow(100, 200);
    EXPECT_EQ(FormatScriptEvent(16, point), "16 move 93.70424 187.5");
    EXPECT_EQ(Read("move 93.70424 187.5"), point);
    for (int pixel = 0; pixel < 1366; pixel += 7) {
        const GameEvent event = InTheWindow(static_cast<float>(pixel), static_cast<float>(pixel % 768));
        const std::string line = FormatScriptEvent(0, event);
        EXPECT_EQ(FromToolsWindow(Read(line.substr(2))), event) << "heard as it was: " << line;
    }
}

TEST(WindowPoints, WholePointsAreWrittenAsTheyAlwaysWereAndWholeNumbersAreTheToolsWindowsPixels)
{
    EXPECT_EQ(FormatScriptEvent(0, FromToolsWindow(GameEvent::MouseMotion(640, 360))), "0 move 640 360");
    const GameEvent tools = FromToolsWindow(Read("move 900 113"));
    EXPECT_EQ(tools.x, 900.0f);
    EXPECT_EQ(tools.y, 112.0f) << "as the game's arithmetic always aimed it";
    EXPECT_EQ(FormatScriptEvent(0, tools), "0 move 900 112");

    // A whole point the tools' window would not give back (its 113 is 112) keeps a decimal.
    GameEvent whole = GameEvent::MouseMotion(900, 113);
    whole.inPicture = true;
    EXPECT_EQ(FormatScriptEvent(0, whole), "0 move 900.0 113.0");
    EXPECT_EQ(FromToolsWindow(Read("move 900.0 113.0")), whole);

    for (const char* bad : {"move 1e3 5", "move 93.7.1 5", "move .5 3", "move 5. 3", "move 1280.5 3", "move 3 720.5",
                            "move -1.5 3", "move 93,7 3", "move 93.7"}) {
        EXPECT_EQ(Read(bad).type, GameEvent::Type::kNone) << bad;
    }
}

TEST(WindowPoints, APersonsGameInAWindowOfAnotherSizeReplaysToTheSameWorldAndCrosshair)
{
    testsupport::TempDir dir;
    testsupport::ScopedCapture capture;
    testsupport::FakeClock clock{1000};
    dir.Write("level.txt", "3000\n500,3\n");
    dir.Write("levels.xml", "<LevelList>\n<Level position=\"1\" filename=\"" + dir.File("level.txt") +
                                "\"></Level>\n</LevelList>\n");
    kolm::CLevelList levels(dir.File("levels.xml"));
    ReplayShelf shelf(dir.File("replays"));
    RandomGenerators random;
    random.RandomSeed(5);
    GamePhase phase(false, FirstLevel::FromLevelList(), levels, random);
    phase.overlay->clearStands = true;
    phase.replays = std::make_unique<ReplayRecorder>(shelf, levels);
    FrameLoop loop(FrameLoop::Options(), phase, nullptr);
    for (int step = 0; step < 400 && !phase.replays->LastFinished(); ++step) {
        loop.StepAndHandleEvents(false);
        if (step % 10 == 3)
            loop.Dispatch(InTheWindow(static_cast<float>(37 * step % 1366), static_cast<float>(53 * step % 768)));
        if (step == 20)
            loop.Dispatch(GameEvent::MouseButton(GameEvent::kLeftButton, true));
    }
    ASSERT_NE(phase.replays->LastFinished(), nullptr) << "the level was not cleared";
    const vector2 crosshair = phase.overlay->crosshair->GetCentre();
    EXPECT_NE(crosshair.x, static_cast<float>(static_cast<int>(crosshair.x))) << "the crosshair off the whole pixel";

    const std::vector<ReplayShelf::Entry> kept = shelf.List();
    ASSERT_EQ(kept.size(), 1u);
    Replay read;
    std::string problem;
    ASSERT_TRUE(LoadReplay(kept[0].path, read, problem)) << problem;
    ReplayPlayer player(read, levels);
    while (!player.Finished())
        player.Step(false);
    EXPECT_TRUE(player.Verified()) << player.PartedLine();
    EXPECT_EQ(player.Phase().overlay->crosshair->GetCentre(), crosshair);
}
