#include "grid/papergrid.h"

#include "engine/render/texturecache.h"

#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <memory>
#include <vector>

// Places nodes by hand, so a test can start from any shape of the mesh.
struct PaperGridProbe {
    static GridNode& Node(CPaperGrid& grid, int column, int row) { return grid.At(column, row); }
};

namespace {

struct Segment {
    vector2 from, to;
};

vector2 ToVirtual(const QuadVertex& v) { return vector2((v.x + 1.0f) * 640.0f, (1.0f - v.y) * 360.0f); }

void ExpectPoint(const vector2& actual, float x, float y, const char* what)
{
    EXPECT_NEAR(actual.x, x, 2e-3f) << what;
    EXPECT_NEAR(actual.y, y, 2e-3f) << what;
}

struct PaperGridTest : ::testing::Test {
    testsupport::ScopedCapture capture;
    testsupport::TempDir dir;
    std::unique_ptr<CPaperGrid> grid;
    TextureHandle lineTexture = 0;
    TextureHandle paperTexture = 0;

    void SetUp() override { MakeGrid(true); }
    void TearDown() override
    {
        grid.reset();
        ReleaseAllTextures();
    }

    void WriteImage(const std::string& name, int width, int height)
    {
        const std::vector<uint8_t> rgba(static_cast<std::size_t>(width) * height * 4, 90);
        testsupport::WritePng(dir.File(name), width, height, rgba.data());
    }

    // A 35 x 20 grid built in a folder holding the game's image names; the paper is a PNG under
    // its .jpg name (the decoder goes by the content).
    void MakeGrid(bool withPaper)
    {
        grid.reset();
        ReleaseAllTextures(); // forget names looked up under other working directories
        dir.MakeDir("data");
        dir.MakeDir("data/gfx");
        WriteImage("data/gfx/line.png", 64, 3);
        std::remove(dir.File("data/gfx/paper_background.jpg").c_str());
        if (withPaper)
            WriteImage("data/gfx/paper_background.jpg", 64, 36);
        testsupport::InDirectory(dir.Path(), [this] {
            testing::internal::CaptureStdout();
            grid = std::make_unique<CPaperGrid>();
            testing::internal::GetCapturedStdout();
            lineTexture = GetTexture("data/gfx/line.png")->texture;
            const TextureEntry* paper = GetTexture("data/gfx/paper_background.jpg");
            paperTexture = paper ? paper->texture : 0;
        });
        grid->Init(35, 20);
    }

    GridNode& Place(int column, int row, float x, float y)
    {
        GridNode& node = PaperGridProbe::Node(*grid, column, row);
        node.x = x;
        node.y = y;
        return node;
    }

    // Draws a frame and returns the line segments in drawing order.
    std::vector<Segment> DrawSegments()
    {
        capture.Backend().BeginFrame();
        grid->Draw();
        std::vector<Segment> segments;
        for (const CapturingRenderBackend::Captured& quad : capture.Backend().Quads()) {
            if (quad.texture == lineTexture)
                segments.push_back(Segment{ToVirtual(quad.quad.v[1]), ToVirtual(quad.quad.v[3])});
        }
        return segments;
    }

    void ExpectAllAtRest()
    {
        for (int r = 0; r < grid->Rows(); ++r) {
            for (int c = 0; c < grid->Columns(); ++c) {
                const GridNode& node = grid->Node(c, r);
                ASSERT_EQ(node.x, node.restX) << c << "," << r;
                ASSERT_EQ(node.y, node.restY) << c << "," << r;
                ASSERT_EQ(node.vx, 0.0f) << c << "," << r;
                ASSERT_EQ(node.vy, 0.0f) << c << "," << r;
            }
        }
    }

    void ExpectStraightLines(const std::vector<Segment>& segments)
    {
        ASSERT_EQ(segments.size(), 20u + 35u);
        const GridNode& corner = grid->Node(34, 19);
        for (int r = 0; r < 20; ++r) {
            const float y = grid->Node(0, r).restY;
            ExpectPoint(segments[r].from, 0.0f, y, "row start");
            ExpectPoint(segments[r].to, corner.restX, y, "row end");
        }
        for (int c = 0; c < 35; ++c) {
            const float x = grid->Node(c, 0).restX;
            ExpectPoint(segments[20 + c].from, x, 0.0f, "column start");
            ExpectPoint(segments[20 + c].to, x, corner.restY, "column end");
        }
    }
};

} // namespace

