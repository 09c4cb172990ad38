#pragma once
// The "fps: N" line, said once a second while asked for ("-fps", or the options' "show fps"):
// how many steps the loop took in the second just gone.
#include "engine/core/ticks.h"
#include "utils/log.h"

#include <cstdint>
#include <string>

class FpsReport {
public:
    FpsReport() : windowStart_(kolm::GetTicks()) {}

    // One step taken; says the line when a second has passed since the last.
    void Step(bool shown)
    {
        ++steps_;
        if (!shown || kolm::GetTicks() - windowStart_ < 1000)
            return;
        windowStart_ = kolm::GetTicks();
        kolm::Say("fps: " + std::to_string(steps_));
        steps_ = 0;
    }

private:
    uint32_t windowStart_;
    uint32_t steps_ = 0;
};
