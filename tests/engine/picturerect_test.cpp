// Where the 1280 x 720 picture lands in windows of every shape, and the mouse mapped through it.
#include "engine/render/picturerect.h"

#include <gtest/gtest.h>

namespace {

struct Shape {
    int windowWidth, windowHeight;
    int x, y, width, height; // the picture's place in the window
};

} // namespace

TEST(PictureRect, LetterboxKeepsTheShapeAndCentresThePictureInEveryWindow)
{
    const Shape shapes[] = {
        {1920, 1080, 0, 0, 1920, 1080},   // 16:9 fills the window
        {1920, 1200, 0, 60, 1920, 1080},  // 16:10: bars above and below
        {1280, 1024, 0, 152, 1280, 720},  // 5:4
        {2560, 1080, 320, 0, 1920, 1080}, // 21:9: bars left and right
        {720, 1280, 0, 437, 720, 405},    // a portrait window
        {1366, 768, 0, 0, 1366, 768},     // within a pixel of 16:9: no one-pixel bar
    };
    for (const Shape& shape : shapes) {
        const PictureRect rect = PictureRect::Letterboxed(shape.windowWidth, shape.windowHeight);
        EXPECT_EQ(rect.x, shape.x) << shape.windowWidth << "x" << shape.windowHeight;
        EXPECT_EQ(rect.y, shape.y) << shape.windowWidth << "x" << shape.windowHeight;
        EXPECT_EQ(rect.width, shape.width) << shape.windowWidth << "x" << shape.windowHeight;
        EXPECT_EQ(rect.height, shape.height) << shape.windowWidth << "x" << shape.windowHeight;

        // The picture's corners and centre go to the window and come back where they were.
        for (const vector2 point : {vector2(0, 0), vector2(1280, 720), vector2(640, 360), vector2(1280, 0)}) {
            const vector2 back = rect.WindowToPicture(rect.PictureToWindow(point));
            EXPECT_NEAR(back.x, point.x, 1e-3f) << shape.windowWidth << "x" << shape.windowHeight;
            EXPECT_NEAR(back.y, point.y, 1e-3f) << shape.windowWidth << "x" << shape.windowHeight;
        }
    }
}

TEST(PictureRect, APointInABarGoesToTheNearestEdgeOfThePicture)
{
    const PictureRect tall = PictureRect::Letterboxed(1280, 1024); // bars of 152 above and below
    EXPECT_EQ(tall.WindowToPicture(vector2(640, 10)), vector2(640, 0));
    EXPECT_EQ(tall.WindowToPicture(vector2(1279, 1023)), vector2(1279, 720));
    EXPECT_EQ(tall.WindowToPicture(vector2(0, 152 + 360)), vector2(0, 360));
    const PictureRect wide = PictureRect::Letterboxed(2560, 1080); // bars of 320 left and right
    EXPECT_EQ(wide.WindowToPicture(vector2(5, 540)), vector2(0, 360));
    EXPECT_EQ(wide.WindowToPicture(vector2(2559, 0)), vector2(1280, 0));
    EXPECT_EQ(wide.WindowToPicture(vector2(320 + 960, 540)), vector2(640, 360));
}

TEST(PictureRect, StretchedCoversTheWholeWindowAsTheClassicGameDid)
{
    const PictureRect rect = PictureRect::Stretched(1280, 1024);
    EXPECT_TRUE(rect.Covers(1280, 1024));
    EXPECT_EQ(rect.WindowToPicture(vector2(640, 512)), vector2(640, 360));
    EXPECT_EQ(rect.PictureToWindow(vector2(1280, 720)), vector2(1280, 1024));
}

TEST(PictureRect, TheMouseKeepsItsFractionInAWindowOfAnotherSizeAndIsWholeAtThePicturesOwn)
{
    const GameEvent scaled = PictureRect::Letterboxed(1366, 768).MouseInPicture(GameEvent::MouseMotion(100, 200));
    EXPECT_NEAR(scaled.x, 93.704f, 0.001f) << "not the 93 of a whole pixel";
    EXPECT_EQ(scaled.y, 187.5f);
    EXPECT_TRUE(scaled.inPicture);
    EXPECT_EQ(PictureRect().MouseInPicture(scaled), scaled) << "a point of the picture is mapped once";

    const GameEvent full = PictureRect::Letterboxed(1920, 1080).MouseInPicture(GameEvent::MouseMotion(100, 200));
    EXPECT_NEAR(full.x, 66.667f, 0.001f);
    EXPECT_NEAR(full.y, 133.333f, 0.001f);

    // At the picture's own size, whole points as the game's arithmetic always gave them (113 of
    // the window's 720 rows comes to 112.99999, aimed at 112), wherever the picture lies.
    const GameEvent own = PictureRect::Letterboxed(1280, 720).MouseInPicture(GameEvent::MouseMotion(100, 113));
    EXPECT_EQ(own.x, 100.0f);
    EXPECT_EQ(own.y, 112.0f);
    const GameEvent barred = PictureRect::Letterboxed(1280, 800).MouseInPicture(GameEvent::MouseMotion(100, 40 + 113));
    EXPECT_EQ(barred.y, 112.0f);
    const GameEvent wheel = PictureRect::Letterboxed(1366, 768).MouseInPicture(GameEvent::Of(GameEvent::Type::kMouseWheel));
    EXPECT_FALSE(wheel.inPicture) << "the wheel has no point";
}
