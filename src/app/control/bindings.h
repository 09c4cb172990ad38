#pragma once
// The player's bindings (app/control/controls.h) between the person and the game: a key, mouse button or
// pad button bound to an action reaches the game as that action's own key or button (the up
// action as the key at W's place whatever key is bound to it), so that the game, its recordings
// and its replays know no bindings. In play, a key or button that belongs to no action but was
// one's by default is not heard (w, once up is bound to i), and toggled fire turns each press
// into a start or a stop. The sticks pass as they are: the frame loop's stick mapping takes the
// player's dead zone and fire threshold. In the menus a bound key or button means its action,
// and everything else is heard as it is.
#include "app/control/controls.h"
#include "engine/input/gameevent.h"

#include <vector>

class Bindings {
public:
    explicit Bindings(const ControlSettings& controls) : controls_(controls) {}

    // The bindings changed (the controls card): in force from the next event.
    void Set(const ControlSettings& controls) { controls_ = controls; }
    const ControlSettings& Controls() const { return controls_; }

    // What the game hears in play of one of the person's events (none, one or more).
    void InPlay(const GameEvent& event, std::vector<GameEvent>& out);
    // What a menu hears of one of the person's events.
    GameEvent InMenu(const GameEvent& event) const;

private:
    // The action bound to the event's key or button, if any.
    bool ActionOf(const GameEvent& event, Action& action) const;
    // Whether the event's key or button was an action's by default.
    bool OnceBound(const GameEvent& event) const;
    void Meaning(Action action, bool down, std::vector<GameEvent>& out);

    ControlSettings controls_;
    bool firing_ = false; // toggled fire: firing now
};

// What a menu hears of one of the person's events through the player's controls, or the event as
// it is without them (null: the game's own keys).
GameEvent InMenu(const ControlSettings* controls, const GameEvent& event);
