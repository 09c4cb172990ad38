// Needs a display: run under xvfb-run (CTest label "gl").
#include "engine/platform/platform.h"
#include "engine/gl/glrenderbackend.h"
#include "engine/core/random.h"
#include "engine/render/renderdevice.h"
#include "engine/render/sprite.h"
#include "engine/render/spritecontainer.h"
#include "engine/render/texturecache.h"

#include "support/testsupport.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <memory>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

struct SpritePixelsTest : ::testing::Test {
    testsupport::TempDir dir;
    std::vector<uint8_t> target;

    std::unique_ptr<Platform> platform;

    void SetUp() override
    {
        platform = Platform::Start(WindowOptions());
        ASSERT_TRUE(platform);
    }
    void TearDown() override
    {
        platform.reset();
    }

    // A 4 x 4 image: left half opaque red, right half half-transparent green.
    std::string MakeImage()
    {
        std::vector<uint8_t> rgba(4 * 4 * 4);
        for (int y = 0; y < 4; ++y) {
            for (int x = 0; x < 4; ++x) {
                uint8_t* p = &rgba[(y * 4 + x) * 4];
                p[0] = x < 2 ? 255 : 0;
                p[1] = x < 2 ? 0 : 255;
                p[2] = 0;
                p[3] = x < 2 ? 255 : 128;
            }
        }
        testsupport::WritePng(dir.File("halves.png"), 4, 4, rgba.data());
        return dir.File("halves.png");
    }

    void DrawAndRead(CSpriteContainer& container)
    {
        BeginFrame();
        container.Draw();
        EndFrame();
        ASSERT_TRUE(GetRenderBackend().ReadTarget(target));
    }

    const uint8_t* Pixel(int x, int y) const { return &target[(y * 1280 + x) * 4]; }

    static GlRenderBackend& Backend() { return static_cast<GlRenderBackend&>(GetRenderBackend()); }

    // One of the backend's shortcuts switched, for the same textures drawn both ways.
    static void Switch(bool RendererOptions::*shortcut, bool on)
    {
        RendererOptions options = Backend().Options();
        options.*shortcut = on;
        Backend().SetOptions(options);
    }

    // Opaque noise of the target's size, written as paper.png, and a 24 x 16 image of the same
    // noise, its alpha too, as small.png: a texel read one off, or a row copied one off or upside
    // down, shows.
    void MakeNoisePictures(int seed)
    {
        const std::string noise = testsupport::RandomBytes(1280 * 720 * 4, seed);
        std::vector<uint8_t> rgba(noise.begin(), noise.end());
        for (std::size_t alpha = 3; alpha < rgba.size(); alpha += 4)
            rgba[alpha] = 255;
        testsupport::WritePng(dir.File("paper.png"), 1280, 720, rgba.data());
        testsupport::WritePng(dir.File("small.png"), 24, 16, reinterpret_cast<const uint8_t*>(noise.data()));
    }
};

} // namespace

TEST_F(SpritePixelsTest, PositionTintBlendingAndLinearSampling)
{
    CSpriteContainer container;
    CSprite* sprite = container.CreateSprite(MakeImage());
    sprite->scaleX = sprite->scaleY = 40; // 160 x 160 at (100, 200)
    sprite->x = 100;
    sprite->y = 200;
    CSprite* tinted = container.CreateSprite(dir.File("halves.png"));
    tinted->scaleX = tinted->scaleY = 10;
    tinted->x = 600;
    tinted->y = 200;
    tinted->SetColour(0.5f, 1.0f, 1.0f);
    DrawAndRead(container);

    // Well inside the red half: opaque red.
    const uint8_t* red = Pixel(120, 280);
    EXPECT_EQ(red[0], 255);
    EXPECT_EQ(red[1], 0);
    EXPECT_EQ(red[3], 255);
    // Inside the green half: half-transparent green blended over transparent black.
    const uint8_t* green = Pixel(240, 280);
    EXPECT_EQ(green[0], 0);
    EXPECT_NEAR(green[1], 128, 2);
    EXPECT_NEAR(green[3], 64, 2);
    // Outside the sprite: still cleared.
    const uint8_t* outside = Pixel(90, 280);
    EXPECT_EQ(outside[0] | outside[1] | outside[3], 0);
    // Scaled up, linear sampling blends the texels across the boundary between the halves: the
    // texture coordinates run half a texel (here 20 pixels) ahead, so x = 160 samples exactly
    // between texels 1 and 2.
    const uint8_t* edge = Pixel(160, 280);
    EXPECT_GT(edge[0], 20);
    EXPECT_GT(edge[1], 20);
    // The tint halves red.
    const uint8_t* tintedRed = Pixel(605, 220);
    EXPECT_NEAR(tintedRed[0], 127, 1);
}

