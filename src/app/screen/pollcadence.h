#pragma once
// The cadence of a screen that shows a still picture and reads events: a poll every 16 ms, the
// next one counted from the tick counter when the last one was taken, so that nothing catches up.
#include "engine/core/ticks.h"

#include <cstdint>

class PollCadence {
public:
    static constexpr uint32_t kPeriodMs = 16;

    // The first poll is due at once.
    PollCadence() : next_(kolm::GetTicks()) {}
    // Whether a poll is due at now; if so, the next one is set a period on.
    bool Due(uint32_t now)
    {
        if (static_cast<int32_t>(now - next_) < 0)
            return false;
        next_ = kolm::GetTicks() + kPeriodMs;
        return true;
    }
    uint32_t Next() const { return next_; }

private:
    uint32_t next_;
};
