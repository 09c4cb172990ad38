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
    // A mouse event of the window at the whole point of the picture under it; other events as
    // they are.
    GameEvent MouseInPicture(GameEvent event) const;
    // The window pixel where a point of the picture lands.
    vector2 PictureToWindow(const vector2& picture) const;

    bool Covers(int windowWidth, int windowHeight) const
    {
        return x == 0 && y == 0 && width == windowWidth && height == windowHeight;
    }
};
