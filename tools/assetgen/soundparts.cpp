#include "soundparts.h"

#include "mastering.h"

#include <cmath>
#include <iostream>

// A kick-like body: a sine whose pitch falls from startHz to endHz.
std::vector<float> Thump(double seconds, double startHz, double endHz, double sweep, double tau)
{
    std::vector<float> out(Seconds(seconds));
    Oscillator osc;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double hz = endHz + (startHz - endHz) * std::exp(-t / sweep);
        out[i] = static_cast<float>(osc.Sine(hz) * AttackDecay(t, 0.002, tau));
    }
    FadeOut(out, kEdgeFadeSeconds);
    return out;
}

// Noise through a low-pass filter whose cutoff falls from fromHz to toHz.
std::vector<float> Rumble(double seconds, double fromHz, double toHz, double sweep, double tau, uint64_t seed)
{
    std::vector<float> out(Seconds(seconds));
    WhiteNoise noise(seed);
    Filter filter, second;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double cutoff = toHz + (fromHz - toHz) * std::exp(-t / sweep);
        const double x = second.LowPass(filter.LowPass(noise.Next(), cutoff, 0.2), cutoff * 1.5, 0.0);
        out[i] = static_cast<float>(x * AttackDecay(t, 0.003, tau));
    }
    FadeOut(out, kEdgeFadeSeconds);
    return out;
}

// Sparse bright crackles of debris, thinning out over time.
std::vector<float> Crackle(double seconds, double density, double tau, uint64_t seed)
{
    std::vector<float> out(Seconds(seconds));
    Rng rng(seed);
    Filter filter;
    double ring = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        if (rng.Chance(density * ExpDecay(t, tau) / kSampleRate))
            ring = rng.Range(0.4, 1.0) * (rng.Chance(0.5) ? 1.0 : -1.0);
        ring *= 0.985;
        out[i] = static_cast<float>(filter.BandPass(ring + rng.Jitter(0.05) * ring, 2600.0, 0.5));
    }
    FadeOut(out, kEdgeFadeSeconds);
    return out;
}

void Saturate(SoundBuffer& buffer, double drive)
{
    for (float& s : buffer.samples)
        s = static_cast<float>(SoftClip(s * drive));
}

// A bell-like note: a sine and its softer fifth above, struck and dying away.
std::vector<float> Chime(double seconds, double hz, double tau)
{
    std::vector<float> out(Seconds(seconds));
    Oscillator fundamental, fifth;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double tone = fundamental.Sine(hz) + 0.35 * fifth.Sine(hz * 1.5);
        out[i] = static_cast<float>(tone * AttackDecay(t, 0.0015, tau));
    }
    FadeOut(out, kEdgeFadeSeconds);
    return out;
}

bool WriteEffect(const std::string& path, const SoundBuffer& buffer)
{
    if (WriteWav(path, buffer))
        return true;
    std::cerr << "assetgen: could not write " << path << std::endl;
    return false;
}

