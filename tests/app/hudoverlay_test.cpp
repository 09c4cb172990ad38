// The overlay's slider and messages, the level flow of the space bar, and the slider and the
// label giving way to the characters under them.
#include "app/play/hudoverlay.h"
#include "app/play/levelflow.h"
#include "app/play/statuslayer.h"
#include "engine/render/texturecache.h"
#include "utils/levellist/clevellist.h"

#include "support/worldfixture.h"

using testsupport::WorldTest;

namespace {

struct OverlayTest : WorldTest {
    OverlayTest() { Load("1000\n"); }

    bool MessageFading(const HudOverlay& overlay, const CSprite* sprite)
    {
        for (const CParticle* particle : overlay.particles.live) {
            if (particle->sprite == sprite)
                return particle->alphaRate < 0.0f && particle->removeSprite;
        }
        return false;
    }

    // data/levels.xml in the test's folder: the test's level at positions 1 to count.
    void WriteLevelList(int count)
    {
        std::string levels = "<LevelList>\n";
        for (int position = 1; position <= count; ++position)
            levels += "<Level position=\"" + std::to_string(position) + "\" filename=\"" + dir.File("level.txt") +
                      "\"></Level>\n";
        dir.MakeDir("data");
        dir.Write("data/levels.xml", levels + "</LevelList>\n");
    }

    void Run(HudOverlay& overlay, int steps)
    {
        for (int i = 0; i < steps; ++i) {
            gameplay.Update(16);
            overlay.Update(16);
            overlay.Draw();
        }
    }
};

} // namespace

TEST_F(OverlayTest, TheKnobFollowsTheLevelsProgressAndStopsAtTheEnd)
{
    HudOverlay overlay(&gameplay);
    overlay.sliderKnob->width = overlay.sliderKnob->height = 20; // as if its image were 20 x 20
    overlay.SetTimeSlider(0.5f);
    EXPECT_EQ(overlay.sliderKnob->GetCentre(), vector2(640, 30));
    overlay.SetTimeSlider(1.7f);
    EXPECT_EQ(overlay.sliderKnob->GetCentre(), vector2(1130, 30));
    overlay.SetTimeSlider(-1.0f);
    EXPECT_EQ(overlay.sliderKnob->GetCentre(), vector2(150, 30));
}

TEST_F(OverlayTest, TheBarIs980UnitsWideWhateverItsImage)
{
    ReleaseAllTextures();
    dir.MakeDir("data");
    dir.MakeDir("data/gfx");
    const std::vector<uint8_t> pixels(37 * 12 * 4, 255);
    testsupport::WritePng(dir.File("data/gfx/time_slider_back.png"), 37, 12, pixels.data());
    testsupport::InDirectory(dir.Path(), [&] {
        testing::internal::CaptureStdout();
        HudOverlay overlay(&gameplay);
        testing::internal::GetCapturedStdout();
        EXPECT_FLOAT_EQ(overlay.sliderBack->GetSize().x, 980.0f);
        EXPECT_EQ(overlay.sliderBack->x, 150.0f);
        EXPECT_EQ(overlay.sliderBack->y, 24.0f) << "centred on the line y = 30";
    });
    ReleaseAllTextures();
}

TEST_F(OverlayTest, FixedSpritesAreCreatedOnceInDrawOrder)
{
    HudOverlay overlay(&gameplay);
    const std::list<CSprite*>& order = overlay.sprites.Sprites();
    ASSERT_EQ(order.size(), 4u);
    EXPECT_EQ(*order.begin(), overlay.sliderBack);
    EXPECT_EQ(*std::next(order.begin()), overlay.sliderKnob);
    EXPECT_EQ(*std::next(order.begin(), 2), overlay.foldShadow);
    EXPECT_EQ(order.back(), overlay.crosshair);
    overlay.Reset();
    EXPECT_EQ(overlay.sprites.Count(), 4u);
}

TEST_F(OverlayTest, SpaceWhileAliveAndNotClearedDoesNothing)
{
    HudOverlay overlay(&gameplay);
    Run(overlay, 5);
    PlayerCharacter* player = Player();
    overlay.pressSpaceShown = true; // would be cleared by a reset
    HandleContinue(&gameplay, &overlay, levels);
    EXPECT_EQ(Player(), player);
    EXPECT_TRUE(World().oldGuys.empty());
    EXPECT_TRUE(overlay.pressSpaceShown) << "the overlay is not reset";
}

