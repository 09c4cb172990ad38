#pragma once
// How a screen whose picture stands still most of the time shows it (the title, the menus, the
// ending): drawn anew only when it may have changed, and otherwise the last frame presented
// again when the window may have lost it (uncovered, switched to or from full screen, resized)
// and a few times a second besides, so that a screen where nothing moves leaves the machine idle.
#include "engine/input/gameevent.h"

#include <functional>

class StillPicture {
public:
    // Polls of 16 ms between two presents of an unchanged picture: about a quarter of a second.
    static constexpr int kPollsPerPresent = 16;

    // The picture may have changed: the next Show draws it.
    void Changed() { drawDue_ = true; }
    // Notes the events after which the window may have lost the picture (kExposed: uncovered,
    // switched to or from full screen, resized). True for those: the screen then has nothing more
    // to do with them.
    bool TakeWindowEvent(const GameEvent& event);
    // Once a poll: draws the picture with draw() when it may have changed, or presents the last
    // one again when that is due.
    void Show(const std::function<void()>& draw);

private:
    bool drawDue_ = true;
    bool presentDue_ = false;
    int pollsUnshown_ = 0;
};
