#pragma once
// Places small images on square atlas pages, shelf by shelf, so that the quads of many
// different small images share one texture and can be drawn in one call. Each image gets a
// border of copies of its edge texels, so that sampling just beyond its edge (linear filtering
// with half-texel offsets) sees the same colours as clamp-to-edge would.

class AtlasPacker {
public:
    static constexpr int kPageSize = 2048;
    static constexpr int kBorder = 2;
    // Images larger than this on either side get a texture of their own.
    static constexpr int kLargestPacked = 256;

    struct Placement {
        int page = -1; // -1: not packed
        int x = 0;     // top-left of the image itself (inside its border)
        int y = 0;
    };

    static bool Fits(int width, int height);
    // Finds room for the image (with its border), opening a new page when the current is full.
    Placement Place(int width, int height);
    int Pages() const { return pages_; }

private:
    int pages_ = 0;
    int shelfX_ = 0;
    int shelfY_ = 0;
    int shelfHeight_ = 0;
};
