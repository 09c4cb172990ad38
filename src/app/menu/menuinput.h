#pragma once
// What a menu's keys, a pad's buttons and its left stick ask of it: move the mark up or down,
// step the marked line's value left or right, take the line or go back. The keyboard: up/down or
// w/s, left/right or a/d, Return, Enter or space, Escape. The pad: the d-pad as the arrow keys,
// the face button nearest the player (A on an Xbox pad) and Start take, the one right of it (B)
// and Back go back; its left stick (axes 0 and 1) moves and steps once per push past a quarter of
// its travel, never repeating while held.
#include <cstdint>

enum class MenuCommand { kNothing, kUp, kDown, kLeft, kRight, kTake, kBack };

MenuCommand KeyCommand(int32_t key);
MenuCommand PadButtonCommand(int32_t button);

// The left stick, remembering how far each of its two axes is pushed.
class MenuStick {
public:
    // The command of an axis moved to the value (nothing while it stays pushed the same way).
    MenuCommand Moved(int axis, int value);

private:
    int push_[2] = {0, 0}; // -1, 0 or 1 along axes 0 and 1
};
