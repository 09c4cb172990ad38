#pragma once
// A part of the overlay that gives way to the play under it: while the body of a character lies
// under its area it fades to a trace of itself, and when none does it comes back, each at a
// steady pace, so that a hero starting under the time slider, or a robot crossing the level's
// label, is never hidden behind it.
#include "engine/core/vectormath.h"

#include <cstdint>

class Gameplay;

class HudFade {
public:
    static constexpr float kFaded = 0.2f;      // the alpha while a body lies under the area
    static constexpr float kFadeSeconds = 0.25f; // from whole to faded, and back twice as long

    // Steps the fade by dt ms with the bodies of the field where they are now; true when the
    // alpha changed.
    bool Step(const Gameplay& field, const rect& area, uint32_t dt);
    float Alpha() const { return alpha_; }

private:
    float alpha_ = 1.0f;
};
