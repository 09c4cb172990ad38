// The quad batcher as a device sees it: the batches it hands over, their order, their texture
// coordinates and what each says about itself, recorded without a display.
#include "engine/render/quadbatcher.h"

#include "quadstrips.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using quadstrips::Unscaled;

// Keeps a copy of every batch handed to it, in the order handed.
class RecordingBatchDevice : public BatchDevice {
public:
    void DrawBatch(const QuadBatch& batch) override { batches.push_back(batch); }

    std::vector<QuadBatch> batches;
};

BatchedImage ImageOn(unsigned texture, int width = 8, int height = 8, bool opaque = true)
{
    BatchedImage image;
    image.texture = texture;
    image.width = width;
    image.height = height;
    image.opaque = opaque;
    return image;
}

struct QuadBatcherTest : ::testing::Test {
    RecordingBatchDevice device;
    QuadBatcher batcher{device};

    // Each quad on its own pixel column, so that the column tells which quad a vertex is of.
    void SubmitAt(int column, const BatchedImage& image) { batcher.Submit(image, Unscaled(column, 10, 8, 8)); }

    // The batches' textures and their numbers of quads.
    std::vector<std::pair<unsigned, std::size_t>> Shape() const
    {
        std::vector<std::pair<unsigned, std::size_t>> shape;
        for (const QuadBatch& batch : device.batches)
            shape.emplace_back(batch.texture, batch.Quads());
        return shape;
    }

    // The batch of this one quad alone, as the device got it.
    const QuadBatch& BatchOf(const BatchedImage& image, const QuadStrip& quad)
    {
        batcher.Submit(image, quad);
        batcher.Flush();
        return device.batches.back();
    }
};

} // namespace

TEST_F(QuadBatcherTest, HandsEveryQuadOverInTheOrderItWasSubmitted)
{
    const BatchedImage images[] = {ImageOn(3), ImageOn(5), ImageOn(9)};
    std::vector<float> submitted;
    for (int i = 0; i < 300; ++i) {
        SubmitAt(i, images[(i * 7 / 5) % 3]);
        submitted.push_back(quadstrips::ClipX(static_cast<float>(i)));
    }
    batcher.Flush();
    const std::size_t handedOver = device.batches.size();
    batcher.Flush();
    EXPECT_EQ(device.batches.size(), handedOver) << "nothing pending, nothing handed over";

    std::vector<float> drawn;
    for (const QuadBatch& batch : device.batches) {
        ASSERT_EQ(batch.indices.size(), batch.Quads() * 6);
        for (std::size_t q = 0; q < batch.Quads(); ++q) {
            drawn.push_back(batch.vertices[q * 4 + 1].x); // the top-left corner
            const uint16_t base = static_cast<uint16_t>(q * 4);
            const std::vector<uint16_t> strip(batch.indices.begin() + q * 6, batch.indices.begin() + q * 6 + 6);
            EXPECT_EQ(strip, (std::vector<uint16_t>{base, uint16_t(base + 1), uint16_t(base + 2), uint16_t(base + 1),
                                                    uint16_t(base + 3), uint16_t(base + 2)}));
        }
    }
    EXPECT_EQ(drawn, submitted);
}

TEST_F(QuadBatcherTest, JoinsARunOfOneTextureAndStartsANewBatchWhenTheTextureChanges)
{
    for (unsigned texture : {4u, 4u, 7u, 7u, 7u, 4u, 2u, 2u})
        SubmitAt(0, ImageOn(texture));
    batcher.Flush();
    using Batch = std::pair<unsigned, std::size_t>;
    EXPECT_EQ(Shape(), (std::vector<Batch>{{4, 2}, {7, 3}, {4, 1}, {2, 2}}));
}

TEST_F(QuadBatcherTest, ABatchHoldsNoMoreQuadsThanSixteenBitIndicesNumber)
{
    for (std::size_t i = 0; i < 2 * QuadBatcher::kMaxQuads + 1; ++i)
        SubmitAt(static_cast<int>(i % 1000), ImageOn(1));
    batcher.Flush();
    using Batch = std::pair<unsigned, std::size_t>;
    EXPECT_EQ(Shape(), (std::vector<Batch>{{1, QuadBatcher::kMaxQuads}, {1, QuadBatcher::kMaxQuads}, {1, 1}}));
    for (const QuadBatch& batch : device.batches) {
        for (uint16_t index : batch.indices)
            ASSERT_LT(index, batch.vertices.size());
    }
}

TEST_F(QuadBatcherTest, MovesTextureCoordinatesOntoTheImagesPlaceInItsTexture)
{
    BatchedImage image = ImageOn(6, 16, 8);
    image.u0 = 0.25f;
    image.v0 = 0.5f;
    image.uScale = 0.125f;
    image.vScale = 0.0625f;
    QuadStrip quad = Unscaled(100, 50, 16, 8, 0x80112233u);
    quad.v[0].u = 0.0f;
    quad.v[0].v = 1.0f;
    quad.v[3].u = 0.5f;
    quad.v[3].v = 0.0f;
    const QuadBatch& batch = BatchOf(image, quad);
    ASSERT_EQ(batch.Quads(), 1u);
    EXPECT_FLOAT_EQ(batch.vertices[0].u, 0.25f);
    EXPECT_FLOAT_EQ(batch.vertices[0].v, 0.5625f);
    EXPECT_FLOAT_EQ(batch.vertices[3].u, 0.3125f);
    EXPECT_FLOAT_EQ(batch.vertices[3].v, 0.5f);
    EXPECT_FLOAT_EQ(batch.vertices[1].u, 0.25f + 0.5f / 16 * 0.125f);
    for (int corner = 0; corner < 4; ++corner) {
        EXPECT_EQ(batch.vertices[corner].x, quad.v[corner].x);
        EXPECT_EQ(batch.vertices[corner].y, quad.v[corner].y);
        EXPECT_EQ(batch.vertices[corner].colour, 0x80112233u) << "colours go to the device as they came";
    }
}