TEST_F(OverlayTest, AfterADeathPressSpaceShowsOnceAndFadesOutOnSpace)
{
    Load(); // a level long enough not to be cleared meanwhile
    HudOverlay overlay(&gameplay);
    World().KillCharacter(Player());
    Run(overlay, 2);
    CSprite* message = overlay.message;
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->GetCentre(), vector2(312, 606));
    Run(overlay, 70); // a second invisible, then fading in
    EXPECT_EQ(overlay.message, message) << "shown once per loop";
    EXPECT_GT(message->colour[3], 0.0f);

    HandleContinue(&gameplay, &overlay, levels);
    EXPECT_EQ(overlay.message, nullptr);
    EXPECT_TRUE(MessageFading(overlay, message));
    EXPECT_EQ(World().oldGuys.size(), 1u) << "the dead attempt became an old guy";
    EXPECT_FALSE(gameplay.IsPlayerDead()) << "and a new loop began";
    Run(overlay, 70);
    for (const CSprite* sprite : overlay.sprites.Sprites())
        EXPECT_NE(sprite, message) << "removed once faded";
}

TEST_F(OverlayTest, AClearedLevelShowsItsMessageAfterADelayAndAFade)
{
    HudOverlay overlay(&gameplay);
    Run(overlay, 63); // 1008 ms: beyond the length
    ASSERT_TRUE(gameplay.IsLevelCleared());
    ASSERT_NE(overlay.message, nullptr);
    CSprite* message = overlay.message;
    EXPECT_EQ(message->GetCentre(), vector2(640, 360));
    Run(overlay, 60);
    EXPECT_EQ(message->colour[3], 0.0f) << "invisible for the first second";
    Run(overlay, 70);
    EXPECT_EQ(message->colour[3], 1.0f) << "then faded in and kept";

    // Dying after the clear reuses that message as the press-space message.
    World().KillCharacter(Player());
    Run(overlay, 1);
    EXPECT_EQ(overlay.message, message);
    EXPECT_EQ(message->GetCentre(), vector2(312, 606));
    EXPECT_EQ(message->colour[3], 0.0f);
}

TEST_F(OverlayTest, F5DuringAFadeInTurnsTheMessageAround)
{
    HudOverlay overlay(&gameplay);
    World().KillCharacter(Player());
    Run(overlay, 90); // part-way into the fade-in
    CSprite* message = overlay.message;
    const float alpha = message->colour[3];
    ASSERT_GT(alpha, 0.0f);
    ASSERT_LT(alpha, 1.0f);
    Loop();
    overlay.Reset();
    overlay.Update(16);
    EXPECT_LT(message->colour[3], alpha) << "fading out from where it was";
}

