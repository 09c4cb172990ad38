#pragma once
// The pads of a web page, read through the browser's Gamepad API: each pad the browser gives in
// its standard layout plays as soon as the browser shows it to the page (after the player's
// first press on it), in the game's numbers (engine/input/padbuttons.h), its family from the name it
// reports. A pad with no standard layout is named once on the console and not played.
#include "engine/input/gameevent.h"
#include "engine/input/padbuttons.h"

#include <deque>
#include <map>
#include <string>
#include <vector>

class BrowserPads {
public:
    // Lists the pads on the console as the game does at start-up.
    BrowserPads();

    // Reads every pad and adds the game's events for what changed since the last reading.
    void Sample(std::deque<GameEvent>& out);
    pads::Family FamilyOf(int32_t pad) const;
    // Rumbles the pad, where the browser lets it, at a strength from 0 to 1.
    void Rumble(int32_t pad, float strength, uint32_t milliseconds);

private:
    struct Pad {
        pads::Family family = pads::Family::kGeneric;
        std::vector<int32_t> axes;    // the game's axes, as last read
        std::vector<bool> buttons;    // the game's buttons, as last read
    };

    void Added(int index, const std::string& name, std::deque<GameEvent>& out);

    std::map<int32_t, Pad> pads_; // by the browser's index
    std::map<int32_t, bool> refused_; // pads without the standard layout, named once
    bool available_ = true;           // the page has the Gamepad API
};
