#include "engine/render/atlaspacker.h"

bool AtlasPacker::Fits(int width, int height)
{
    return width > 0 && height > 0 && width <= kLargestPacked && height <= kLargestPacked;
}

AtlasPacker::Placement AtlasPacker::Place(int width, int height)
{
    Placement placement;
    if (!Fits(width, height))
        return placement;
    const int w = width + 2 * kBorder;
    const int h = height + 2 * kBorder;
    if (pages_ == 0 || shelfX_ + w > kPageSize) {
        // Next shelf (or first page).
        shelfY_ += shelfHeight_;
        shelfX_ = 0;
        shelfHeight_ = 0;
    }
    if (pages_ == 0 || shelfY_ + h > kPageSize) {
        ++pages_;
        shelfX_ = 0;
        shelfY_ = 0;
        shelfHeight_ = 0;
    }
    placement.page = pages_ - 1;
    placement.x = shelfX_ + kBorder;
    placement.y = shelfY_ + kBorder;
    shelfX_ += w;
    if (h > shelfHeight_)
        shelfHeight_ = h;
    return placement;
}
