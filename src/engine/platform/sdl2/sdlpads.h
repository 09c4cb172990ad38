#pragma once
// The pads on SDL 2: every pad SDL's game-controller database knows (SDL_GAMECONTROLLERCONFIG
// maps others), opened when it is connected and closed when it goes, its sticks and buttons
// handed on in the game's numbers (engine/input/padbuttons.h), its family from its type, and its
// rumble. At start-up the connected pads are listed on the console; the classic game plays the
// one it opens then (the last whose name holds "360", else the first) and no other.
#include "engine/input/gameevent.h"
#include "engine/input/padbuttons.h"

#include <SDL.h>

#include <string>
#include <vector>

class SdlPads {
public:
    explicit SdlPads(bool classic);
    ~SdlPads();
    SdlPads(const SdlPads&) = delete;
    SdlPads& operator=(const SdlPads&) = delete;

    // The game's event for a pad event of SDL's: true with out set, false for an event that is
    // not a pad's or that the game does not hear (a pad it does not play, a stray event).
    bool Translate(const SDL_Event& event, GameEvent& out);
    // The family of a pad that is connected (generic for one that is not).
    pads::Family FamilyOf(int32_t pad) const;
    // Rumbles the pad, when it is connected and can, at a strength from 0 to 1.
    void Rumble(int32_t pad, float strength, uint32_t milliseconds);

private:
    struct Pad {
        SDL_GameController* controller;
        int32_t id; // SDL's instance number, the game's number for the pad
        pads::Family family;
    };

    // The console listing, and the classic game's pad opened.
    void ListAtStart();
    // Opens the pad at a device index; false when it cannot be played.
    bool Open(int deviceIndex, int32_t& id);
    void Close(int32_t id);
    const Pad* Find(int32_t id) const;

    bool classic_;
    std::vector<Pad> pads_;
};
