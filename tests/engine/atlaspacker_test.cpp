#include "engine/render/atlaspacker.h"

#include <gtest/gtest.h>

#include <vector>

TEST(AtlasPacker, PlacementsNeverOverlapAndKeepTheirBorder)
{
    AtlasPacker packer;
    struct Box {
        int page, x0, y0, x1, y1;
    };
    std::vector<Box> boxes;
    const int b = AtlasPacker::kBorder;
    for (int i = 0; i < 600; ++i) {
        const int w = 8 + (i * 37) % 120;
        const int h = 6 + (i * 53) % 130;
        const AtlasPacker::Placement place = packer.Place(w, h);
        ASSERT_GE(place.page, 0);
        ASSERT_GE(place.x - b, 0);
        ASSERT_GE(place.y - b, 0);
        ASSERT_LE(place.x + w + b, AtlasPacker::kPageSize);
        ASSERT_LE(place.y + h + b, AtlasPacker::kPageSize);
        const Box box{place.page, place.x - b, place.y - b, place.x + w + b, place.y + h + b};
        for (const Box& other : boxes) {
            const bool apart = other.page != box.page || box.x1 <= other.x0 || other.x1 <= box.x0 ||
                               box.y1 <= other.y0 || other.y1 <= box.y0;
            ASSERT_TRUE(apart) << "image " << i << " overlaps";
        }
        boxes.push_back(box);
    }
    EXPECT_GE(packer.Pages(), 2) << "the test should have filled a page";
}

TEST(AtlasPacker, LargeImagesAreNotPacked)
{
    AtlasPacker packer;
    EXPECT_FALSE(AtlasPacker::Fits(1280, 720));
    EXPECT_FALSE(AtlasPacker::Fits(0, 5));
    EXPECT_EQ(packer.Place(257, 10).page, -1);
    EXPECT_EQ(packer.Pages(), 0);
    EXPECT_TRUE(AtlasPacker::Fits(256, 256));
}
