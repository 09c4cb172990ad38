// Which shortcuts the renderer takes on which OpenGL, by the name it gives itself, what it can
// do and the options, and which batches and quads each shortcut is taken for.
#include "engine/render/drawingstrategy.h"

#include "quadstrips.h"

#include <gtest/gtest.h>

namespace {

constexpr const char* kLlvmpipe = "llvmpipe (LLVM 15.0.6, 256 bits)";
constexpr const char* kSoftpipe = "softpipe";
constexpr const char* kGpu = "Mesa Intel(R) UHD Graphics 620 (KBL GT2)";

DrawingStrategy On(const char* renderer, const RendererOptions& options = RendererOptions(),
                   const GlCapabilities& capabilities = GlCapabilities())
{
    return DrawingStrategy::Choose(renderer, capabilities, options);
}

RendererOptions PresentingByCopy(Choice choice)
{
    RendererOptions options;
    options.presentByCopy = choice;
    return options;
}

RendererOptions Without(bool RendererOptions::*shortcut)
{
    RendererOptions options;
    options.*shortcut = false;
    return options;
}

// A batch of a see-through image with a twin, untinted and texel for pixel: the fold's shadow.
QuadBatch LikeTheShadow()
{
    QuadBatch batch;
    batch.texture = 3;
    batch.premultipliedTwin = 4;
    batch.blends = true;
    batch.texelForPixel = true;
    batch.untinted = true;
    return batch;
}

} // namespace

TEST(DrawingStrategy, MesasSoftwareRasterisersPresentByCopyAndEveryOtherOpenGLByBlit)
{
    EXPECT_TRUE(On(kLlvmpipe).PresentsByCopy());
    EXPECT_TRUE(On(kSoftpipe).PresentsByCopy());
    EXPECT_FALSE(On(kGpu).PresentsByCopy());
    EXPECT_FALSE(On(nullptr).PresentsByCopy()) << "no name at all";
}

TEST(DrawingStrategy, PresentByCopyIsForcedEitherWayWhereTheTargetCanBeLaidAsTheWindow)
{
    EXPECT_TRUE(On(kGpu, PresentingByCopy(Choice::On)).PresentsByCopy());
    EXPECT_FALSE(On(kLlvmpipe, PresentingByCopy(Choice::Off)).PresentsByCopy());
    EXPECT_TRUE(On(kGpu).Grants(PresentingByCopy(Choice::On)));

    GlCapabilities webGl;
    webGl.windowLaidTarget = false;
    const DrawingStrategy browser = On(kLlvmpipe, PresentingByCopy(Choice::On), webGl);
    EXPECT_FALSE(browser.PresentsByCopy());
    EXPECT_FALSE(browser.Grants(PresentingByCopy(Choice::On)));
    EXPECT_TRUE(browser.Grants(PresentingByCopy(Choice::Off)));
    EXPECT_TRUE(browser.Grants(PresentingByCopy(Choice::Auto)));
}

TEST(DrawingStrategy, OtherOptionsKeepTheChoiceMadeForTheRenderer)
{
    const DrawingStrategy byBlit = On(kLlvmpipe).WithOptions(PresentingByCopy(Choice::Off));
    EXPECT_FALSE(byBlit.PresentsByCopy());
    EXPECT_TRUE(byBlit.WithOptions(RendererOptions()).PresentsByCopy()) << "still llvmpipe";
    EXPECT_FALSE(byBlit.WithOptions(Without(&RendererOptions::batching)).Batches());
}

TEST(DrawingStrategy, OnlyLlvmpipeMakesPremultipliedTwinsAndOnlyOfSeeThroughImagesOfTheirOwn)
{
    EXPECT_TRUE(On(kLlvmpipe).MakesPremultipliedTwin(false, true));
    EXPECT_FALSE(On(kLlvmpipe).MakesPremultipliedTwin(true, true)) << "opaque";
    EXPECT_FALSE(On(kLlvmpipe).MakesPremultipliedTwin(false, false)) << "on an atlas page";
    EXPECT_FALSE(On(kSoftpipe).MakesPremultipliedTwin(false, true));
    EXPECT_FALSE(On(kGpu).MakesPremultipliedTwin(false, true));
    EXPECT_TRUE(On(kLlvmpipe, Without(&RendererOptions::premultipliedTwins)).MakesPremultipliedTwin(false, true))
        << "made all the same, for when the option is turned on";
    GlCapabilities noSeparateBlend;
    noSeparateBlend.separateBlend = false;
    EXPECT_FALSE(On(kLlvmpipe, RendererOptions(), noSeparateBlend).MakesPremultipliedTwin(false, true));
}

