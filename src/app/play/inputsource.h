#pragma once
// The one seam through which the game's tools play and watch it: an input script, the bot of the
// demo, a recording of the game or the headless driver. The screens ask it for the events due at
// each step and handle them exactly like a person's. Its mouse positions are points of the
// 1280 x 720 picture, whatever the window's size.
#include "engine/input/gameevent.h"
#include "engine/core/random.h"

#include <cstdint>
#include <vector>

struct GamePhase;

class InputSource {
public:
    virtual ~InputSource() = default;
    // Events for the title screen, asked for once.
    virtual void TakeTitleEvents(std::vector<GameEvent>& out) = 0;
    // Events due at or before the given phase time (game ms since the frame loop began).
    virtual void TakeDue(uint32_t phaseTime, std::vector<GameEvent>& out) = 0;
    // Looks at the game after each step has been drawn, before its events are handled.
    virtual void Observe(uint32_t, const GamePhase&) {}
    // Every event the frame loop handles, as the game took it (a mouse move at the point of the
    // picture it aims at).
    virtual void Heard(uint32_t, const GameEvent&) {}
    // Whether it makes the game's events itself (a script, the bot): the game then does not
    // pause when its window loses the input focus.
    virtual bool PlaysTheGame() const { return true; }
    // Whether the cleared levels of this run are the player's own progress (not the bot's).
    virtual bool KeepsProgress() const { return true; }
    // Whether it drives the menus too (a script under "-menus"): the main menu and the pause
    // menu then take its events as a person's, and the times of TakeDue and Observe count on
    // one clock for the whole run after the title screen, 16 ms for every step of a menu and
    // of the game, paused or not.
    virtual bool DrivesMenus() const { return false; }
    // Looks at a menu screen after it has been drawn, at that clock's time.
    virtual void ObserveScreen(uint32_t) {}
    // Once before the game phase is built, with the generators the phase is to have (seeded
    // from the clock), which a tool may seed itself (-seed); and once after its frame loop has
    // ended.
    virtual void PhaseStarting(RandomGenerators&) {}
    virtual void PhaseEnded(const GamePhase&) {}
};
