#include "grid/papergrid.h"

#include "engine/core/numeric.h"
#include "engine/render/renderdevice.h"
#include "engine/render/sprite.h"
#include "engine/render/texturecache.h"
#include "utils/datafiles.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr float kAnchorStiffness = 2.0f;
constexpr float kAnchorDamping = 0.1f;
constexpr float kAnchorLength = 0.0f;
constexpr float kNeighbourStiffness = 1.0f;
constexpr float kSpeedLimit = 2500.0f;
constexpr float kVelocityRetention = 0.75f;
constexpr float kMergeTolerance = 0.5f;
constexpr float kNudgeRadiusSquared = 1.0f; // nodes this close to rest move at once when pushed
constexpr float kNudgeFactor = 0.01f;

vector2 Position(const GridNode& node) { return vector2(node.x, node.y); }
vector2 Rest(const GridNode& node) { return vector2(node.restX, node.restY); }
vector2 Velocity(const GridNode& node) { return vector2(node.vx, node.vy); }

void AddVelocity(GridNode& node, const vector2& dv)
{
    node.vx += dv.x;
    node.vy += dv.y;
}

// The direction from a point to another as a unit vector (none between equal points), with the
// distance between them: one square root for both, as the two have always been computed.
vector2 Direction(const vector2& d, float& length)
{
    length = std::sqrt(d.x * d.x + d.y * d.y);
    return length > 0.0f ? vector2(d.x / length, d.y / length) : vector2();
}

// The spring's strength for its stretch: quadratic, pushing apart when shorter than its length
// and pulling together when longer.
float SignedSquare(float stretch) { return stretch >= 0.0f ? stretch * stretch : -(stretch * stretch); }

// Force of the anchor spring pulling a node towards its rest, damped by the node's velocity.
vector2 AnchorForce(const GridNode& node)
{
    float len = 0.0f;
    const vector2 n = Direction(Rest(node) - Position(node), len);
    const vector2 relative = vector2() - Velocity(node);
    const float along = n.x * relative.x + n.y * relative.y;
    return n * (SignedSquare(kAnchorLength - len) * kAnchorStiffness - kAnchorDamping * along);
}

// The spring between neighbours ignores their velocities, so it has no damping.
void PullNeighbours(GridNode& a, GridNode& b, float length)
{
    float len = 0.0f;
    const vector2 n = Direction(Position(b) - Position(a), len);
    const vector2 force = n * (SignedSquare(length - len) * kNeighbourStiffness);
    AddVelocity(a, -force);
    AddVelocity(b, force);
}

// Distance between neighbouring lines when count lines span extent; a lone line has no
// neighbour, and its infinite spacing keeps every push range empty.
float Spacing(float extent, int count)
{
    if (count < 2)
        return std::numeric_limits<float>::infinity();
    return extent / static_cast<float>(count - 1);
}

// One end of a push range: the index nearest to cells, kept within 0 .. count.
int RangeBound(float cells, int count) { return std::clamp<int32_t>(TruncToInt32(cells + 0.5f), 0, count); }

// Draws one ruled line through count nodes (first, then every stride-th node). Nodes that stay
// within the tolerance across the line extend one straight run; any other node breaks the line
// into a segment to it. Finally a displaced last node is tied back to its rest position at the
// edge of the sheet.
void DrawRuling(const TextureEntry* image, const GridNode* first, std::size_t stride, int count, bool horizontal)
{
    auto across = [horizontal](const vector2& p) { return horizontal ? p.y : p.x; };
    auto along = [horizontal](vector2& p) -> float& { return horizontal ? p.x : p.y; };

    vector2 start = Rest(*first);
    vector2 end = start;
    bool pending = false;
    const GridNode* node = first;
    for (int i = 0; i < count; ++i, node += stride) {
        vector2 position = Position(*node);
        if (std::fabs(across(start) - across(position)) < kMergeTolerance) {
            along(end) = std::max(along(end), along(position));
            pending = true;
            continue;
        }
        if (pending)
            DrawLine(image, start, end);
        DrawLine(image, end, position);
        start = end = position;
        pending = false;
    }
    if (pending)
        DrawLine(image, start, end);
    const GridNode& last = first[stride * static_cast<std::size_t>(count - 1)];
    DrawLine(image, Rest(last), Position(last));
}

} // namespace

CPaperGrid::CPaperGrid()
{
    background_ = sprites_.CreateSprite(datafiles::kPaperBackground);
    if (background_->width == 0.0f || background_->height == 0.0f) {
        background_->scaleX = 0.0f;
        background_->scaleY = 0.0f;
    } else {
        background_->scaleX = kVirtualWidth / background_->width;
        background_->scaleY = kVirtualHeight / background_->height;
    }
    background_->x = 0.0f;
    background_->y = 0.0f;
    lineImage_ = GetTexture(datafiles::kRuledLine);
}

