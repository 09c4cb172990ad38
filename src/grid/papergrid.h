#pragma once
// The ruled paper under the play field. Every crossing of the ruling is a node of a spring mesh,
// tied to its rest position and to its neighbours, so explosions and bullets dent and ripple the
// paper and the mesh settles back by itself. The grid owns the paper sprite, the line image and
// the nodes; it is stepped once per 16 ms step and drawn first in every frame.
#include "engine/render/spritecontainer.h"
#include "engine/core/vectormath.h"

#include <cstdint>
#include <vector>

struct TextureEntry;

// One crossing of the ruling, in virtual units; velocity in units per second.
struct GridNode {
    float x, y;
    float restX, restY;
    float vx, vy;
};

class CPaperGrid {
public:
    CPaperGrid();
    CPaperGrid(const CPaperGrid&) = delete;
    CPaperGrid& operator=(const CPaperGrid&) = delete;
    ~CPaperGrid();

    // Lays out columns x rows nodes at rest over the whole screen (the game uses 35 x 20).
    // Counts below 1 give an empty mesh.
    void Init(int columns, int rows);
    // One spring step of dt milliseconds; the mesh stays frozen while noGrid is set.
    void Update(uint32_t dt);
    // Kicks the nodes resting within radius of the point: a positive strength pulls the paper
    // towards the point, a negative one pushes it away. Nothing happens while noGrid is set.
    void Push(const vector2& point, float strength, float radius);
    // The paper, then the horizontal lines, then the vertical ones.
    void Draw();

    bool noGrid = false;

    int Columns() const { return columns_; }
    int Rows() const { return rows_; }
    float CellWidth() const { return cellWidth_; }
    float CellHeight() const { return cellHeight_; }
    const GridNode& Node(int column, int row) const { return nodes_[Index(column, row)]; }

    // Where every node is and how it moves, for a snapshot of a grid laid out alike.
    template <typename Archive>
    void Keep(Archive& archive)
    {
        archive.Values(nodes_);
    }

private:
    friend struct PaperGridProbe; // lets the tests place nodes by hand

    std::size_t Index(int column, int row) const
    {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(columns_) + static_cast<std::size_t>(column);
    }
    GridNode& At(int column, int row) { return nodes_[Index(column, row)]; }

    void ApplySprings();
    void Integrate(float seconds);
    void KickNode(int column, int row, const vector2& point, float strength, float radius);

    CSpriteContainer sprites_;
    int columns_ = 0;
    int rows_ = 0;
    std::vector<GridNode> nodes_; // row-major: node (c, r) at r * columns + c
    float cellWidth_ = 0.0f;
    float cellHeight_ = 0.0f;
    CSprite* background_ = nullptr;
    const TextureEntry* lineImage_ = nullptr;
};
