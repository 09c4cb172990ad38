#pragma once
// What the game hears of the person's input in play, and what it does with what it hears. The
// person's events go through the player's bindings (outside the classic game and the tools) and
// become the game's own keys; those move the hero, aim (the crosshair follows), fire, and work
// the pad's sticks through their mapping, with the player's dead zone and fire threshold. It also
// keeps which pad the person last played with, so that pulling out another pad changes nothing.
#include "app/control/bindings.h"
#include "app/control/joystick.h"
#include "engine/input/gameevent.h"

#include <memory>
#include <vector>

class CSprite;
class Gameplay;

class PlayInput {
public:
    // controls: the player's bindings; null for the game's own keys.
    explicit PlayInput(const ControlSettings* controls);

    // What the game hears of one of the person's events in play (none, one or more).
    const std::vector<GameEvent>& InPlay(const GameEvent& event);
    // What a menu over the game hears of one.
    GameEvent InMenu(const GameEvent& event) const;
    // The bindings changed (the pause card's options).
    void SetControls(const ControlSettings& controls);
    // The zones event the game is to hear when the player's dead zone or fire threshold differ
    // from those in force (heard, so that a recording made with them replays with them).
    bool ZonesToHear(const ControlSettings& controls, GameEvent& zones);

    // Notes the pad an event came from; whether the pad that went away is the one in use.
    void NotePad(const GameEvent& event);
    bool PadWentAway(const GameEvent& removed);

    // Does what a heard key, click, mouse move or stick means to the game.
    void Apply(const GameEvent& heard, Gameplay& gameplay, CSprite* crosshair);

    JoystickMapping& Sticks() { return sticks_; }
    const JoystickMapping& Sticks() const { return sticks_; }

private:
    std::unique_ptr<Bindings> bindings_; // the player's, outside the classic game
    JoystickMapping sticks_;
    std::vector<GameEvent> heard_; // what the game hears of one of the person's events
    GameEvent zonesInForce_;
    int32_t padInUse_ = -1;
};
