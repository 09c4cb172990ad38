#include "engine/render/renderdevice.h"
#include "engine/render/sprite.h"
#include "engine/render/spritecontainer.h"
#include "utils/datafiles.h"
#include "engine/render/texturecache.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

struct SpriteDrawTest : ::testing::Test {
    testsupport::ScopedCapture capture;
    TextureEntry image{7, 64, 32};
    CSprite sprite;

    void SetUp() override
    {
        sprite.texture = &image;
        sprite.frames[0] = &image;
        sprite.width = 64;
        sprite.height = 32;
    }

    const QuadStrip& OnlyQuad()
    {
        EXPECT_EQ(capture.Backend().Quads().size(), 1u);
        return capture.Backend().Quads().front().quad;
    }
};

vector2 ToVirtual(const QuadVertex& v) { return vector2((v.x + 1.0f) * 640.0f, (1.0f - v.y) * 360.0f); }

// Corner positions read back through clip space, up to float rounding.
void ExpectCorner(const QuadVertex& v, float x, float y)
{
    const vector2 p = ToVirtual(v);
    EXPECT_NEAR(p.x, x, 1e-3f);
    EXPECT_NEAR(p.y, y, 1e-3f);
}

} // namespace

TEST_F(SpriteDrawTest, ScaledQuadHasExactCornersTextureCoordinatesAndColour)
{
    sprite.x = 100;
    sprite.y = 50;
    sprite.scaleX = 2;
    EXPECT_TRUE(sprite.Draw());
    const QuadStrip& quad = OnlyQuad();
    EXPECT_EQ(capture.Backend().Quads().front().texture, 7u);

    // Strip order: bottom-left, top-left, bottom-right, top-right.
    EXPECT_FLOAT_EQ(quad.v[1].x, 100.0f / 640.0f - 1.0f);
    EXPECT_FLOAT_EQ(quad.v[1].y, 1.0f - 50.0f / 360.0f);
    ExpectCorner(quad.v[0], 100, 82);
    ExpectCorner(quad.v[2], 228, 82);
    ExpectCorner(quad.v[3], 228, 50);
    for (const QuadVertex& v : quad.v) {
        EXPECT_EQ(v.z, 1.0f);
        EXPECT_EQ(v.colour, 0xFFFFFFFFu);
    }
    // Texture coordinates shifted by half a texel, not inset.
    EXPECT_FLOAT_EQ(quad.v[1].u, 0.5f / 64);
    EXPECT_FLOAT_EQ(quad.v[1].v, 0.5f / 32);
    EXPECT_FLOAT_EQ(quad.v[2].u, 64.5f / 64);
    EXPECT_FLOAT_EQ(quad.v[2].v, 32.5f / 32);
    EXPECT_FLOAT_EQ(quad.v[0].u, 0.5f / 64);
    EXPECT_FLOAT_EQ(quad.v[0].v, 32.5f / 32);
}

TEST_F(SpriteDrawTest, RotationTurnsTheCornersAboutTheQuadCentre)
{
    sprite.x = 100;
    sprite.y = 50;
    sprite.scaleX = 2;
    sprite.angle = 1.5707963f;
    sprite.Draw();
    const QuadStrip& quad = OnlyQuad();
    // Top-left (100, 50) turned a quarter clockwise about (164, 66) lands at (180, 2).
    const vector2 topLeft = ToVirtual(quad.v[1]);
    EXPECT_NEAR(topLeft.x, 180.0f, 0.01f);
    EXPECT_NEAR(topLeft.y, 2.0f, 0.01f);
    const vector2 bottomRight = ToVirtual(quad.v[2]);
    EXPECT_NEAR(bottomRight.x, 148.0f, 0.01f);
    EXPECT_NEAR(bottomRight.y, 130.0f, 0.01f);
}