TEST_F(QuadBatcherTest, ABatchBlendsWhenAnyTexelOrVertexAlphaIsBelow255)
{
    const BatchedImage opaque = ImageOn(1);
    const BatchedImage seeThrough = ImageOn(2, 8, 8, false);
    EXPECT_FALSE(BatchOf(opaque, Unscaled(0, 0, 8, 8)).blends);
    EXPECT_FALSE(BatchOf(opaque, Unscaled(0, 0, 8, 8, 0xFF102030u)).blends) << "an opaque tint";
    EXPECT_TRUE(BatchOf(seeThrough, Unscaled(0, 0, 8, 8)).blends);
    QuadStrip oneCornerSeeThrough = Unscaled(0, 0, 8, 8);
    oneCornerSeeThrough.v[2].colour = 0xFEFFFFFFu;
    EXPECT_TRUE(BatchOf(opaque, oneCornerSeeThrough).blends);

    // One quad that blends makes its whole batch blend; the next batch starts afresh.
    batcher.Submit(opaque, Unscaled(0, 0, 8, 8));
    batcher.Submit(opaque, oneCornerSeeThrough);
    batcher.Submit(opaque, Unscaled(0, 0, 8, 8));
    batcher.Flush();
    EXPECT_TRUE(device.batches.back().blends);
    EXPECT_FALSE(BatchOf(opaque, Unscaled(0, 0, 8, 8)).blends);
}

TEST_F(QuadBatcherTest, ABatchIsTexelForPixelOnlyWhenEveryQuadLaysItsImageTexelForPixel)
{
    const BatchedImage image = ImageOn(1, 12, 4);
    EXPECT_TRUE(BatchOf(image, Unscaled(100, 50, 12, 4)).texelForPixel);
    EXPECT_TRUE(BatchOf(image, Unscaled(-3, 717, 12, 4)).texelForPixel) << "reaching over the target's edge";
    EXPECT_TRUE(BatchOf(image, quadstrips::Mirrored(Unscaled(100, 50, 12, 4))).texelForPixel);
    EXPECT_FALSE(BatchOf(image, Unscaled(100.5f, 50, 12, 4)).texelForPixel) << "half a pixel off";
    EXPECT_FALSE(BatchOf(image, quadstrips::Showing(100, 50, 24, 4, 12, 4)).texelForPixel) << "scaled";
    EXPECT_FALSE(BatchOf(image, quadstrips::Tipped(Unscaled(100, 50, 12, 4))).texelForPixel) << "turned";
    EXPECT_FALSE(BatchOf(ImageOn(1, 6, 4), Unscaled(100, 50, 12, 4)).texelForPixel) << "another image's size";

    batcher.Submit(image, Unscaled(100, 50, 12, 4));
    batcher.Submit(image, Unscaled(100.5f, 50, 12, 4));
    batcher.Flush();
    EXPECT_FALSE(device.batches.back().texelForPixel) << "one quad that is not";
    EXPECT_TRUE(BatchOf(image, Unscaled(100, 50, 12, 4)).texelForPixel) << "the next batch starts afresh";
}

TEST_F(QuadBatcherTest, ABatchIsUntintedOnlyWhenEveryVertexIsOpaqueWhite)
{
    const BatchedImage image = ImageOn(1);
    EXPECT_TRUE(BatchOf(image, Unscaled(0, 0, 8, 8)).untinted);
    QuadStrip tinted = Unscaled(0, 0, 8, 8);
    tinted.v[3].colour = 0xFFFFFFFEu;
    EXPECT_FALSE(BatchOf(image, tinted).untinted);
    batcher.Submit(image, Unscaled(0, 0, 8, 8));
    batcher.Submit(image, tinted);
    batcher.Flush();
    EXPECT_FALSE(device.batches.back().untinted);
    EXPECT_TRUE(BatchOf(image, Unscaled(0, 0, 8, 8)).untinted) << "the next batch starts afresh";
}

TEST_F(QuadBatcherTest, ABatchNamesThePremultipliedTwinOfItsImage)
{
    BatchedImage withTwin = ImageOn(4, 8, 8, false);
    withTwin.premultipliedTwin = 12;
    EXPECT_EQ(BatchOf(withTwin, Unscaled(0, 0, 8, 8)).premultipliedTwin, 12u);
    EXPECT_EQ(BatchOf(ImageOn(5), Unscaled(0, 0, 8, 8)).premultipliedTwin, 0u);
}

TEST_F(QuadBatcherTest, WithBatchingOffEveryQuadIsABatchOfItsOwn)
{
    SubmitAt(0, ImageOn(1));
    SubmitAt(1, ImageOn(1));
    batcher.SetBatching(false);
    ASSERT_EQ(device.batches.size(), 1u) << "what was pending goes as it was gathered";
    for (int i = 0; i < 5; ++i)
        SubmitAt(i, ImageOn(1));
    using Batch = std::pair<unsigned, std::size_t>;
    EXPECT_EQ(Shape(), (std::vector<Batch>{{1, 2}, {1, 1}, {1, 1}, {1, 1}, {1, 1}, {1, 1}}));
}
