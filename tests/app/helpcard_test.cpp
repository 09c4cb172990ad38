// The How to play card: its moving picture shows a chain going off one robot after another and
// starts again, and its controls are the player's own.
#include "app/menu/helpcard.h"
#include "app/text/keycaps.h"
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
