#pragma once
// The watcher's bar along the bottom of the picture: a line of the whole replay, its loops marked
// where each begins, the part not yet played ahead drawn faint, and a red knob at the moment that
// shows; over it, at the right, what shows ("REPLAY · LEVEL 3 · LOOP 2 / 5 · 2x"), and a line
// higher at the left the watcher's keys as the player has them. A click on the line, or a drag along it, asks for the
// moment under the pointer.
#include "app/text/lettering.h"
#include "engine/render/spritecontainer.h"

#include <cstdint>
#include <string>
#include <vector>

class ReplayBar {
public:
    // What the bar shows, all times in game time from the level's start.
    struct View {
        uint32_t length = 0;   // the whole replay
        uint32_t filledTo = 0; // how far it has been played ahead
        uint32_t shown = 0;    // the moment that shows
        std::vector<uint32_t> loopStarts;
        std::string words; // over the line, at the right
        std::string hint;  // over the line, at the left
    };

    ReplayBar();
    ReplayBar(const ReplayBar&) = delete;
    ReplayBar& operator=(const ReplayBar&) = delete;

    void Show(const View& view);
    void Draw() { sprites_.Draw(); }

    // Whether a press at the point of the picture takes the line.
    static bool OnLine(const vector2& point);
    // The moment of a replay of the length under the point of the line at x (its ends beyond it).
    static uint32_t TimeAtX(float x, uint32_t length);
    // Where the moment lies along the line.
    static float XOf(uint32_t time, uint32_t length);

private:
    void MarkLoops(const std::vector<uint32_t>& starts, uint32_t length);

    CSpriteContainer sprites_;
    CSprite* line_;
    CSprite* filled_;
    CSprite* knob_;
    std::vector<CSprite*> loopMarks_;
    LetteredLine words_;
    LetteredLine hint_;
};
