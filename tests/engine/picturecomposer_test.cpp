// Pictures composed at run time: files laid over each other as the device blends, stretched
// across, clipped at the edges, and kept in the texture cache under a name of their own.
#include "engine/render/picturecomposer.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<uint8_t> Filled(int width, int height, uint8_t r, uint8_t g, uint8_t b, uint8_t a)
{
    std::vector<uint8_t> pixels;
    for (int i = 0; i < width * height; ++i)
        pixels.insert(pixels.end(), {r, g, b, a});
    return pixels;
}

std::vector<uint8_t> PixelOf(const PictureComposer& picture, int x, int y)
{
    const auto at = picture.Pixels().begin() + (y * picture.Width() + x) * 4;
    return std::vector<uint8_t>(at, at + 4);
}

} // namespace

TEST(PictureComposer, LaysPicturesOverEachOtherStretchedAndClipped)
{
    testsupport::TempDir dir;
    testsupport::WritePng(dir.File("red.png"), 2, 2, Filled(2, 2, 255, 0, 0, 255).data());
    testsupport::WritePng(dir.File("veil.png"), 1, 1, Filled(1, 1, 0, 0, 255, 128).data());
    PictureComposer picture(6, 3);
    picture.Lay(dir.File("red.png"), 0, 0, 4); // stretched across four pixels
    picture.Lay(dir.File("veil.png"), 3, 1);
    picture.Lay(dir.File("red.png"), 5, 2); // mostly off the picture
    picture.Lay(dir.File("missing.png"), 0, 0);
    EXPECT_EQ(PixelOf(picture, 3, 0), (std::vector<uint8_t>{255, 0, 0, 255}));
    EXPECT_EQ(PixelOf(picture, 4, 0), (std::vector<uint8_t>{0, 0, 0, 0})) << "beyond the stretch, nothing";
    EXPECT_EQ(PixelOf(picture, 3, 1), (std::vector<uint8_t>{127, 0, 128, 255})) << "half blue over red";
    EXPECT_EQ(PixelOf(picture, 5, 2), (std::vector<uint8_t>{255, 0, 0, 255}));

    testsupport::ScopedCapture capture;
    const TextureEntry* kept = picture.Keep("composed/test");
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(kept->width, 6);
    EXPECT_EQ(FindTexture("composed/test"), kept);
    EXPECT_EQ(GetTexture("composed/test"), kept) << "a sprite finds it by its name";
}