TEST_F(SpritePixelsTest, UnscaledImagesAndLinesLandTexelForPixel)
{
    // Twelve columns, column k with red 20k.
    std::vector<uint8_t> rgba(12 * 4 * 4);
    for (std::size_t i = 0; i < rgba.size(); i += 4) {
        rgba[i] = static_cast<uint8_t>(20 * (i / 4 % 12));
        rgba[i + 3] = 255;
    }
    testsupport::WritePng(dir.File("columns.png"), 12, 4, rgba.data());
    CSpriteContainer container;
    CSprite* plain = container.CreateSprite(dir.File("columns.png"));
    plain->x = 100;
    plain->y = 50;
    CSprite* doubled = container.CreateSprite(dir.File("columns.png"));
    doubled->x = 300;
    doubled->y = 50;
    doubled->scaleX = 2;
    CSprite* turned = container.CreateSprite(dir.File("columns.png"));
    turned->x = 500;
    turned->y = 50;
    turned->angle = 3.14159265f;
    BeginFrame();
    container.Draw();
    DrawLine(GetTexture(dir.File("columns.png")), vector2(700, 50), vector2(707, 50));
    EndFrame();
    ASSERT_TRUE(GetRenderBackend().ReadTarget(target));

    for (int k = 0; k < 12; ++k) {
        EXPECT_EQ(Pixel(100 + k, 51)[0], 20 * k) << "unscaled, column " << k;
        EXPECT_EQ(Pixel(100 + k, 51)[3], 255);
        // Stretched twice as wide, every other pixel lies between two texels and blends them.
        EXPECT_NEAR(Pixel(300 + 2 * k, 51)[0], 20 * k, 1) << "scaled, column " << k;
        if (k < 11) {
            EXPECT_NEAR(Pixel(301 + 2 * k, 51)[0], 20 * k + 10, 1) << "scaled, between " << k << " and " << k + 1;
        }
        // Turned half round, the columns run backwards, each still one texel per pixel.
        if (k > 0) {
            EXPECT_NEAR(Pixel(500 + k, 51)[0], 20 * (12 - k), 1) << "turned, pixel " << k;
        }
    }
    for (int k = 0; k < 7; ++k)
        EXPECT_EQ(Pixel(700 + k, 51)[0], 20 * k) << "a 7-unit line shows the first 7 columns, column " << k;
    EXPECT_EQ(Pixel(707, 51)[3], 0) << "and nothing beyond its end";
}

TEST_F(SpritePixelsTest, BatchedAndUnbatchedDrawingGiveIdenticalPixels)
{
    const std::string image = MakeImage();
    std::vector<uint8_t> others(8 * 8 * 4);
    for (std::size_t i = 0; i < others.size(); ++i)
        others[i] = static_cast<uint8_t>(i * 7);
    testsupport::WritePng(dir.File("noise.png"), 8, 8, others.data());

    CSpriteContainer container;
    RandomGenerators random(42);
    for (int i = 0; i < 400; ++i) {
        CSprite* sprite = container.CreateSprite(i % 3 ? image : dir.File("noise.png"));
        sprite->scaleX = sprite->scaleY = random.RandomFloat(1, 12);
        sprite->angle = random.RandomFloat(-3, 3);
        sprite->SetCentre(vector2(random.RandomFloat(0, 1280), random.RandomFloat(0, 720)));
        sprite->SetColour(random.RandomFloat(0, 1), random.RandomFloat(0, 1), random.RandomFloat(0, 1));
        sprite->SetAlpha(random.RandomFloat(0, 1));
    }
    GlRenderBackend& backend = Backend();
    Switch(&RendererOptions::batching, true);
    DrawAndRead(container);
    const int batchedCalls = backend.DrawCallsThisFrame();
    const std::vector<uint8_t> batched = target;

    Switch(&RendererOptions::batching, false);
    DrawAndRead(container);
    EXPECT_EQ(backend.DrawCallsThisFrame(), 400);
    EXPECT_LE(batchedCalls, 2) << "both images share one atlas page";
    EXPECT_TRUE(batched == target) << "the batched picture differs from the one-call-per-quad picture";
}