TEST_F(OverlayTest, ClearingTheLastLevelLeadsToAnEmptyLevelThatCountsAsCleared)
{
    // The level list is one per process: play it out in a child process.
    WriteLevelList(1);
    EXPECT_EXIT(
        {
            testsupport::ChangeDirectory(dir.Path());
            gameplay.LoadLevel(levels.NextLevelFile());
            HudOverlay overlay(&gameplay);
            Run(overlay, 64);
            if (!gameplay.IsLevelCleared())
                std::exit(1);
            HandleContinue(&gameplay, &overlay, levels); // the list has run out: an empty level
            if (gameplay.IsLevelCleared() || gameplay.GetTimeProgress() != 0.0f)
                std::exit(2);
            Run(overlay, 1);
            if (!gameplay.IsLevelCleared() || !levels.IsCompleted(1))
                std::exit(3);
            HandleContinue(&gameplay, &overlay, levels); // and again
            Run(overlay, 1);
            std::exit(gameplay.IsLevelCleared() && World().oldGuys.empty() ? 0 : 4);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(OverlayTest, AClearThatStandsKeepsItsBannerThroughADeath)
{
    HudOverlay overlay(&gameplay);
    overlay.clearStands = true;
    Run(overlay, 63);
    ASSERT_TRUE(overlay.ClearStands());
    CSprite* banner = overlay.message;
    World().KillCharacter(Player());
    Run(overlay, 130);
    EXPECT_TRUE(overlay.ClearStands());
    EXPECT_EQ(overlay.message, banner);
    EXPECT_EQ(banner->GetCentre(), vector2(640, 360)) << "no press-space: the banner stays";
    EXPECT_EQ(banner->colour[3], 1.0f);
}

TEST_F(OverlayTest, F5AfterAClearGivesTheClearUpAndADeathThenAsksForSpaceAgain)
{
    HudOverlay overlay(&gameplay);
    overlay.clearStands = true;
    Run(overlay, 63);
    Loop();
    overlay.Reset();
    EXPECT_FALSE(overlay.ClearStands());
    World().KillCharacter(Player());
    Run(overlay, 1);
    EXPECT_TRUE(overlay.pressSpaceShown);
    const Gameplay::CQuenlowZarnImpl* level = gameplay.World();
    HandleContinue(&gameplay, &overlay, levels);
    EXPECT_EQ(gameplay.World(), level) << "a new loop of the same level";
    EXPECT_EQ(World().oldGuys.size(), 2u);
}

TEST_F(OverlayTest, AClearThatStandsMovesOnAfterADeathAndTheListsLastClearEndsTheFlow)
{
    WriteLevelList(2);
    EXPECT_EXIT(
        {
            testsupport::ChangeDirectory(dir.Path());
            gameplay.LoadLevel(levels.NextLevelFile());
            HudOverlay overlay(&gameplay);
            overlay.clearStands = true;
            LevelFlow flow(gameplay, overlay, levels, true);
            Run(overlay, 64);
            World().KillCharacter(Player());
            Run(overlay, 1);
            flow.Continue(); // level 1 of 2 cleared, then lost: on to level 2 all the same
            if (flow.AllCleared() || levels.Current() != 2 || !World().oldGuys.empty())
                std::exit(1);
            Run(overlay, 64);
            const Gameplay::CQuenlowZarnImpl* last = gameplay.World();
            flow.Continue(); // the last level cleared: the end
            if (!flow.AllCleared() || gameplay.World() != last)
                std::exit(2);
            flow.Continue();
            std::exit(gameplay.World() == last ? 0 : 3);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(OverlayTest, OutsideTheClassicGameTheSliderAndTheLabelFadeWhileACharacterIsUnderThemAndComeBack)
{
    Load("60000\n");
    HudOverlay overlay(&gameplay);
    overlay.givesWay = true;
    HudOverlay classic(&gameplay);
    StatusLayer status(&gameplay);
    const StatusLayer::Place place{1, 10, 1};
    const auto run = [&](int steps) {
        for (int i = 0; i < steps; ++i) {
            gameplay.Update(16);
            overlay.Update(16);
            classic.Update(16);
            status.Update(place, false);
        }
    };
    PlacePlayer(vector2(640, 40)); // half under the slider, as the hero may arrive
    run(20);
    EXPECT_FLOAT_EQ(overlay.sliderBack->colour[3], HudFade::kFaded);
    EXPECT_FLOAT_EQ(overlay.sliderKnob->colour[3], HudFade::kFaded);
    EXPECT_FLOAT_EQ(classic.sliderBack->colour[3], 1.0f) << "the classic game's slider as it always was";
    EXPECT_FLOAT_EQ(status.LabelAlpha(), 1.0f) << "nobody under the label";

    const rect label = status.LabelArea();
    PlacePlayer(vector2(label.x + label.w * 0.5f, label.y + label.h * 0.5f));
    run(40);
    EXPECT_FLOAT_EQ(overlay.sliderBack->colour[3], 1.0f) << "back once the hero has left";
    EXPECT_FLOAT_EQ(status.LabelAlpha(), HudFade::kFaded);

    Loop(); // the hero becomes an old guy standing there; the new one arrives elsewhere
    PlacePlayer(vector2(640, 400));
    run(40);
    EXPECT_FLOAT_EQ(status.LabelAlpha(), HudFade::kFaded) << "an old guy under the label";
    Spawn(3, vector2(300, 30), vector2(300, 30)); // a robot under the slider
    run(20);
    EXPECT_FLOAT_EQ(overlay.sliderBack->colour[3], HudFade::kFaded);
}
