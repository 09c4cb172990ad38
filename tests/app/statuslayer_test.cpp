// The level label and the paused scrap, as the player sees them: which images, in which order,
// and where on the field.
#include "app/play/statuslayer.h"
#include "app/text/translate.h"
#include "engine/render/texturecache.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testsupport::Box;
using testsupport::BoxOf;

struct StatusLayerTest : ::testing::Test {
    testsupport::ScopedCapture capture;

    // The images drawn, by their names, in draw order.
    std::vector<std::string> Drawn(const std::vector<std::string>& candidates)
    {
        std::vector<std::string> names;
        for (const auto& quad : capture.Backend().Quads()) {
            for (const std::string& name : candidates) {
                const TextureEntry* image = GetTexture(name);
                if (image && image->texture == quad.texture)
                    names.push_back(name);
            }
        }
        return names;
    }
};

} // namespace

TEST_F(StatusLayerTest, TheLabelSpellsLevelAndLoopInTheBottomRightCorner)
{
    const StatusLayer::Place place{3, 10, 2};
    const std::vector<std::string> expected{"data/gfx/hud_label_level.png", "data/gfx/hud_digit_3.png",
                                            "data/gfx/hud_label_slash.png", "data/gfx/hud_digit_1.png",
                                            "data/gfx/hud_digit_0.png",     "data/gfx/hud_label_dot.png",
                                            "data/gfx/hud_label_loop.png",  "data/gfx/hud_digit_2.png"};
    EXPECT_EQ(StatusLayer::LabelImages(place), expected);

    StatusLayer layer;
    layer.Update(place, false);
    layer.Draw();
    const auto& quads = capture.Backend().Quads();
    ASSERT_EQ(quads.size(), expected.size());
    float previousRight = 0.0f;
    for (const auto& quad : quads) {
        const Box box = BoxOf(quad.quad);
        EXPECT_GE(box.left, previousRight - 0.01f) << "left to right, never overlapping";
        EXPECT_GT(box.top, 660.0f) << "below the field's robots' usual paths, far from the slider";
        EXPECT_LT(box.bottom, kVirtualHeight);
        previousRight = box.right;
    }
    EXPECT_NEAR(previousRight, kVirtualWidth - 24.0f, 0.01f);
    EXPECT_GT(BoxOf(quads.front().quad).left, 700.0f) << "clear of the press-space message at the bottom left";
}

TEST_F(StatusLayerTest, ANewLoopLettersTheLabelAnewAndALevelOutsideTheListHasNone)
{
    StatusLayer layer;
    layer.Update(StatusLayer::Place{1, 2, 1}, false);
    layer.Update(StatusLayer::Place{1, 2, 12}, false);
    layer.Draw();
    EXPECT_EQ(capture.Backend().Quads().size(), 8u) << "level 1 / 2 · loop 12, the old loop's letters gone";
    EXPECT_EQ(Drawn({"data/gfx/hud_digit_1.png", "data/gfx/hud_digit_2.png"}).size(), 4u);

    EXPECT_TRUE(StatusLayer::LabelImages(StatusLayer::Place{0, 10, 1}).empty()) << "a level given by file";
    EXPECT_TRUE(StatusLayer::LabelImages(StatusLayer::Place{11, 10, 1}).empty()) << "after the list's end";
}

TEST_F(StatusLayerTest, ALevelsNameStandsOverTheLabelEndingWhereItEndsAndFadesWithIt)
{
    StatusLayer::Place place{3, 10, 2};
    place.name = "Crossfire";
    StatusLayer layer;
    layer.Update(place, false);
    layer.Draw();
    const auto& quads = capture.Backend().Quads();
    ASSERT_EQ(quads.size(), 8u + 9u) << "the label's eight pictures and a glyph for each letter of the name";
    const Box label = BoxOf(quads.front().quad);
    const rect area = layer.LabelArea();
    for (std::size_t i = 8; i < quads.size(); ++i) {
        const Box letter = BoxOf(quads[i].quad);
        EXPECT_LT(letter.bottom, label.bottom) << "over the label";
        EXPECT_LE(letter.right, kVirtualWidth - 24.0f + 6.0f) << "ending at the label's right margin";
        EXPECT_GE(letter.top, area.y - 6.0f) << "inside what gives way to the play";
    }
    EXPECT_LT(area.y, label.top) << "the area that fades reaches up over the name";
}

TEST_F(StatusLayerTest, ThePausedScrapShowsWhilePausedOnly)
{
    StatusLayer layer;
    layer.Update(StatusLayer::Place{}, true);
    layer.Draw();
    ASSERT_EQ(Drawn({"data/gfx/paused.png"}).size(), 1u);
    const Box box = BoxOf(capture.Backend().Quads().back().quad);
    EXPECT_NEAR((box.left + box.right) * 0.5f, kVirtualWidth * 0.5f, 0.5f);

    capture.Backend().ClearQuads();
    layer.Update(StatusLayer::Place{}, false);
    layer.Draw();
    EXPECT_TRUE(capture.Backend().Quads().empty());
}

