#pragma once
// Something outside the world that follows it step by step: told after every step of play (none
// while the game is paused), once the step has been drawn, with the phase time at which the step
// began and whether it was played below full speed. The progress keeper notes clears this way,
// the replay recorder checks and finishes its replay, the pad rumbles for what happened.
#include "world/gameplay.h"

#include <cstdint>

class StepObserver {
public:
    virtual ~StepObserver() = default;
    virtual void AfterStep(const Gameplay& gameplay, uint32_t phaseTime, bool slowed) = 0;
};