TEST_F(SpriteDrawTest, ColourBytesAreTruncatedAndPackedAlphaFirst)
{
    sprite.SetColour(1.0f, 0.5f, 0.0f);
    sprite.SetAlpha(0.25f);
    sprite.Draw();
    EXPECT_EQ(OnlyQuad().v[0].colour, 0x3FFF7F00u);
    EXPECT_EQ(PackColour(1.5f, 0, 0, 1), 0xFF7E0000u) << "out-of-range channels wrap in their low 8 bits";
    EXPECT_EQ(PackColour(NAN, INFINITY, -INFINITY, 1e30f), 0xFF00FF00u) << "NaN reads 0, infinities saturate";
}

TEST_F(SpriteDrawTest, SetAlphaClampsButSetColourDoesNot)
{
    sprite.SetAlpha(1.7f);
    EXPECT_EQ(sprite.colour[3], 1.0f);
    sprite.SetAlpha(-3.0f);
    EXPECT_EQ(sprite.colour[3], 0.0f);
    sprite.SetColour(2.0f, -1.0f, 0.5f);
    EXPECT_EQ(sprite.colour[0], 2.0f);
    EXPECT_EQ(sprite.colour[1], -1.0f);
}

TEST_F(SpriteDrawTest, OffScreenTestUsesTheHalfDiagonal)
{
    // Half-diagonal of a 64 x 32 sprite is about 35.78.
    sprite.SetCentre(vector2(-36, 100));
    EXPECT_FALSE(sprite.Draw());
    sprite.SetCentre(vector2(-35, 100));
    EXPECT_TRUE(sprite.Draw());
    sprite.SetCentre(vector2(1316, 100));
    EXPECT_FALSE(sprite.Draw());
    sprite.SetCentre(vector2(640, 756));
    EXPECT_FALSE(sprite.Draw());
    sprite.SetCentre(vector2(640, -36));
    EXPECT_FALSE(sprite.Draw());
    EXPECT_EQ(capture.Backend().Quads().size(), 1u);
}

TEST_F(SpriteDrawTest, MissingImageDrawsNothingButCountsAsOnScreen)
{
    CSprite blank;
    blank.width = 10;
    blank.height = 10;
    EXPECT_TRUE(blank.Draw());
    TextureEntry noTexture{0, 10, 10};
    blank.texture = &noTexture;
    EXPECT_TRUE(blank.Draw());
    EXPECT_TRUE(capture.Backend().Quads().empty());
}

TEST_F(SpriteDrawTest, CentreAndSizeFollowTheScale)
{
    sprite.scaleX = 2;
    sprite.scaleY = 0.5f;
    sprite.SetCentre(vector2(300, 200));
    EXPECT_EQ(sprite.x, 236.0f);
    EXPECT_EQ(sprite.y, 192.0f);
    EXPECT_EQ(sprite.GetCentre(), vector2(300, 200));
    EXPECT_EQ(sprite.GetSize(), vector2(128, 16));
}

TEST_F(SpriteDrawTest, DrawLineCropsShortLinesAndSkipsTinyOnes)
{
    TextureEntry line{9, 64, 2};
    DrawLine(&line, vector2(10, 10), vector2(11.5f, 10));
    EXPECT_TRUE(capture.Backend().Quads().empty()) << "under 2 units draws nothing";
    DrawLine(nullptr, vector2(0, 0), vector2(100, 0));
    EXPECT_TRUE(capture.Backend().Quads().empty());

    DrawLine(&line, vector2(10, 10), vector2(20, 10));
    const QuadStrip& quad = OnlyQuad();
    ExpectCorner(quad.v[1], 10, 10);
    ExpectCorner(quad.v[3], 20, 10);
    ExpectCorner(quad.v[0], 10, 12);
    EXPECT_FLOAT_EQ(quad.v[3].u, 10.5f / 64) << "the first 10 columns, one texel per unit";
    EXPECT_FLOAT_EQ(quad.v[0].v, 2.5f / 2);
    EXPECT_EQ(quad.v[0].colour, 0xFFFFFFFFu);
}

