// Text lettered from the generated glyphs (in the build tree): where each glyph lands, which
// glyph a character gets, and what the handle does to the sprites.
#include "app/text/lettering.h"
#include "engine/render/texturecache.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

using datafiles::GlyphSize;
using testsupport::Box;
using testsupport::BoxOf;

struct LetteringTest : ::testing::Test {
    testsupport::ScopedCapture capture;
    CSpriteContainer sprites;
    Lettering lettering{sprites};

    const std::vector<CapturingRenderBackend::Captured>& Drawn()
    {
        capture.Backend().ClearQuads();
        sprites.Draw();
        return capture.Backend().Quads();
    }

    // The glyph pictures drawn, as their textures, in order.
    std::vector<TextureHandle> Textures()
    {
        std::vector<TextureHandle> textures;
        for (const auto& quad : Drawn())
            textures.push_back(quad.texture);
        return textures;
    }

    static float Advance(char32_t c, GlyphSize size = GlyphSize::kLarge)
    {
        const int width = GetTexture(datafiles::Glyph(size, c))->width;
        return static_cast<float>(width - 2 * datafiles::GlyphMetricsOf(size).margin);
    }
};

} // namespace

TEST_F(LetteringTest, GlyphsFollowEachOtherByTheirAdvancesOnTheBaseline)
{
    const datafiles::GlyphMetrics metrics = datafiles::GlyphMetricsOf(GlyphSize::kLarge);
    const LetteredText text = lettering.Write("AB 3", vector2(100.0f, 200.0f), GlyphSize::kLarge);
    const auto& quads = Drawn();
    ASSERT_EQ(quads.size(), 3u) << "the blank has no sprite";
    const float pens[3] = {0.0f, Advance(U'A'), Advance(U'A') + Advance(U'B') + Advance(U' ')};
    for (std::size_t i = 0; i < quads.size(); ++i) {
        const Box box = BoxOf(quads[i].quad);
        EXPECT_FLOAT_EQ(box.left, 100.0f + pens[i] - metrics.margin) << i;
        EXPECT_FLOAT_EQ(box.top, 200.0f - metrics.baseline) << "every glyph's baseline on y = 200";
        EXPECT_FLOAT_EQ(box.bottom - box.top, static_cast<float>(metrics.height)) << "drawn at its own size";
    }
    EXPECT_FLOAT_EQ(text.Width(), pens[2] + Advance(U'3'));
    EXPECT_FLOAT_EQ(Lettering::Width("AB 3", GlyphSize::kLarge), text.Width()) << "measuring makes no sprites";
    EXPECT_EQ(sprites.Count(), 3u);
}

TEST_F(LetteringTest, CentredAndRightAlignedTextEndsWhereItShouldOnWholePixels)
{
    const datafiles::GlyphMetrics metrics = datafiles::GlyphMetricsOf(GlyphSize::kSmall);
    lettering.Write("LOOP 2", vector2(900.0f, 100.0f), GlyphSize::kSmall, TextAlign::kRight);
    EXPECT_FLOAT_EQ(BoxOf(Drawn().back().quad).right - metrics.margin, 900.0f) << "the last advance ends at x";
    sprites.Clear();
    lettering.Write("MENU", vector2(640.3f, 100.0f), GlyphSize::kSmall, TextAlign::kCentre);
    const auto& quads = Drawn();
    const float left = BoxOf(quads.front().quad).left + metrics.margin;
    const float end = BoxOf(quads.back().quad).right - metrics.margin;
    EXPECT_NEAR((left + end) * 0.5f, 640.3f, 0.51f);
    EXPECT_FLOAT_EQ(left, std::round(left)) << "sharp: every glyph on a whole pixel";
}

TEST_F(LetteringTest, SmallLettersAreCapitalsAndAnXBetweenNumbersIsTheTimesSign)
{
    lettering.Write("level 1280 x 720 · best", vector2(0.0f, 100.0f), GlyphSize::kLarge);
    const std::vector<TextureHandle> lower = Textures();
    sprites.Clear();
    lettering.Write("LEVEL 1280 \u00d7 720 \u00b7 BEST", vector2(0.0f, 100.0f), GlyphSize::kLarge);
    EXPECT_EQ(Textures(), lower);
    sprites.Clear();
    lettering.Write("exit 2x", vector2(0.0f, 100.0f), GlyphSize::kLarge);
    const TextureHandle letterX = GetTexture(datafiles::Glyph(GlyphSize::kLarge, U'X'))->texture;
    EXPECT_EQ(Textures()[1], letterX) << "a letter x";
    EXPECT_EQ(Textures().back(), letterX) << "no number after it";
}

TEST_F(LetteringTest, UnknownCharactersDrawNothingAndTakeASpacesAdvance)
{
    for (const char* odd : {"A\u20acB", "A\xff" "B", "A\tB", "A\xe2\x82" "B"}) {
        sprites.Clear();
        lettering.Write(odd, vector2(10.0f, 100.0f), GlyphSize::kLarge);
        const auto& quads = Drawn();
        ASSERT_EQ(quads.size(), 2u) << odd;
        EXPECT_FLOAT_EQ(BoxOf(quads[1].quad).left - BoxOf(quads[0].quad).left, Advance(U'A') + Advance(U' ')) << odd;
        EXPECT_FLOAT_EQ(Lettering::Width(odd, GlyphSize::kLarge), Lettering::Width("A B", GlyphSize::kLarge)) << odd;
    }
}

TEST_F(LetteringTest, TheHandleMovesTintsFadesAndRemovesItsTextOnly)
{
    LetteredText moved = lettering.Write("GO", vector2(100.0f, 100.0f), GlyphSize::kLarge, TextAlign::kCentre);
    LetteredText other = lettering.Write("STAY", vector2(100.0f, 300.0f), GlyphSize::kLarge);
    const float before = BoxOf(Drawn().front().quad).left;
    moved.MoveTo(vector2(150.0f, 120.0f));
    moved.SetColour(0.5f, 0.5f, 0.5f);
    moved.SetAlpha(0.4f);
    const auto& quads = Drawn();
    EXPECT_FLOAT_EQ(BoxOf(quads.front().quad).left, before + 50.0f) << "centred on the new anchor";
    EXPECT_EQ(quads.front().quad.v[0].colour, PackColour(0.5f, 0.5f, 0.5f, 0.4f));
    EXPECT_EQ(quads.back().quad.v[0].colour, PackColour(1.0f, 1.0f, 1.0f, 1.0f)) << "the other text untouched";

    moved.Remove();
    EXPECT_EQ(moved.SpriteCount(), 0u);
    EXPECT_EQ(Drawn().size(), other.SpriteCount()) << "its sprites are killed, the other text stays";
    EXPECT_EQ(sprites.Count(), 4u) << "and the container has destroyed them";
}
