#pragma once
// Where the 1280 x 720 picture lands in a window of any size: stretched over the whole window
// (the game as it always was), or letterboxed: the largest rectangle of the picture's own shape,
// centred, with black bars beside it or above and below it. The mouse is mapped through the
// same rectangle, so that the point aimed at is the point under the pointer.
#include "engine/input/gameevent.h"
#include "engine/core/vectormath.h"

struct PictureRect {
    // Window pixels, origin top left, y downwards.
    int x = 0;
    int y = 0;
    int width = 1280;
    int height = 720;

    static PictureRect Stretched(int windowWidth, int windowHeight);
    // A window whose 16:9 fit is within a pixel of its own size is filled whole, bars of one
    // pixel being no use to anyone.
    static PictureRect Letterboxed(int windowWidth, int windowHeight);

    // The point of the picture under a window pixel; a pixel in a bar gives the nearest point
    // on the picture's edge.
    vector2 WindowToPicture(const vector2& window) const;
    // A mouse event of the window at the point of the picture under it, marked as in the
    // picture; other events, and one in the picture already, as they are. A picture larger or
    // smaller than its own 1280 x 720 keeps the point's fraction (a pixel of a 1366 x 768
    // window is 0.937 of the picture's); one shown at its own size gives whole points, each the
    // window pixel through the game's arithmetic truncated, as it always has.
    GameEvent MouseInPicture(GameEvent event) const;
    // Whether the picture is shown at its own size: a window pixel is a pixel of the picture.
    bool AtOwnSize() const { return width == 1280 && height == 720; }
    // The window pixel where a point of the picture lands.
    vector2 PictureToWindow(const vector2& picture) const;

    bool Covers(int windowWidth, int windowHeight) const
    {
        return x == 0 && y == 0 && width == windowWidth && height == windowHeight;
    }
};