TEST_F(PaperGridTest, SpacingIsAccumulatedInFloat)
{
    EXPECT_EQ(grid->CellWidth(), 1280.0f / 34.0f);
    EXPECT_EQ(grid->CellHeight(), 720.0f / 19.0f);
    EXPECT_EQ(grid->Node(34, 0).restX, 1279.99988f);
    EXPECT_EQ(grid->Node(0, 19).restY, 719.99994f);
    EXPECT_EQ(grid->Node(34, 19).x, 1279.99988f);
    EXPECT_EQ(grid->Node(0, 0).x, 0.0f);
}

TEST_F(PaperGridTest, AnUntouchedSheetStaysPutAndDrawsOneQuadPerLine)
{
    for (int step = 0; step < 600; ++step)
        grid->Update(16);
    float worst = 0.0f;
    for (int r = 0; r < 20; ++r) {
        for (int c = 0; c < 35; ++c) {
            const GridNode& node = grid->Node(c, r);
            worst = std::max({worst, std::fabs(node.x - node.restX), std::fabs(node.y - node.restY)});
        }
    }
    EXPECT_LT(worst, 1e-3f);

    const std::vector<Segment> segments = DrawSegments();
    const auto& quads = capture.Backend().Quads();
    ASSERT_EQ(quads.size(), 1u + 20u + 35u);
    EXPECT_EQ(quads.front().texture, paperTexture) << "the paper goes first";
    ExpectPoint(ToVirtual(quads.front().quad.v[1]), 0.0f, 0.0f, "paper top left");
    ExpectPoint(ToVirtual(quads.front().quad.v[2]), 1280.0f, 720.0f, "paper bottom right");
    ExpectStraightLines(segments);
}

TEST_F(PaperGridTest, WithoutThePaperImageOnlyTheLinesAreDrawn)
{
    MakeGrid(false);
    EXPECT_EQ(paperTexture, 0u);
    ExpectStraightLines(DrawSegments());
    EXPECT_EQ(capture.Backend().Quads().size(), 55u);
}

TEST_F(PaperGridTest, BigExplosionKicksOnlyNodesInsideTheRadiusAndTheRoundedColumns)
{
    const vector2 point(640.0f, 360.0f);
    grid->Push(point, -50000.0f, 500.0f);

    // Columns 4 .. 29 are in range (trunc(17 - 13.28 + 0.5) to trunc(17 + 13.28 + 0.5)); every
    // row is. Column 30 has nodes within 500 units that the rounding leaves out.
    int kicked = 0;
    for (int r = 0; r < 20; ++r) {
        for (int c = 0; c < 35; ++c) {
            const GridNode& node = grid->Node(c, r);
            const double dx = point.x - c * static_cast<double>(grid->CellWidth());
            const double dy = point.y - r * static_cast<double>(grid->CellHeight());
            const double dist = std::sqrt(dx * dx + dy * dy);
            if (dist >= 500.0 || c < 4 || c >= 30) {
                EXPECT_TRUE(node.vx == 0.0f && node.vy == 0.0f && node.x == node.restX && node.y == node.restY)
                    << c << "," << r;
                continue;
            }
            ++kicked;
            const double gain = (1.0 - dist / 500.0) * -50000.0;
            EXPECT_NEAR(node.vx, dx / dist * gain, 0.2) << c << "," << r;
            EXPECT_NEAR(node.vy, dy / dist * gain, 0.2) << c << "," << r;
            EXPECT_NEAR(node.x, node.restX + 0.01f * node.vx, 1e-3) << "a node at rest moves at once";
            EXPECT_NEAR(node.y, node.restY + 0.01f * node.vy, 1e-3);
        }
    }
    EXPECT_GT(kicked, 400);
    const GridNode& leftOut = grid->Node(30, 9);
    EXPECT_LT(std::hypot(point.x - leftOut.restX, point.y - leftOut.restY), 500.0f);

    // Straight above the point, 246.3 units away: thrown upwards, away from the point.
    const GridNode& above = grid->Node(17, 3);
    EXPECT_NEAR(above.vx, 0.0f, 0.05f);
    EXPECT_NEAR(above.vy, -50000.0f * (1.0f - (360.0f - above.restY) / 500.0f), 0.05f);
    EXPECT_GT(-above.vy, 25000.0f);

    std::vector<GridNode> before;
    for (int r = 0; r < 20; ++r)
        for (int c = 0; c < 35; ++c)
            before.push_back(grid->Node(c, r));
    grid->Update(16);
    const GridNode& was = before[3 * 35 + 17];
    EXPECT_NEAR(std::hypot(above.x - was.x, above.y - was.y), 2500.0f * 0.016f, 1e-3f) << "moves at the limit";
    EXPECT_NEAR(std::hypot(above.vx, above.vy), 2500.0f * 0.75f, 1e-2f);
    for (int i = 0; i < 700; ++i) {
        const GridNode& node = grid->Node(i % 35, i / 35);
        EXPECT_LE(std::hypot(node.x - before[i].x, node.y - before[i].y), 40.001f) << i;
        EXPECT_LE(std::hypot(node.vx, node.vy), 1875.01f) << i;
    }
}

