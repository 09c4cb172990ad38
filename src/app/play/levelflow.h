#pragma once
// The level flow: how the game moves on between loops and levels. Space (or any pad button) after
// a death turns the dead attempt into an old guy and starts the loop again; after a clear it loads
// the next level of the list; F5 starts a new loop at any moment, alive or not. Each of them
// resets the overlay, whose message then fades out. When the overlay's clear stands, space after
// a clear moves on even if the hero has died since.
//
// A flow that ends after the last level (the game's own, outside the tools and "-classic") does
// not play on into the empty level after the list: space after the last level's clear ends the
// game phase instead, and AllCleared says so.
#include "engine/input/gameevent.h"

class Gameplay;
class HudOverlay;
namespace kolm {
class CLevelList;
}

class LevelFlow {
public:
    // The flow plays the levels of the list it is given.
    LevelFlow(Gameplay& gameplay, HudOverlay& overlay, kolm::CLevelList& levels, bool endsAfterLastLevel = false)
        : gameplay_(gameplay), overlay_(overlay), levels_(levels), endsAfterLastLevel_(endsAfterLastLevel)
    {
    }

    // Acts on the events that move the level on: space and F5 pressed, and every pad button
    // event (which acts as space). True when the event was a key of the level flow; pad buttons
    // answer false, since the pad's mapping hears them too.
    bool Handle(const GameEvent& event);

    // F5: the attempt becomes an old guy and a new loop begins.
    void RestartLoop();
    // Space: on to the next loop or level, or to the end of the list.
    void Continue();
    // The last level of the list was cleared and space pressed: nothing is left to play.
    bool AllCleared() const { return allCleared_; }

private:
    bool LastLevelCleared();

    Gameplay& gameplay_;
    HudOverlay& overlay_;
    kolm::CLevelList& levels_;
    bool endsAfterLastLevel_;
    bool allCleared_ = false;
};

// Space after a death starts the loop again; space after a clear loads the list's next level
// (also after a death when the overlay's clear stands). Otherwise nothing happens and the
// overlay is left as it is.
void HandleContinue(Gameplay* gameplay, HudOverlay* overlay, kolm::CLevelList& levels);