TEST(DrawingStrategy, BlendsFromTheTwinOnlyABlendingUntintedTexelForPixelBatchThatHasOne)
{
    const DrawingStrategy llvmpipe = On(kLlvmpipe);
    EXPECT_TRUE(llvmpipe.BlendsFromTwin(LikeTheShadow()));
    for (bool QuadBatch::*flag : {&QuadBatch::blends, &QuadBatch::texelForPixel, &QuadBatch::untinted}) {
        QuadBatch batch = LikeTheShadow();
        batch.*flag = false;
        EXPECT_FALSE(llvmpipe.BlendsFromTwin(batch));
    }
    QuadBatch noTwin = LikeTheShadow();
    noTwin.premultipliedTwin = 0;
    EXPECT_FALSE(llvmpipe.BlendsFromTwin(noTwin));
    EXPECT_FALSE(On(kLlvmpipe, Without(&RendererOptions::premultipliedTwins)).BlendsFromTwin(LikeTheShadow()));
    EXPECT_FALSE(On(kLlvmpipe, Without(&RendererOptions::nearestWhereExact)).BlendsFromTwin(LikeTheShadow()))
        << "the twin is read nearest, or not at all";
}

TEST(DrawingStrategy, SamplesNearestOnlyBatchesThatAreTexelForPixel)
{
    QuadBatch exact;
    QuadBatch inexact;
    inexact.texelForPixel = false;
    EXPECT_TRUE(On(kGpu).SamplesNearest(exact));
    EXPECT_FALSE(On(kGpu).SamplesNearest(inexact));
    EXPECT_FALSE(On(kGpu, Without(&RendererOptions::nearestWhereExact)).SamplesNearest(exact));
}

TEST(DrawingStrategy, DropsTransparentFragmentsOnlyOfBlendingBatchesWhereThereIsAnAlphaTest)
{
    QuadBatch blending;
    blending.blends = true;
    EXPECT_TRUE(On(kGpu).DropsTransparent(blending));
    EXPECT_FALSE(On(kGpu).DropsTransparent(QuadBatch())) << "nothing to blend";
    EXPECT_FALSE(On(kGpu, Without(&RendererOptions::discardTransparent)).DropsTransparent(blending));
    GlCapabilities webGl;
    webGl.alphaTest = false;
    EXPECT_FALSE(On(kGpu, RendererOptions(), webGl).DropsTransparent(blending));
}

TEST(DrawingStrategy, CopiesOnlyAnUntintedPictureLaidOverTheWholeTargetTexelForPixel)
{
    using namespace quadstrips;
    const DrawingStrategy strategy = On(kGpu);
    EXPECT_TRUE(strategy.CopiesAsCover(Unscaled(0, 0, 1280, 720), 1280, 720));
    EXPECT_FALSE(strategy.CopiesAsCover(Unscaled(0, 1, 1280, 720), 1280, 720)) << "a pixel down";
    EXPECT_FALSE(strategy.CopiesAsCover(Unscaled(0, 0, 1280, 720, 0xFFFFFF00u), 1280, 720)) << "tinted";
    EXPECT_FALSE(strategy.CopiesAsCover(Mirrored(Unscaled(0, 0, 1280, 720)), 1280, 720));
    EXPECT_FALSE(strategy.CopiesAsCover(Showing(0, 0, 1280, 720, 640, 360), 640, 360)) << "stretched";
    EXPECT_FALSE(On(kGpu, Without(&RendererOptions::copyCovers)).CopiesAsCover(Unscaled(0, 0, 1280, 720), 1280, 720));
}
