// The later robot kinds' introductions: the first robot of a kind the player has never met pauses
// a person's game under its card, a kind met once is never introduced again (the kinds met outlive
// the run in the player's file), the card changes nothing in the world, and the classic game never
// shows one.
#include "app/profile/settings.h"
#include "app/robots/robotwatch.h"
#include "app/screens/playscreen.h"
#include "audio/soundoutput.h"
#include "engine/input/gamekeys.h"
#include "harness/headlessgame.h"
#include "world/worlddigest.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// A shield bot and twins come on.
const char* const kLevel = "30000\n200,3\n300,6\n2500,7\n";

struct RobotIntroTest : ::testing::Test {
    testsupport::TempDir dir;
    testsupport::ScopedCapture capture;
    RobotIntroTest() { dir.Write("level.txt", kLevel); }

    RobotsSeenFile Seen() const { return RobotsSeenFile(dir.File("robots")); }

    // A person's game of the level, which introduces the later kinds unless told not to.
    std::unique_ptr<HeadlessGame> Game(bool introduces) const
    {
        auto game = std::make_unique<HeadlessGame>(dir.File("level.txt"), 5, nullptr, true);
        if (introduces)
            game->Phase().robots = std::make_unique<RobotWatch>(Seen());
        return game;
    }

    // Steps until a card shows (true) or the steps run out.
    static bool StepUntilIntroduced(HeadlessGame& game, int steps)
    {
        for (int i = 0; i < steps && !game.Loop().Introducing(); ++i)
            game.Step();
        return game.Loop().Introducing().has_value();
    }
};

} // namespace

TEST_F(RobotIntroTest, TheFirstRobotOfAKindPausesTheGameUnderItsCardUntilThePlayerGoesOn)
{
    std::unique_ptr<HeadlessGame> game = Game(true);
    ASSERT_TRUE(StepUntilIntroduced(*game, 300));
    const LaterRobot first = *game->Loop().Introducing();
    EXPECT_TRUE(game->Loop().Paused());
    const uint32_t time = game->PhaseTime();
    game->Loop().Dispatch(GameEvent::Key(gamekeys::kD, true)); // starts nothing while the card shows
    for (int i = 0; i < 20; ++i)
        game->Step();
    EXPECT_EQ(game->PhaseTime(), time);
    game->Loop().Dispatch(GameEvent::Key(gamekeys::kReturn, true));
    EXPECT_FALSE(game->Loop().Introducing());
    EXPECT_FALSE(game->Loop().Paused());

    ASSERT_TRUE(StepUntilIntroduced(*game, 300)) << "the other kind";
    EXPECT_NE(*game->Loop().Introducing(), first);
    game->Loop().Dispatch(GameEvent::MouseButton(GameEvent::kLeftButton, true, 10, 10)); // a click anywhere
    EXPECT_FALSE(game->Loop().Paused());
    EXPECT_FALSE(StepUntilIntroduced(*game, 300)) << "nothing is introduced twice in a game";

    std::unique_ptr<HeadlessGame> again = Game(true);
    EXPECT_FALSE(StepUntilIntroduced(*again, 500)) << "nor in the player's next game";
}

TEST_F(RobotIntroTest, AGameThatShowedTheCardReachesTheWorldOfOneThatDidNot)
{
    std::unique_ptr<HeadlessGame> shown = Game(true);
    std::unique_ptr<HeadlessGame> plain = Game(false);
    for (HeadlessGame* game : {shown.get(), plain.get()}) {
        game->Step();
        game->Loop().Dispatch(GameEvent::MouseMotion(900, 300));
        game->Loop().Dispatch(GameEvent::Key(gamekeys::kS, true));
    }
    // Each card stands a while, then the player goes on.
    for (int cards = 0; cards < 2; ++cards) {
        ASSERT_TRUE(StepUntilIntroduced(*shown, 300));
        for (int i = 0; i < 40; ++i)
            shown->Step();
        shown->Loop().Dispatch(GameEvent::Key(gamekeys::kReturn, true));
    }
    for (HeadlessGame* game : {shown.get(), plain.get()}) {
        while (game->PhaseTime() < 8000)
            game->Step();
    }
    EXPECT_EQ(DigestOf(shown->Game()).ToString(), DigestOf(plain->Game()).ToString());
}

TEST_F(RobotIntroTest, TheKindsMetOutliveTheRunAndALineThatNamesNoKindIsLeftOut)
{
    dir.Write("robots", "hive\ndragon\n");
    RobotsSeen seen = Seen().Load();
    EXPECT_EQ(seen.InOrderMet(), std::vector<LaterRobot>{LaterRobot::kHive});
    // Another game notes the sower meanwhile; this one the twins.
    RobotsSeen other = seen;
    ASSERT_TRUE(Seen().Note(LaterRobot::kSower, other));
    ASSERT_TRUE(Seen().Note(LaterRobot::kTwins, seen));
    const std::vector<LaterRobot> all{LaterRobot::kHive, LaterRobot::kSower, LaterRobot::kTwins};
    EXPECT_EQ(seen.InOrderMet(), all);
    EXPECT_EQ(Seen().Load().InOrderMet(), all);
    EXPECT_EQ(testsupport::ReadFile(dir.File("robots")), "hive\nsower\ntwins\n");
}

TEST_F(RobotIntroTest, OnlyAPersonsGameOutsideTheClassicGameIntroducesTheKinds)
{
    SoundOff quiet;
    const std::string state = dir.File(".state");
    const std::string data = dir.File(".data");
    const testsupport::ScopedEnvironment stateHome("XDG_STATE_HOME", state.c_str());
    const testsupport::ScopedEnvironment dataHome("XDG_DATA_HOME", data.c_str());
    dir.Write("list.xml", "<LevelList>\n<Level position=\"1\" filename=\"level.txt\"></Level>\n</LevelList>\n");
    const Settings settings = Settings::Defaults();
    for (bool classic : {true, false}) {
        kolm::CLevelList levels(dir.File("list.xml"), kolm::CLevelList::Names::kInListFolder);
        PlayScreen::Setup setup;
        setup.settings = &settings;
        setup.levels = &levels;
        setup.classic = classic;
        PlayScreen play(setup);
        for (int i = 0; i < 600 && !play.Loop().Introducing(); ++i)
            play.Loop().StepAndHandleEvents(false);
        EXPECT_EQ(play.Loop().Introducing().has_value(), !classic) << (classic ? "classic" : "a person's game");
        EXPECT_EQ(RobotsSeenFile(RobotsSeenFile::DefaultPath()).Load().Empty(), classic);
    }
}
