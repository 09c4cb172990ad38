#include "engine/render/spritecontainer.h"
#include "engine/render/texturecache.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct TextureCacheTest : ::testing::Test {
    testsupport::ScopedCapture capture;
    testsupport::TempDir dir;

    void TearDown() override { ReleaseAllTextures(); }

    std::string MakeImage(const std::string& name, int width, int height)
    {
        std::vector<uint8_t> rgba(static_cast<std::size_t>(width) * height * 4, 200);
        testsupport::WritePng(dir.File(name), width, height, rgba.data());
        return dir.File(name);
    }
};

} // namespace

TEST_F(TextureCacheTest, LoadsEachNameOnceAndKeepsTheImageSize)
{
    const std::string file = MakeImage("odd.png", 100, 37);
    TextureEntry* first = GetTexture(file);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->width, 100);
    EXPECT_EQ(first->height, 37);
    EXPECT_NE(first->texture, 0u);
    EXPECT_EQ(GetTexture(file), first);
    EXPECT_EQ(capture.Backend().LiveTextures(), 1);
}

TEST_F(TextureCacheTest, TwoSpellingsOfOneFileAreTwoEntries)
{
    MakeImage("a.png", 4, 4);
    TextureEntry* plain = GetTexture(dir.Path() + "/a.png");
    TextureEntry* dotted = GetTexture(dir.Path() + "/./a.png");
    ASSERT_NE(plain, nullptr);
    ASSERT_NE(dotted, nullptr);
    EXPECT_NE(plain, dotted);
    EXPECT_EQ(capture.Backend().LiveTextures(), 2);
}

TEST_F(TextureCacheTest, AMissingImageIsReportedOnceAndCachedAsFailed)
{
    const std::string missing = dir.File("missing.png");
    testing::internal::CaptureStdout();
    EXPECT_EQ(GetTexture(missing), nullptr);
    EXPECT_EQ(GetTexture(missing), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Couldn't load image: " + missing + "\n");

    dir.Write("garbage.png", "this is not a picture");
    testing::internal::CaptureStdout();
    EXPECT_EQ(GetTexture(dir.File("garbage.png")), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Couldn't load image: " + dir.File("garbage.png") + "\n");
}

TEST_F(TextureCacheTest, APictureWhosePixelsDoNotDecodeIsReportedOnceAsATexture)
{
    testsupport::WriteWholePictures(dir);
    const std::string png = testsupport::ReadFile(dir.File("whole.png"));
    const std::string jpg = testsupport::ReadFile(dir.File("whole.jpg"));
    // The PNG cut inside its pixel data; the JPG cut where its scan would start.
    dir.Write("cut.png", png.substr(0, png.size() / 2));
    const std::size_t scan = jpg.find("\xFF\xDA");
    ASSERT_NE(scan, std::string::npos);
    dir.Write("cut.jpg", jpg.substr(0, scan));

    testing::internal::CaptureStdout();
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(GetTexture(dir.File("cut.png")), nullptr);
        EXPECT_EQ(GetTexture(dir.File("cut.jpg")), nullptr);
    }
    EXPECT_EQ(testing::internal::GetCapturedStdout(),
              "Couldn't load texture: " + dir.File("cut.png") + "Couldn't load texture: " + dir.File("cut.jpg"));
}

TEST_F(TextureCacheTest, ReleaseSkipsFailedNamesAndFreesTheRest)
{
    GetTexture(MakeImage("b.png", 2, 2));
    testing::internal::CaptureStdout();
    GetTexture(dir.File("nothing.png"));
    testing::internal::GetCapturedStdout();
    ReleaseAllTextures();
    EXPECT_EQ(capture.Backend().LiveTextures(), 0);
}

TEST_F(TextureCacheTest, ContainerSpritesTakeTheirImageSize)
{
    CSpriteContainer container;
    CSprite* sprite = container.CreateSprite(MakeImage("c.png", 30, 20));
    EXPECT_EQ(sprite->width, 30.0f);
    EXPECT_EQ(sprite->height, 20.0f);
    EXPECT_EQ(sprite->frames.size(), 1u);
    EXPECT_EQ(sprite->frames[0], sprite->texture);

    testing::internal::CaptureStdout();
    CSprite* blank = container.CreateSprite(dir.File("absent.png"));
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(blank->texture, nullptr);
    EXPECT_EQ(blank->width, 0.0f);
}

TEST(ImageDecoding, KeepsStraightAlpha)
{
    testsupport::TempDir dir;
    const uint8_t pixels[2 * 4] = {255, 0, 0, 128, 0, 0, 255, 0};
    testsupport::WritePng(dir.File("alpha.png"), 2, 1, pixels);
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;
    ASSERT_TRUE(DecodeImageFile(dir.File("alpha.png"), width, height, rgba));
    EXPECT_EQ(std::vector<uint8_t>(pixels, pixels + 8), rgba);
}

TEST(ImageDecoding, ATransparentPaletteIndexGreyLevelOrColourDecodesTransparent)
{
    testsupport::TempDir dir;
    testsupport::PngParts palette;
    palette.width = 3;
    palette.height = 1;
    palette.colourType = 3;
    palette.rows = std::string("\x00\x01\x02", 3);
    palette.palette = std::string("\xFF\x00\x00\x00\xFF\x00\x00\x00\xFF", 9);
    palette.transparency = std::string("\xFF\x00", 2); // index 1 is transparent, the rest opaque
    testsupport::WriteRawPng(dir.File("palette.png"), palette);

    testsupport::PngParts grey;
    grey.width = 3;
    grey.height = 1;
    grey.colourType = 0;
    grey.rows = std::string("\x00\x80\xFF", 3);
    grey.transparency = std::string("\x00\x80", 2); // grey level 128 is transparent
    testsupport::WriteRawPng(dir.File("grey.png"), grey);

    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;
    ASSERT_TRUE(DecodeImageFile(dir.File("palette.png"), width, height, rgba));
    EXPECT_EQ(rgba, (std::vector<uint8_t>{255, 0, 0, 255, 0, 255, 0, 0, 0, 0, 255, 255}));
    ASSERT_TRUE(DecodeImageFile(dir.File("grey.png"), width, height, rgba));
    EXPECT_EQ(rgba, (std::vector<uint8_t>{0, 0, 0, 255, 128, 128, 128, 0, 255, 255, 255, 255}));

    testsupport::PngParts rgb;
    rgb.width = 2;
    rgb.height = 1;
    rgb.colourType = 2;
    rgb.rows = std::string("\x10\x20\x30\x40\x50\x60", 6);
    rgb.transparency = std::string("\x00\x40\x00\x50\x00\x60", 6); // the colour (64, 80, 96)
    testsupport::WriteRawPng(dir.File("rgb.png"), rgb);
    ASSERT_TRUE(DecodeImageFile(dir.File("rgb.png"), width, height, rgba));
    EXPECT_EQ(rgba, (std::vector<uint8_t>{16, 32, 48, 255, 64, 80, 96, 0}));
}