// The container takes the paper sprite with it, and the nodes go with the grid.
CPaperGrid::~CPaperGrid() = default;

void CPaperGrid::Init(int columns, int rows)
{
    const bool empty = columns < 1 || rows < 1;
    columns_ = empty ? 0 : columns;
    rows_ = empty ? 0 : rows;
    cellWidth_ = Spacing(kVirtualWidth, columns_);
    cellHeight_ = Spacing(kVirtualHeight, rows_);
    nodes_.assign(static_cast<std::size_t>(columns_) * static_cast<std::size_t>(rows_), GridNode{});

    // Positions are sums of the spacing in float, as the lines have always been laid out: the
    // last column ends a hair short of the screen edge.
    float y = 0.0f;
    for (int r = 0; r < rows_; ++r, y += cellHeight_) {
        float x = 0.0f;
        for (int c = 0; c < columns_; ++c, x += cellWidth_)
            At(c, r) = GridNode{x, y, x, y, 0.0f, 0.0f};
    }
}

void CPaperGrid::Update(uint32_t dt)
{
    if (noGrid)
        return;
    ApplySprings();
    Integrate(static_cast<float>(dt) / 1000.0f);
}

// Every node's anchor spring, then its springs to the right and lower neighbours, walking the
// rows in order; later springs see the velocities the earlier ones have already changed.
void CPaperGrid::ApplySprings()
{
    for (int r = 0; r < rows_; ++r) {
        for (int c = 0; c < columns_; ++c) {
            GridNode& node = At(c, r);
            AddVelocity(node, -AnchorForce(node));
            if (c + 1 < columns_)
                PullNeighbours(node, At(c + 1, r), cellWidth_);
            if (r + 1 < rows_)
                PullNeighbours(node, At(c, r + 1), cellHeight_);
        }
    }
}

void CPaperGrid::Integrate(float seconds)
{
    for (GridNode& node : nodes_) {
        vector2 v = Velocity(node);
        // Only a speed whose square passes the limit's can pass the limit itself.
        const float squared = v.x * v.x + v.y * v.y;
        if (squared > kSpeedLimit * kSpeedLimit && std::sqrt(squared) > kSpeedLimit)
            v = Normalized(v) * kSpeedLimit;
        node.x += v.x * seconds;
        node.y += v.y * seconds;
        v = v * kVelocityRetention;
        node.vx = v.x;
        node.vy = v.y;
    }
}

void CPaperGrid::Push(const vector2& point, float strength, float radius)
{
    if (noGrid)
        return;
    const float column = point.x / cellWidth_;
    const float row = point.y / cellHeight_;
    const float radiusColumns = radius / cellWidth_;
    const float radiusRows = radius / cellHeight_;
    const int firstColumn = RangeBound(column - radiusColumns, columns_);
    const int endColumn = RangeBound(column + radiusColumns, columns_);
    const int firstRow = RangeBound(row - radiusRows, rows_);
    const int endRow = RangeBound(row + radiusRows, rows_);
    for (int r = firstRow; r < endRow; ++r) {
        for (int c = firstColumn; c < endColumn; ++c)
            KickNode(c, r, point, strength, radius);
    }
}

// The kick is measured from where the node rests, not where it is now, and fades linearly to
// nothing at the radius. A node still (nearly) at rest also moves a little at once.
void CPaperGrid::KickNode(int column, int row, const vector2& point, float strength, float radius)
{
    const float dx = cellWidth_ * (point.x / cellWidth_ - static_cast<float>(column));
    const float dy = cellHeight_ * (point.y / cellHeight_ - static_cast<float>(row));
    const float dist = std::sqrt(dx * dx + dy * dy);
    if (!(radius > dist))
        return;
    const vector2 towardsPoint = dist != 0.0f ? vector2(dx / dist, dy / dist) : vector2();
    GridNode& node = At(column, row);
    AddVelocity(node, towardsPoint * ((1.0f - dist / radius) * strength));

    const float offX = node.restX - node.x;
    const float offY = node.restY - node.y;
    if (offX * offX + offY * offY < kNudgeRadiusSquared) {
        node.x += kNudgeFactor * node.vx;
        node.y += kNudgeFactor * node.vy;
    }
}

void CPaperGrid::Draw()
{
    sprites_.Draw();
    for (int r = 0; r < rows_; ++r)
        DrawRuling(lineImage_, &nodes_[Index(0, r)], 1, columns_, true);
    for (int c = 0; c < columns_; ++c)
        DrawRuling(lineImage_, &nodes_[Index(c, 0)], static_cast<std::size_t>(columns_), rows_, false);
}