TEST_F(SpriteDrawTest, DrawLineStretchesLongLinesAndTurnsThickness)
{
    TextureEntry line{9, 64, 2};
    DrawLine(&line, vector2(100, 100), vector2(100, 300));
    const QuadStrip& quad = OnlyQuad();
    EXPECT_FLOAT_EQ(quad.v[3].u, 64.5f / 64) << "the whole image over the length";
    // Going down the screen, the band's thickness lies on the clockwise side: towards -x.
    const vector2 end = ToVirtual(quad.v[3]);
    EXPECT_NEAR(end.x, 100.0f, 1e-3f);
    EXPECT_NEAR(end.y, 300.0f, 1e-3f);
    const vector2 thick = ToVirtual(quad.v[0]);
    EXPECT_NEAR(thick.x, 98.0f, 1e-3f);
    EXPECT_NEAR(thick.y, 100.0f, 1e-3f);
}

namespace {

SpriteAnimation MakeAnimation(const std::string& name, std::vector<int32_t> frames, uint32_t frameTime, bool loop,
                              bool killAtEnd)
{
    SpriteAnimation animation;
    animation.name = name;
    animation.frameIndices = std::move(frames);
    animation.frameTime = frameTime;
    animation.loop = loop;
    animation.killAtEnd = killAtEnd;
    return animation;
}

struct SpriteAnimationTest : ::testing::Test {
    TextureEntry a{1, 10, 10};
    TextureEntry b{2, 20, 12};
    TextureEntry c{3, 30, 14};
    CSprite sprite;

    void SetUp() override { sprite.SetFrames({&a, &b, &c, nullptr}); }
};

} // namespace

TEST_F(SpriteAnimationTest, StepsCarryTheRemainderOver)
{
    sprite.AddAnimation(MakeAnimation("walk", {0, 1, 2}, 100, true, false));
    sprite.PlayAnimation("walk");
    EXPECT_EQ(sprite.texture, &a);
    EXPECT_EQ(sprite.width, 10.0f);
    for (int i = 1; i <= 6; ++i)
        sprite.UpdateAnimation(16);
    EXPECT_EQ(sprite.step, 0u);
    sprite.UpdateAnimation(16); // 112 ms
    EXPECT_EQ(sprite.step, 1u);
    EXPECT_EQ(sprite.elapsed, 12u);
    EXPECT_EQ(sprite.texture, &b);
    EXPECT_EQ(sprite.height, 12.0f);
    for (int i = 8; i <= 12; ++i)
        sprite.UpdateAnimation(16);
    EXPECT_EQ(sprite.step, 1u);
    sprite.UpdateAnimation(16); // 208 ms
    EXPECT_EQ(sprite.step, 2u);
    // One step per call at most, even for a long dt.
    sprite.UpdateAnimation(1000);
    EXPECT_EQ(sprite.step, 0u) << "looped";
}

TEST_F(SpriteAnimationTest, NonLoopingAnimationHoldsItsLastStepAndKills)
{
    sprite.AddAnimation(MakeAnimation("pop", {0, 1, 2}, 50, false, true));
    sprite.PlayAnimation("pop");
    sprite.UpdateAnimation(50);
    sprite.UpdateAnimation(50);
    EXPECT_EQ(sprite.step, 2u);
    EXPECT_FALSE(sprite.killed);
    sprite.UpdateAnimation(50);
    EXPECT_EQ(sprite.step, 2u);
    EXPECT_EQ(sprite.texture, &c);
    EXPECT_TRUE(sprite.killed);
}

TEST_F(SpriteAnimationTest, PlayingTheRunningAnimationKeepsItsClock)
{
    sprite.AddAnimation(MakeAnimation("walk", {0, 1, 2}, 100, true, false));
    sprite.PlayAnimation("walk");
    sprite.UpdateAnimation(130);
    sprite.UpdateAnimation(20);
    sprite.PlayAnimation("walk");
    EXPECT_EQ(sprite.step, 1u);
    EXPECT_EQ(sprite.elapsed, 50u);
}

