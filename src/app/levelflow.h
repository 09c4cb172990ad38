#pragma once
// The level flow: how the game moves on between loops and levels. Space (or any pad button) after
// a death turns the dead attempt into an old guy and starts the loop again; after a clear it loads
// the next level of the list; F5 starts a new loop at any moment, alive or not. Each of them
// resets the overlay, whose message then fades out.
#include <SDL.h>

class Gameplay;
class HudOverlay;

class LevelFlow {
public:
    LevelFlow(Gameplay& gameplay, HudOverlay& overlay) : gameplay_(gameplay), overlay_(overlay) {}

    // Acts on the events that move the level on: space and F5 pressed, and every pad button
    // event (which acts as space). True when the event was a key of the level flow; pad buttons
    // answer false, since the pad's mapping hears them too.
    bool Handle(const SDL_Event& event);

    // F5: the attempt becomes an old guy and a new loop begins.
    void RestartLoop();

private:
    Gameplay& gameplay_;
    HudOverlay& overlay_;
};

// Space after a death starts the loop again; space after a clear loads the next level. Otherwise
// nothing happens and the overlay is left as it is.
void HandleContinue(Gameplay* gameplay, HudOverlay* overlay);