TEST_F(SpritePixelsTest, NearestSamplingOfTexelForPixelQuadsChangesNoPixel)
{
    // Noise, so that a neighbouring texel read by mistake would show: a full-screen picture of
    // its own, like the paper, and a small one that goes on an atlas page.
    const std::string paper = dir.File("paper.png");
    const std::string small = dir.File("small.png");
    MakeNoisePictures(5);

    // Texel for pixel: the paper, and small images upright on whole pixels, some mirrored, some
    // tinted and translucent. Then the same image half a pixel off, scaled and turned.
    CSpriteContainer exact;
    CSpriteContainer inexact;
    exact.CreateSprite(paper);
    RandomGenerators random(9);
    for (int i = 0; i < 80; ++i) {
        CSprite* sprite = (i < 40 ? exact : inexact).CreateSprite(small);
        sprite->x = static_cast<float>(random.RandomInt(-10, 1270));
        sprite->y = static_cast<float>(random.RandomInt(-10, 710));
        if (i % 2)
            sprite->scaleX = -1;
        if (i % 3 == 0)
            sprite->SetColour(random.RandomFloat(0, 1), 1, random.RandomFloat(0, 1));
        if (i % 4 == 0)
            sprite->SetAlpha(random.RandomFloat(0, 1));
        if (i >= 40) {
            sprite->x += 0.5f;
            sprite->scaleY = i % 3 ? 1.0f : 1.5f;
            sprite->angle = i % 5 ? 0.0f : 0.3f;
        }
    }
    GlRenderBackend& backend = Backend();
    const auto draw = [&] {
        BeginFrame();
        exact.Draw();
        backend.Flush(); // the exact quads in batches of their own
        inexact.Draw();
        EndFrame();
        ASSERT_TRUE(backend.ReadTarget(target));
    };
    draw();
    const std::vector<uint8_t> nearest = target;
    Switch(&RendererOptions::nearestWhereExact, false);
    draw();
    Switch(&RendererOptions::nearestWhereExact, true);
    ASSERT_EQ(nearest.size(), target.size());
    EXPECT_TRUE(nearest == target) << "nearest sampling changed the picture";
}

TEST_F(SpritePixelsTest, AFullScreenPictureIsCopiedWithTheSamePixelsItWouldBeDrawnWith)
{
    MakeNoisePictures(11);

    // Sprites under the paper (its top row shows them), over it, translucent and tinted; and the
    // paper once more, a pixel off, which only a quad can draw.
    CSpriteContainer under;
    CSpriteContainer paper;
    CSpriteContainer over;
    CSpriteContainer shifted;
    paper.CreateSprite(dir.File("paper.png"));
    shifted.CreateSprite(dir.File("paper.png"))->y = 1.0f;
    RandomGenerators random(3);
    for (int i = 0; i < 60; ++i) {
        CSprite* sprite = (i % 2 ? under : over).CreateSprite(dir.File("small.png"));
        sprite->SetCentre(vector2(random.RandomFloat(0, 1280), random.RandomFloat(0, 720)));
        sprite->scaleX = sprite->scaleY = random.RandomFloat(1, 5);
        sprite->SetColour(random.RandomFloat(0, 1), 1, random.RandomFloat(0, 1));
        sprite->SetAlpha(random.RandomFloat(0, 1));
    }
    GlRenderBackend& backend = Backend();
    const auto draw = [&](CSpriteContainer& picture) {
        BeginFrame();
        under.Draw();
        picture.Draw();
        over.Draw();
        EndFrame();
        ASSERT_TRUE(backend.ReadTarget(target));
    };
    for (CSpriteContainer* picture : {&paper, &shifted}) {
        draw(*picture);
        EXPECT_EQ(backend.CoversCopiedThisFrame(), picture == &paper ? 1 : 0);
        const std::vector<uint8_t> copied = target;
        Switch(&RendererOptions::copyCovers, false);
        draw(*picture);
        Switch(&RendererOptions::copyCovers, true);
        EXPECT_EQ(backend.CoversCopiedThisFrame(), 0);
        EXPECT_TRUE(copied == target) << "the copied paper differs from the drawn one";
    }
}

TEST_F(SpritePixelsTest, APictureCopiedFirstInAFrameLeavesNothingOfTheFrameBefore)
{
    // The paper first in the frame, copied over a target that still holds the frame before, whose
    // sprites reach into the top row and the first column: the picture must be the one drawn
    // over a cleared target.
    MakeNoisePictures(29);
    CSpriteContainer before;
    CSpriteContainer frame;
    frame.CreateSprite(dir.File("paper.png"));
    for (int i = 0; i < 40; ++i) {
        CSprite* top = before.CreateSprite(MakeImage());
        top->scaleX = top->scaleY = 8;
        top->SetCentre(vector2(i * 32.0f, 0.0f));
        CSprite* left = before.CreateSprite(MakeImage());
        left->scaleX = left->scaleY = 8;
        left->SetCentre(vector2(0.0f, i * 18.0f));
    }
    GlRenderBackend& backend = Backend();
    DrawAndRead(before);
    DrawAndRead(frame);
    EXPECT_EQ(backend.CoversCopiedThisFrame(), 1);
    const std::vector<uint8_t> copied = target;
    Switch(&RendererOptions::copyCovers, false);
    DrawAndRead(before);
    DrawAndRead(frame);
    Switch(&RendererOptions::copyCovers, true);
    EXPECT_TRUE(copied == target) << "the frame before shows through the copied paper";
}

