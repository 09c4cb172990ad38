#include "engine/render/spritecontainer.h"
#include "engine/render/texturecache.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Each sprite draws one quad with its own texture number, so the capture tells the order.
struct ContainerTest : ::testing::Test {
    testsupport::ScopedCapture capture;
    CSpriteContainer container;
    std::vector<TextureEntry> images{{1, 8, 8}, {2, 8, 8}, {3, 8, 8}, {4, 8, 8}};

    CSprite* Make(int image, bool behind = false)
    {
        CSprite* sprite = behind ? container.CreateSpriteBehind("no such image") : container.CreateSprite("no such image");
        sprite->texture = &images[image - 1];
        sprite->width = sprite->height = 8;
        sprite->SetCentre(vector2(100, 100));
        return sprite;
    }

    std::vector<TextureHandle> DrawOrder()
    {
        capture.Backend().ClearQuads();
        container.Draw();
        std::vector<TextureHandle> order;
        for (const auto& quad : capture.Backend().Quads())
            order.push_back(quad.texture);
        return order;
    }
};

using Order = std::vector<TextureHandle>;

} // namespace

TEST_F(ContainerTest, DrawsInCreationOrderAndBehindGoesSecond)
{
    testing::internal::CaptureStdout();
    Make(1);
    Make(2);
    Make(3);
    EXPECT_EQ(DrawOrder(), (Order{1, 2, 3}));
    Make(4, true);
    EXPECT_EQ(DrawOrder(), (Order{1, 4, 2, 3}));
    testing::internal::GetCapturedStdout();
}

TEST_F(ContainerTest, BehindOnAnEmptyContainerAppends)
{
    testing::internal::CaptureStdout();
    Make(1, true);
    Make(2, true);
    EXPECT_EQ(DrawOrder(), (Order{1, 2}));
    testing::internal::GetCapturedStdout();
}

TEST_F(ContainerTest, SendToBackMovesAfterTheFirstSprite)
{
    testing::internal::CaptureStdout();
    Make(1);
    Make(2);
    CSprite* m = Make(3);
    m->sendToBack = true;
    EXPECT_EQ(DrawOrder(), (Order{1, 2, 3})) << "drawn at its old place in that pass";
    EXPECT_FALSE(m->sendToBack);
    EXPECT_EQ(DrawOrder(), (Order{1, 3, 2}));
    testing::internal::GetCapturedStdout();
}

TEST_F(ContainerTest, TwoSentBackInOnePassKeepTheLastMetSecond)
{
    testing::internal::CaptureStdout();
    Make(1);
    Make(2)->sendToBack = true;
    Make(3)->sendToBack = true;
    DrawOrder();
    EXPECT_EQ(DrawOrder(), (Order{1, 3, 2}));
    testing::internal::GetCapturedStdout();
}

TEST_F(ContainerTest, KilledSpritesAreDestroyedByTheNextPass)
{
    testing::internal::CaptureStdout();
    Make(1);
    Make(2)->killed = true;
    Make(3);
    EXPECT_EQ(DrawOrder(), (Order{1, 3}));
    EXPECT_EQ(container.Count(), 2u);
    testing::internal::GetCapturedStdout();
}

TEST_F(ContainerTest, KilledAndSentBackIsDrawnOnceMoreThenDestroyed)
{
    testing::internal::CaptureStdout();
    Make(1);
    CSprite* l = Make(2);
    Make(3);
    l->killed = true;
    l->sendToBack = true;
    EXPECT_EQ(DrawOrder(), (Order{1, 2, 3}));
    EXPECT_EQ(container.Count(), 3u);
    EXPECT_EQ(DrawOrder(), (Order{1, 3}));
    EXPECT_EQ(container.Count(), 2u);
    testing::internal::GetCapturedStdout();
}

TEST_F(ContainerTest, UpdateAnimationsReachesEverySpriteAndClearEmpties)
{
    testing::internal::CaptureStdout();
    container.UpdateAnimations(16); // empty: nothing happens
    CSprite* a = Make(1);
    CSprite* b = Make(2);
    for (CSprite* sprite : {a, b}) {
        SpriteAnimation animation;
        animation.name = "walk";
        animation.frameIndices = {0, 0};
        animation.frameTime = 10;
        animation.loop = true;
        sprite->AddAnimation(animation);
        sprite->PlayAnimation("walk");
    }
    container.UpdateAnimations(16);
    EXPECT_EQ(a->step, 1u);
    EXPECT_EQ(b->step, 1u);
    container.Clear();
    EXPECT_EQ(container.Count(), 0u);
    EXPECT_TRUE(DrawOrder().empty());
    testing::internal::GetCapturedStdout();
}

// Pointers handed out stay good while the passes around them destroy, insert and move sprites.
TEST_F(ContainerTest, ASpriteStaysWhereItIsWhileOthersComeGoAndMove)
{
    testing::internal::CaptureStdout();
    CSprite* kept = Make(1);
    kept->scaleX = 3.0f;
    for (int round = 0; round < 50; ++round) {
        Make(2)->killed = true;
        Make(3, true)->sendToBack = true;
        Make(4);
        container.Draw();
    }
    EXPECT_EQ(kept->scaleX, 3.0f);
    EXPECT_EQ(container.Sprites().front(), kept) << "still at the bottom";
    EXPECT_EQ(container.Count(), 101u);
    testing::internal::GetCapturedStdout();
}