TEST_F(SpriteAnimationTest, UnknownNamesOnlyKillForDeath)
{
    sprite.PlayAnimation("fire");
    EXPECT_FALSE(sprite.killed);
    EXPECT_EQ(sprite.CurrentAnimation(), nullptr);
    sprite.PlayAnimation("death");
    EXPECT_TRUE(sprite.killed);
}

TEST_F(SpriteAnimationTest, FramesWithoutImagesOrOutOfRangeKeepTheImageAndSize)
{
    sprite.AddAnimation(MakeAnimation("odd", {1, 3, 9, -1}, 10, true, false));
    sprite.PlayAnimation("odd");
    EXPECT_EQ(sprite.texture, &b);
    sprite.UpdateAnimation(10); // frame 3 has no image
    EXPECT_EQ(sprite.texture, nullptr);
    EXPECT_EQ(sprite.width, 20.0f) << "size kept";
    sprite.UpdateAnimation(10); // frame 9 does not exist
    sprite.UpdateAnimation(10); // nor does -1
    EXPECT_EQ(sprite.width, 20.0f);
    sprite.paused = true;
    sprite.UpdateAnimation(10);
    EXPECT_EQ(sprite.step, 3u) << "paused";

    CSprite empty;
    empty.AddAnimation(MakeAnimation("none", {}, 10, false, false));
    empty.PlayAnimation("none");
    empty.UpdateAnimation(10);
    empty.UpdateAnimation(10);
    EXPECT_EQ(empty.step, 0u);
    EXPECT_EQ(empty.texture, nullptr);
}

TEST_F(SpriteAnimationTest, AnimationsAddedWhileOnePlaysLeaveItPlaying)
{
    sprite.AddAnimation(MakeAnimation("walk", {0, 1}, 10, true, false));
    sprite.PlayAnimation("walk");
    for (int i = 0; i < 20; ++i)
        sprite.AddAnimation(MakeAnimation("later" + std::to_string(i), {2}, 10, false, false));
    ASSERT_NE(sprite.CurrentAnimation(), nullptr);
    EXPECT_EQ(sprite.CurrentAnimation()->name, "walk");
    sprite.UpdateAnimation(10);
    EXPECT_EQ(sprite.texture, &b);
    sprite.PlayAnimation("later19");
    EXPECT_EQ(sprite.texture, &c) << "the animations are searched in the order added";
}

// Soft flashes: bright sprites that together would light up more than the area given are drawn
// fainter, all alike, for that draw alone; the others, and the sprites themselves, are untouched.
TEST_F(SpriteDrawTest, BrightSpritesOverTheirAreaAreDrawnFainterForTheDrawAlone)
{
    CSpriteContainer sprites;
    CSprite* plain = sprites.CreateSprite(datafiles::kPaused);
    ASSERT_NE(plain, nullptr);
    for (int i = 0; i < 4; ++i) {
        CSprite* fire = sprites.CreateSprite(datafiles::kPaused);
        fire->width = 200.0f;
        fire->height = 100.0f;
        fire->scaleX = 2.0f; // 40,000 square units each, 160,000 in all
        fire->bright = true;
    }
    auto alphas = [&] {
        std::vector<uint32_t> drawn;
        for (const auto& quad : capture.Backend().Quads())
            drawn.push_back(quad.quad.v[0].colour >> 24);
        capture.Backend().ClearQuads();
        return drawn;
    };
    sprites.Draw(40000.0f);
    EXPECT_EQ(alphas(), (std::vector<uint32_t>{255, 63, 63, 63, 63})) << "a quarter of their alpha";
    for (CSprite* sprite : sprites.Sprites())
        EXPECT_EQ(sprite->colour[3], 1.0f);
    sprites.Draw(160000.0f);
    EXPECT_EQ(alphas(), (std::vector<uint32_t>{255, 255, 255, 255, 255})) << "within the area";
    sprites.Draw();
    EXPECT_EQ(alphas(), (std::vector<uint32_t>{255, 255, 255, 255, 255})) << "full flashes";
}
