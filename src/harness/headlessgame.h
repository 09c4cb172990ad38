#pragma once
// The real game without a window or sound: the same grid, facade, world, overlay, level list,
// level flow and frame-loop step, stepped as fast as the machine allows and played by an input
// source. Nothing is drawn, since nobody would see it: the sprite containers do what a drawn
// frame does to them (the sprites killed go), so the world is the one a window shows. The
// headless driver, the determinism tests and the benchmarks run it.
#include "app/play/frameloop.h"
#include "app/play/gamephase.h"
#include "audio/soundoutput.h"

#include <cstdint>
#include <string>

class InputSource;

class HeadlessGame {
public:
    // Seeds both of the phase's random generators with seed, turns sound off and loads the
    // first level; the game plays the levels of its own level list (the game's data/levels.xml). The headless game does not pause, unless asked to (as the windowed game does
    // on P).
    HeadlessGame(const FirstLevel& firstLevel, uint32_t seed, InputSource* input, bool pausable = false);

    // One frame-loop step; then the input source looks and its due events are handled.
    void Step() { loop_.StepAndHandleEvents(false); }
    bool Running() const { return loop_.Running(); }
    uint32_t PhaseTime() const { return loop_.PhaseTime(); }
    GamePhase& Phase() { return phase_; }
    FrameLoop& Loop() { return loop_; }
    Gameplay& Game() { return phase_.gameplay; }

private:
    SoundOff soundOff_; // for the game's lifetime
    kolm::CLevelList levels_;
    GamePhase phase_;
    FrameLoop loop_;
};
