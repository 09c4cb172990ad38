#include "mastering.h"

#include <algorithm>
#include <cmath>

namespace {

const double kPi = 3.14159265358979323846;
// The blocker's pole, for a cutoff of 10 Hz.
const double kDcPole = std::exp(-2.0 * kPi * 10.0 / kSampleRate);

// Gain of the fade at step i of n: from just under 1 down to exactly 0 at the last step.
double FadeGain(std::size_t i, std::size_t n)
{
    return 0.5 * (1.0 + std::cos(kPi * static_cast<double>(i + 1) / static_cast<double>(n)));
}

float* Sample(SoundBuffer& buffer, std::size_t frame, int channel)
{
    return &buffer.samples[frame * static_cast<std::size_t>(buffer.channels) + static_cast<std::size_t>(channel)];
}

} // namespace

double DcBlocker::Next(double in)
{
    lastOut_ = in - lastIn_ + kDcPole * lastOut_;
    lastIn_ = in;
    return lastOut_;
}

void RemoveDc(SoundBuffer& buffer)
{
    for (int c = 0; c < buffer.channels; ++c) {
        DcBlocker blocker;
        for (std::size_t i = 0; i < buffer.Frames(); ++i) {
            float* s = Sample(buffer, i, c);
            *s = static_cast<float>(blocker.Next(*s));
        }
    }
}

void RemoveDcFromLoop(SoundBuffer& buffer)
{
    for (int c = 0; c < buffer.channels; ++c) {
        DcBlocker blocker;
        for (std::size_t i = 0; i < buffer.Frames(); ++i)
            blocker.Next(*Sample(buffer, i, c));
        for (std::size_t i = 0; i < buffer.Frames(); ++i) {
            float* s = Sample(buffer, i, c);
            *s = static_cast<float>(blocker.Next(*s));
        }
    }
}

void FadeOut(std::vector<float>& mono, double seconds)
{
    const std::size_t frames = std::min(mono.size(), Seconds(seconds));
    const std::size_t start = mono.size() - frames;
    for (std::size_t i = 0; i < frames; ++i)
        mono[start + i] *= static_cast<float>(FadeGain(i, frames));
}

void FadeOut(SoundBuffer& buffer, double seconds)
{
    const std::size_t frames = std::min(buffer.Frames(), Seconds(seconds));
    const std::size_t start = buffer.Frames() - frames;
    for (std::size_t i = 0; i < frames; ++i) {
        for (int c = 0; c < buffer.channels; ++c)
            *Sample(buffer, start + i, c) *= static_cast<float>(FadeGain(i, frames));
    }
}