TEST_F(PaperGridTest, PushRangesRoundTheirUpperEnd)
{
    // (302.8 + 100) / cellWidth = 10.7 rounds up to 11: column 10, 73.7 units away, is reached.
    grid->Push(vector2(302.8f, 0.0f), 300.0f, 100.0f);
    const GridNode& reached = grid->Node(10, 0);
    EXPECT_NEAR(reached.vx, -(1.0f - (reached.restX - 302.8f) / 100.0f) * 300.0f, 1e-2f);
    EXPECT_EQ(reached.vy, 0.0f);
    EXPECT_EQ(grid->Node(11, 0).vx, 0.0f);
}

TEST_F(PaperGridTest, TheSheetSettlesAfterAnExplosion)
{
    grid->Push(vector2(640.0f, 360.0f), -50000.0f, 500.0f);
    grid->Push(vector2(200.0f, 100.0f), 60000.0f, 700.0f);
    for (int step = 0; step < 1000; ++step)
        grid->Update(16);
    for (int i = 0; i < 700; ++i) {
        const GridNode& node = grid->Node(i % 35, i / 35);
        EXPECT_LT(std::hypot(node.x - node.restX, node.y - node.restY), 0.05f) << i;
    }
    EXPECT_EQ(DrawSegments().size(), 55u) << "the lines are straight again";
}

TEST_F(PaperGridTest, PushesThatReachNoNodeChangeNothing)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float huge = 1e30f;
    grid->Push(vector2(640.0f, 360.0f), -50000.0f, 0.0f);
    grid->Push(vector2(nan, nan), -50000.0f, 500.0f);
    grid->Push(vector2(640.0f, 360.0f), -50000.0f, nan);
    grid->Push(vector2(huge, -huge), -50000.0f, 500.0f);
    grid->Push(vector2(-huge, huge), -50000.0f, 500.0f);
    grid->Push(vector2(2000.0f, 360.0f), 300.0f, 100.0f);
    ExpectAllAtRest();

    // Centred exactly on a node: its neighbours are pulled in, the node itself has no direction.
    grid->Push(vector2(0.0f, 0.0f), 300.0f, 100.0f);
    EXPECT_EQ(grid->Node(0, 0).vx, 0.0f);
    EXPECT_EQ(grid->Node(0, 0).vy, 0.0f);
    EXPECT_NEAR(grid->Node(1, 0).vx, -(1.0f - grid->CellWidth() / 100.0f) * 300.0f, 1e-3f);
}

TEST_F(PaperGridTest, NoGridFreezesTheMeshButStillDrawsIt)
{
    grid->noGrid = true;
    grid->Push(vector2(640.0f, 360.0f), -50000.0f, 500.0f);
    grid->Update(16);
    ExpectAllAtRest();
    ExpectStraightLines(DrawSegments());

    grid->noGrid = false;
    grid->Push(vector2(640.0f, 360.0f), -50000.0f, 500.0f);
    const GridNode dented = grid->Node(17, 3);
    grid->noGrid = true;
    grid->Update(16);
    EXPECT_EQ(grid->Node(17, 3).y, dented.y);
    EXPECT_EQ(grid->Node(17, 3).vy, dented.vy);
}

TEST_F(PaperGridTest, AnchorSpringIsQuadraticAndDamped)
{
    grid->Init(1, 1); // a lone node: no neighbour springs
    GridNode& node = Place(0, 0, 6.0f, 8.0f);
    grid->Update(16);
    // 2 x 10^2 = 200 units/s towards rest, then one step of motion and the 0.75 retention.
    EXPECT_NEAR(node.x, 6.0f - 120.0f * 0.016f, 1e-4f);
    EXPECT_NEAR(node.y, 8.0f - 160.0f * 0.016f, 1e-4f);
    EXPECT_NEAR(node.vx, -120.0f * 0.75f, 1e-3f);
    EXPECT_NEAR(node.vy, -160.0f * 0.75f, 1e-3f);

    // Moving away at 100 units/s: the damping takes 0.1 x 100 more off.
    Place(0, 0, 10.0f, 0.0f).vx = 100.0f;
    node.vy = 0.0f;
    grid->Update(0);
    EXPECT_NEAR(node.vx, (100.0f - 200.0f - 10.0f) * 0.75f, 1e-3f);
}