TEST_F(StatusLayerTest, UnderTheBannerTheClearsLoopsAndTimesWithAStarForEachNewRecordFadedWithIt)
{
    ClearReport clear;
    clear.position = 2;
    clear.loops = 3;
    clear.milliseconds = 61250;
    clear.before = LevelRecord{2, 65000};
    clear.best = LevelRecord{2, 61250};
    const std::vector<ClearNote::Line> lines = ClearNote::Lines(clear);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].text, "3 loops \u00B7 best 2");
    EXPECT_FALSE(lines[0].newRecord);
    EXPECT_EQ(lines[1].text, "time 1:01.25 \u00B7 best 1:01.25");
    EXPECT_TRUE(lines[1].newRecord);
    clear.loops = 1;
    EXPECT_EQ(ClearNote::Lines(clear)[0].text, "1 loop \u00B7 best 2");
    clear.loops = 3;

    StatusLayer layer;
    StatusLayer::Place place;
    place.clear = &clear;
    place.bannerAlpha = 0.25f;
    EXPECT_TRUE(layer.Update(place, false));
    layer.Draw();
    ASSERT_EQ(Drawn({"data/gfx/menu_star.png"}).size(), 1u) << "the star of the best time only";
    for (const auto& quad : capture.Backend().Quads()) {
        EXPECT_EQ(quad.quad.v[0].colour >> 24, 63u) << "at the banner's alpha";
        EXPECT_GT(BoxOf(quad.quad).top, 450.0f) << "under the banner";
    }
    EXPECT_FALSE(layer.Update(place, false)) << "nothing changed";
    place.clear = nullptr;
    EXPECT_TRUE(layer.Update(place, false));
    capture.Backend().ClearQuads();
    layer.Draw();
    EXPECT_TRUE(capture.Backend().Quads().empty());
}

TEST_F(StatusLayerTest, TheClearOfANamedLevelWithMedalsIsSaidInTheLanguageSpokenWithItsDecimalMark)
{
    ClearReport clear;
    clear.position = 4;
    clear.name = "Crossfire";
    clear.loops = 2;
    clear.milliseconds = 61250;
    clear.best = LevelRecord{2, 61250};
    clear.par = LevelPar{2, 70000};
    Speak(translation::LanguageOfCode("fr"));
    const std::vector<ClearNote::Line> lines = ClearNote::Lines(clear);
    Speak(nullptr);
    std::vector<std::string> texts;
    for (const ClearNote::Line& line : lines)
        texts.push_back(line.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"niveau 4 \u00B7 Crossfire", "2 boucles \u00B7 record 2",
                                               "temps 1:01,25 \u00B7 record 1:01,25",
                                               "médaille des boucles \u00B7 par 2", "médaille du temps \u00B7 par 1:10,00"}));
}

TEST_F(StatusLayerTest, ANoteSaysSoWhileProgressCannotBeSaved)
{
    StatusLayer layer;
    StatusLayer::Place place;
    place.saveFailed = true;
    EXPECT_TRUE(layer.Update(place, false));
    layer.Draw();
    const std::size_t letters = capture.Backend().Quads().size();
    EXPECT_EQ(letters, std::string("progress cannot be saved").size() - 3) << "one sprite per letter";
    EXPECT_LT(BoxOf(capture.Backend().Quads().front().quad).top, 100.0f) << "at the top, under the slider";
    place.saveFailed = false;
    EXPECT_TRUE(layer.Update(place, false));
    capture.Backend().ClearQuads();
    layer.Draw();
    EXPECT_TRUE(capture.Backend().Quads().empty());
}

TEST_F(StatusLayerTest, TheClearsLinesLieOnTheBannersPaper)
{
    ClearReport clear;
    clear.position = 1;
    clear.loops = 2;
    clear.milliseconds = 41000;
    clear.assisted = true; // three lines
    clear.best = LevelRecord{2, 41000};
    StatusLayer layer;
    StatusLayer::Place place;
    place.clear = &clear;
    place.bannerAlpha = 1.0f;
    layer.Update(place, false);
    layer.Draw();
    const auto& quads = capture.Backend().Quads();
    ASSERT_GT(quads.size(), 1u);
    ASSERT_EQ(Drawn({datafiles::kClearNotePaper}).size(), 1u);
    const Box paper = BoxOf(quads[0].quad);
    EXPECT_EQ(Drawn({datafiles::kClearNotePaper, "data/gfx/glyph_large_0032.png"})[0], datafiles::kClearNotePaper)
        << "the paper first, under the letters";
    for (std::size_t i = 1; i < quads.size(); ++i) {
        const Box letter = BoxOf(quads[i].quad);
        EXPECT_GT(letter.top, paper.top + 10.0f);
        EXPECT_LT(letter.bottom, paper.bottom - 14.0f) << "every line on the paper, none on the bare field";
        EXPECT_GT(letter.left, paper.left + 14.0f);
        EXPECT_LT(letter.right, paper.right - 14.0f);
    }
}
