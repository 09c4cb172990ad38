#pragma once
// The one seam through which something other than the person at the keyboard plays the game:
// an input script, the bot of the demo or the headless driver. The frame loop and the title
// screen ask it for the events due at each step and handle them exactly like real ones.
#include <SDL.h>

#include <cstdint>
#include <vector>

struct GamePhase;

class InputSource {
public:
    virtual ~InputSource() = default;
    // Events for the title screen, asked for once.
    virtual void TakeTitleEvents(std::vector<SDL_Event>& out) = 0;
    // Events due at or before the given game time (ms since the frame loop began).
    virtual void TakeDue(uint32_t gameTime, std::vector<SDL_Event>& out) = 0;
    // Looks at the game after each step has been drawn, before its events are handled.
    virtual void Observe(uint32_t, const GamePhase&) {}
};