TEST_F(PaperGridTest, NeighbourSpringsActInWalkOrderOnUpdatedVelocities)
{
    grid->Init(2, 1); // two nodes 1280 apart
    GridNode& left = PaperGridProbe::Node(*grid, 0, 0);
    GridNode& right = Place(1, 0, 1290.0f, 0.0f); // stretched by 10
    grid->Update(16);
    // The stretched spring gives each node 10^2 = 100 towards the other; the right node's anchor
    // then sees that velocity: 200 back towards rest, less 0.1 x 100 of damping.
    EXPECT_NEAR(left.vx, 100.0f * 0.75f, 1e-3f);
    EXPECT_NEAR(left.x, 100.0f * 0.016f, 1e-4f);
    EXPECT_NEAR(right.vx, -290.0f * 0.75f, 1e-3f);
    EXPECT_NEAR(right.x, 1290.0f - 290.0f * 0.016f, 1e-3f);

    grid->Init(2, 1);
    Place(1, 0, 1270.0f, 0.0f); // squeezed by 10: pushed apart
    grid->Update(0);
    EXPECT_NEAR(left.vx, -100.0f * 0.75f, 1e-3f);
    EXPECT_NEAR(right.vx, 290.0f * 0.75f, 1e-3f);
}

TEST_F(PaperGridTest, ADentBreaksTheLineIntoAPolylineThroughTheNode)
{
    const GridNode rest = grid->Node(10, 5);
    Place(10, 5, rest.restX, rest.restY + 8.0f);
    const std::vector<Segment> segments = DrawSegments();
    ASSERT_EQ(segments.size(), 55u + 3u);

    const float x9 = grid->Node(9, 5).restX;
    const float x11 = grid->Node(11, 5).restX;
    const float y = rest.restY;
    ExpectPoint(segments[5].from, 0.0f, y, "run up to the dent");
    ExpectPoint(segments[5].to, x9, y, "run up to the dent");
    ExpectPoint(segments[6].from, x9, y, "into the dent");
    ExpectPoint(segments[6].to, rest.restX, y + 8.0f, "into the dent");
    ExpectPoint(segments[7].from, rest.restX, y + 8.0f, "out of the dent");
    ExpectPoint(segments[7].to, x11, y, "out of the dent");
    ExpectPoint(segments[8].from, x11, y, "rest of the row");
    ExpectPoint(segments[8].to, grid->Node(34, 5).restX, y, "rest of the row");
    // Column 10 only moved along itself: still one straight run.
    ExpectPoint(segments[23 + 10].from, rest.restX, 0.0f, "column");
    ExpectPoint(segments[23 + 10].to, rest.restX, grid->Node(10, 19).restY, "column");
}

TEST_F(PaperGridTest, ADisplacedLastNodeIsTiedBackToTheEdge)
{
    const GridNode last = grid->Node(34, 7);
    Place(34, 7, last.restX - 3.0f, last.restY + 6.0f);
    const std::vector<Segment> segments = DrawSegments();
    ASSERT_EQ(segments.size(), 55u + 2u + 3u);
    const float x33 = grid->Node(33, 7).restX;
    ExpectPoint(segments[7].to, x33, last.restY, "run");
    ExpectPoint(segments[8].from, x33, last.restY, "into the last node");
    ExpectPoint(segments[8].to, last.restX - 3.0f, last.restY + 6.0f, "into the last node");
    ExpectPoint(segments[9].from, last.restX, last.restY, "tie back from the edge");
    ExpectPoint(segments[9].to, last.restX - 3.0f, last.restY + 6.0f, "tie back from the edge");

    // Column 34 is broken too: the node left the column by 3 units.
    const std::size_t column = 20 + 2 + 34;
    ExpectPoint(segments[column].to, last.restX, grid->Node(34, 6).restY, "column run");
    ExpectPoint(segments[column + 1].to, last.restX - 3.0f, last.restY + 6.0f, "column into the node");
    ExpectPoint(segments[column + 2].from, last.restX - 3.0f, last.restY + 6.0f, "column out of the node");
    ExpectPoint(segments[column + 3].to, last.restX, grid->Node(34, 19).restY, "column run to the end");

    // A last node that slid back along its row keeps the run at its longest and is tied back.
    grid->Init(35, 20);
    const float x33row12 = grid->Node(33, 12).restX;
    const GridNode& slid = Place(34, 12, x33row12 - 10.0f, grid->Node(34, 12).restY);
    const std::vector<Segment> slidSegments = DrawSegments();
    ASSERT_EQ(slidSegments.size(), 55u + 1u + 3u);
    ExpectPoint(slidSegments[12].to, x33row12, slid.restY, "run keeps its furthest end");
    ExpectPoint(slidSegments[13].from, slid.restX, slid.restY, "tie back");
    ExpectPoint(slidSegments[13].to, x33row12 - 10.0f, slid.restY, "tie back");
}
