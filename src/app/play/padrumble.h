#pragma once
// The pad's rumble in play: a strong short shake when the hero dies and a lighter, shorter one
// when a big robot blows up, at the player's strength (0, never, to 10). Only a person's game
// rumbles: the classic game and the tools are given a strength of 0.
#include "world/stepobserver.h"

class Platform;

class PadRumble : public StepObserver {
public:
    PadRumble(Platform* platform, int strength) : platform_(platform), strength_(strength) {}

    void SetStrength(int strength) { strength_ = strength; }
    void AfterStep(const Gameplay& gameplay, uint32_t phaseTime, bool slowed) override;

private:
    Platform* platform_;
    int strength_;
    bool wasDead_ = false;    // the hero was dead after the step before
    uint32_t blastsSeen_ = 0; // the level's big robot blasts after the step before
};
