// The How to play card: its moving picture shows a chain going off one robot after another and
// starts again, its controls are the player's own, and once the player has met a later robot kind
// a second page shows the kinds met.
#include "app/menu/helpcard.h"
#include "app/control/inputnames.h"
#include "app/text/keycaps.h"
#include "engine/input/gamekeys.h"
#include "engine/render/texturecache.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <vector>

TEST(HelpCardTest, ItsPictureShowsAChainGoingOffRobotByRobotAndStartingAgain)
{
    testsupport::ScopedCapture capture;
    HelpCard card(nullptr, nullptr, false);
    std::vector<int> standing;
    for (uint32_t time = 0; time < ChainPicture::kPeriodMs + 200; time += 100) {
        if (standing.empty() || standing.back() != card.Chain().RobotsStanding())
            standing.push_back(card.Chain().RobotsStanding());
        EXPECT_TRUE(card.Animate(100)) << "the picture moves at every step";
    }
    EXPECT_EQ(standing, (std::vector<int>{4, 3, 1, 0, 4})) << "the one both shoot, its two neighbours, the last; again";
}

TEST(HelpCardTest, ItListsTheControlsAsThePlayerHasThemBound)
{
    testsupport::ScopedCapture capture;
    ControlSettings controls = ControlSettings::Defaults();
    controls.KeysOf(Action::kRestartLoop)[0] = KeyInput::Key('r');
    HelpCard card(nullptr, &controls, true);
    card.Draw();
    const TextureEntry* ownKey = FindTexture(KeyCapPicture("R", datafiles::GlyphSize::kSmall));
    const TextureEntry* gamesKey = FindTexture(KeyCapPicture("F5", datafiles::GlyphSize::kSmall));
    ASSERT_NE(ownKey, nullptr);
    int drawn = 0;
    for (const auto& quad : capture.Backend().Quads()) {
        drawn += quad.texture == ownKey->texture;
        EXPECT_TRUE(!gamesKey || quad.texture != gamesKey->texture) << "F5 restarts no loop of this player's";
    }
    EXPECT_EQ(drawn, 1) << "restart the loop: R";
}

TEST(HelpCardTest, RightTurnsToThePageOfTheRobotsMetOnceThePlayerHasMetOne)
{
    testsupport::ScopedCapture capture;
    HelpCard none(nullptr, nullptr, false);
    none.Hear(GameEvent::Key(gamekeys::kRight, true));
    EXPECT_FALSE(none.ShowsRobots()) << "no robot met, no page";

    RobotsSeen seen;
    seen.Add(LaterRobot::kTwins);
    seen.Add(LaterRobot::kHive);
    HelpCard card(nullptr, nullptr, false, seen);
    EXPECT_EQ(card.Hear(GameEvent::Key(gamekeys::kRight, true)), MenuCard::Heard::kShown);
    ASSERT_TRUE(card.ShowsRobots());
    EXPECT_EQ(card.Robots().Robots(), (std::vector<LaterRobot>{LaterRobot::kTwins, LaterRobot::kHive}));
    EXPECT_NE(card.Hint(InputNames(nullptr, nullptr)).find(": how to play"), std::string::npos);
    card.Draw();
    const TextureEntry* twin = FindTexture(datafiles::Frame(datafiles::FrameSet::kTwinBot, 1));
    const TextureEntry* shield = FindTexture(datafiles::Frame(datafiles::FrameSet::kShieldBot, 1));
    ASSERT_NE(twin, nullptr);
    int twins = 0;
    for (const auto& quad : capture.Backend().Quads()) {
        twins += quad.texture == twin->texture;
        EXPECT_TRUE(!shield || quad.texture != shield->texture) << "a kind not met is not shown";
    }
    EXPECT_EQ(twins, 2) << "a twin and its partner";
    card.Hear(GameEvent::Key(gamekeys::kLeft, true));
    EXPECT_FALSE(card.ShowsRobots());
}
