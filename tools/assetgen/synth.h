#pragma once
// Small building blocks for synthesising sound: band-limited oscillators, a state-variable
// filter, envelopes, white noise from a seeded source, and sample buffers.
#include "rng.h"

#include <string>
#include <vector>

constexpr int kSampleRate = 44100;

// Interleaved float samples, nominally in -1..1.
struct SoundBuffer {
    int channels = 1;
    std::vector<float> samples;

    std::size_t Frames() const { return samples.size() / static_cast<std::size_t>(channels); }
    // Adds a mono signal at a frame offset, panned (-1 left .. +1 right) when stereo.
    void Mix(std::size_t frame, const std::vector<float>& mono, double gain, double pan = 0.0);
    void Normalise(double peak);
};

double MidiToHz(double note);
std::size_t Seconds(double seconds);

// Anti-aliased saw and pulse waves (polyBLEP), all without DC; phase runs 0..1 and wraps.
class Oscillator {
public:
    double Saw(double hz);
    double Pulse(double hz, double width);
    double Sine(double hz);
    double Triangle(double hz);

private:
    double Advance(double hz, double& dt);
    double phase_ = 0.0;
};

// Zavalishin's state-variable filter; cutoff in Hz, resonance 0 (none) .. ~0.95.
class Filter {
public:
    double LowPass(double in, double cutoff, double resonance);
    double HighPass(double in, double cutoff, double resonance);
    double BandPass(double in, double cutoff, double resonance);

private:
    void Step(double in, double cutoff, double resonance);
    double ic1_ = 0.0, ic2_ = 0.0;
    double low_ = 0.0, band_ = 0.0, high_ = 0.0;
};

class WhiteNoise {
public:
    explicit WhiteNoise(uint64_t seed) : rng_(seed) {}
    double Next() { return rng_.Jitter(1.0); }

private:
    Rng rng_;
};

// Envelope shapes over time t in seconds.
double ExpDecay(double t, double tau);
// Linear attack, hold, then exponential release from the end of hold.
double AttackDecay(double t, double attack, double tau);
// Gate-style envelope for a held note: attack, sustain level after decay, release after length.
double NoteEnvelope(double t, double length, double attack, double decay, double sustain, double release);

// Soft saturation.
double SoftClip(double x);

bool WriteWav(const std::string& path, const SoundBuffer& buffer);
