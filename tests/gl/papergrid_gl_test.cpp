// Needs a display: run under xvfb-run (CTest label "gl").
#include "engine/platform/platform.h"
#include "engine/render/renderbackend.h"
#include "engine/render/renderdevice.h"
#include "grid/papergrid.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

const uint8_t kInk[4] = {30, 60, 200, 255};
const uint8_t kPaper[4] = {250, 248, 235, 255};

void WriteFilled(const std::string& fileName, int width, int height, const uint8_t colour[4])
{
    std::vector<uint8_t> rgba(static_cast<std::size_t>(width) * height * 4);
    for (std::size_t i = 0; i < rgba.size(); ++i)
        rgba[i] = colour[i % 4];
    testsupport::WritePng(fileName, width, height, rgba.data());
}

struct PaperOnScreenTest : ::testing::Test {
    std::unique_ptr<Platform> platform;
    testsupport::TempDir dir;
    std::unique_ptr<CPaperGrid> grid;
    std::vector<uint8_t> target;

    void SetUp() override
    {
        platform = Platform::Start(WindowOptions());
        ASSERT_TRUE(platform);
        dir.MakeDir("data");
        dir.MakeDir("data/gfx");
        WriteFilled(dir.File("data/gfx/line.png"), 64, 3, kInk);
        WriteFilled(dir.File("data/gfx/paper_background.jpg"), 64, 36, kPaper); // a PNG, found by content
        testsupport::InDirectory(dir.Path(), [this] { grid = std::make_unique<CPaperGrid>(); });
        grid->Init(35, 20);
    }

    void TearDown() override
    {
        grid.reset();
        platform.reset();
    }

    void DrawFrame()
    {
        BeginFrame();
        grid->Draw();
        EndFrame();
        ASSERT_TRUE(GetRenderBackend().ReadTarget(target));
    }

    bool IsInk(float x, float y) const { return Near(x, y, kInk); }
    bool IsPaper(float x, float y) const { return Near(x, y, kPaper); }

    bool Near(float x, float y, const uint8_t colour[4]) const
    {
        const std::size_t at = (static_cast<std::size_t>(y) * 1280 + static_cast<std::size_t>(x)) * 4;
        for (int i = 0; i < 4; ++i) {
            if (std::abs(target[at + i] - colour[i]) > 3)
                return false;
        }
        return true;
    }
};

} // namespace

TEST_F(PaperOnScreenTest, ADentMovesTheInkOffTheRuling)
{
    // Halfway between columns 17 and 18, just under row 5 (the line's thickness hangs below it).
    const GridNode& left = grid->Node(17, 5);
    const GridNode& right = grid->Node(18, 5);
    const float midX = (left.restX + right.restX) * 0.5f;
    const float lineY = left.restY + 1.5f;
    const float cellCentreY = left.restY + grid->CellHeight() * 0.5f;

    DrawFrame();
    EXPECT_TRUE(IsInk(midX, lineY)) << "the ruling at rest";
    EXPECT_TRUE(IsPaper(midX, cellCentreY)) << "inside a cell";

    // A robot blowing up in the middle of the cell under that stretch of the line.
    grid->Push(vector2(midX, cellCentreY), -5000.0f, 150.0f);
    ASSERT_LT(left.y, left.restY - 10.0f) << "the nodes above the blast move up at once";
    DrawFrame();
    EXPECT_TRUE(IsPaper(midX, lineY)) << "the line has left its place";
    EXPECT_TRUE(IsInk((left.x + right.x) * 0.5f, (left.y + right.y) * 0.5f + 1.5f)) << "and runs through the moved nodes";
}
