#pragma once
// The finishing steps every generated sound goes through: a DC-blocking high-pass, so that no
// file carries a steady offset, and fades that take a sound to silence instead of cutting it.
#include "synth.h"

#include <vector>

// Every note and every part of an effect ends with a fade this long, so nothing stops with a click.
constexpr double kEdgeFadeSeconds = 0.005;

// A one-pole high-pass at 10 Hz: it takes out the offset and leaves the lowest thump (28 Hz) whole.
class DcBlocker {
public:
    double Next(double in);

private:
    double lastIn_ = 0.0;
    double lastOut_ = 0.0;
};

// Runs every channel of the buffer through its own DC blocker.
void RemoveDc(SoundBuffer& buffer);
// The same for a buffer that plays as a loop: the filter first runs once round the loop, so that
// the sound it writes joins its own end without a seam.
void RemoveDcFromLoop(SoundBuffer& buffer);

// Takes the last seconds of the sound down to silence along a half cosine; the last sample is 0.
void FadeOut(std::vector<float>& mono, double seconds);
void FadeOut(SoundBuffer& buffer, double seconds);