TEST_F(SpritePixelsTest, DroppingFullyTransparentFragmentsChangesNoPixel)
{
    // Sprites turned and scaled, some nearly invisible (alpha 1/255 and below), over one another
    // and over an image whose texels run from transparent to opaque.
    std::vector<uint8_t> ramp(16 * 16 * 4);
    for (std::size_t i = 0; i < ramp.size(); ++i)
        ramp[i] = static_cast<uint8_t>(i % 4 == 3 ? (i / 4) % 16 * 17 * (i / 64 % 2) : i * 13);
    testsupport::WritePng(dir.File("ramp.png"), 16, 16, ramp.data());
    CSpriteContainer scene;
    RandomGenerators random(31);
    for (int i = 0; i < 300; ++i) {
        CSprite* sprite = scene.CreateSprite(i % 2 ? dir.File("ramp.png") : MakeImage());
        sprite->SetCentre(vector2(random.RandomFloat(0, 1280), random.RandomFloat(0, 720)));
        sprite->scaleX = sprite->scaleY = random.RandomFloat(1, 10);
        sprite->angle = random.RandomFloat(-3, 3);
        sprite->SetColour(random.RandomFloat(0, 1), random.RandomFloat(0, 1), random.RandomFloat(0, 1));
        sprite->SetAlpha(i % 5 ? random.RandomFloat(0, 1) : random.RandomFloat(0, 1.5f / 255));
    }
    DrawAndRead(scene);
    const std::vector<uint8_t> dropped = target;
    Switch(&RendererOptions::discardTransparent, false);
    DrawAndRead(scene);
    Switch(&RendererOptions::discardTransparent, true);
    EXPECT_TRUE(dropped == target) << "dropping transparent fragments changed the picture";
}

TEST_F(SpritePixelsTest, ASeeThroughPictureBlendedFromItsPremultipliedTwinChangesNoPixel)
{
    // Noise paper and sprites under a picture wider than the target, of random colours and
    // alphas, laid over all of it texel for pixel as the fold's shadow is: every pixel blends
    // another colour, alpha and background.
    MakeNoisePictures(41);
    const std::string noise = testsupport::RandomBytes(1302 * 720 * 4, 43);
    testsupport::WritePng(dir.File("veil.png"), 1302, 720, reinterpret_cast<const uint8_t*>(noise.data()));
    CSpriteContainer scene;
    scene.CreateSprite(dir.File("paper.png"));
    RandomGenerators random(5);
    for (int i = 0; i < 40; ++i) {
        CSprite* sprite = scene.CreateSprite(dir.File("small.png"));
        sprite->SetCentre(vector2(random.RandomFloat(0, 1280), random.RandomFloat(0, 720)));
        sprite->scaleX = sprite->scaleY = random.RandomFloat(1, 8);
        sprite->SetAlpha(random.RandomFloat(0, 1));
    }
    CSprite* veil = scene.CreateSprite(dir.File("veil.png"));
    veil->SetCentre(vector2(651, 360));
    GlRenderBackend& backend = Backend();
    for (float tint : {1.0f, 0.5f}) {
        veil->SetAlpha(tint);
        DrawAndRead(scene);
        // Only llvmpipe blends from the twin, and only an untinted picture.
        const bool llvmpipe = std::strstr(reinterpret_cast<const char*>(glGetString(GL_RENDERER)), "llvmpipe");
        EXPECT_EQ(backend.PremultipliedBatchesThisFrame(), llvmpipe && tint == 1.0f ? 1 : 0);
        const std::vector<uint8_t> twin = target;
        Switch(&RendererOptions::premultipliedTwins, false);
        DrawAndRead(scene);
        Switch(&RendererOptions::premultipliedTwins, true);
        EXPECT_EQ(backend.PremultipliedBatchesThisFrame(), 0);
        EXPECT_TRUE(twin == target) << "the premultiplied twin blends other pixels, tint " << tint;
    }
}
