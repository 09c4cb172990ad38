#include "instruments.h"

#include "mastering.h"
#include "synth.h"

#include <algorithm>
#include <cmath>

namespace {

// Samples the note's signal over its length; its last few milliseconds fade to silence.
template <typename Sample>
std::vector<float> Render(double seconds, Sample sample)
{
    std::vector<float> out(Seconds(seconds));
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] = static_cast<float>(sample(static_cast<double>(i) / kSampleRate));
    FadeOut(out, kEdgeFadeSeconds);
    return out;
}

// Two detuned saws through a resonant low-pass that snaps open at each note.
std::vector<float> Bass(const Note& note, double length)
{
    Oscillator a, b, sub;
    Filter filter;
    const double hz = MidiToHz(note.pitch);
    return Render(length + 0.08, [&](double t) {
        const double cutoff = 180.0 + 1400.0 * note.velocity * std::exp(-t / 0.07);
        const double raw = a.Saw(hz) + b.Saw(hz * 1.006) + 0.8 * sub.Sine(hz * 0.5);
        return SoftClip(1.4 * filter.LowPass(raw * 0.5, cutoff, 0.55)) * NoteEnvelope(t, length, 0.003, 0.15, 0.7, 0.02);
    });
}

// A reedy pulse lead with delayed vibrato.
std::vector<float> Lead(const Note& note, double length)
{
    Oscillator pulse, saw, vibrato;
    Filter filter;
    const double hz = MidiToHz(note.pitch);
    return Render(length + 0.2, [&](double t) {
        const double depth = t > 0.18 ? std::min(1.0, (t - 0.18) * 4.0) * 0.006 : 0.0;
        const double f = hz * (1.0 + depth * vibrato.Sine(5.5));
        const double raw = 0.6 * pulse.Pulse(f, 0.32) + 0.4 * saw.Saw(f * 1.003);
        const double cutoff = 1400.0 + 3200.0 * std::exp(-t / 0.18);
        return filter.LowPass(raw, cutoff, 0.3) * NoteEnvelope(t, length * 0.92, 0.006, 0.25, 0.75, 0.07);
    });
}

std::vector<float> Arp(const Note& note, double length)
{
    Oscillator pulse;
    Filter filter;
    const double hz = MidiToHz(note.pitch);
    return Render(length + 0.05, [&](double t) {
        return filter.LowPass(pulse.Pulse(hz, 0.18), 2400.0, 0.5) * NoteEnvelope(t, length * 0.6, 0.002, 0.05, 0.4, 0.03);
    });
}

std::vector<float> Pad(const Note& note, double length)
{
    Oscillator a, b, c;
    Filter filter;
    const double hz = MidiToHz(note.pitch);
    return Render(length + 0.5, [&](double t) {
        const double raw = a.Saw(hz * 0.997) + b.Saw(hz * 1.004) + 0.5 * c.Triangle(hz * 0.5);
        return filter.LowPass(raw * 0.4, 900.0 + 300.0 * std::sin(t * 1.3), 0.2) *
               NoteEnvelope(t, length, 0.35, 1.0, 0.8, 0.45);
    });
}

std::vector<float> Kick()
{
    Oscillator body;
    return Render(0.4, [&](double t) {
        const double hz = 46.0 + 130.0 * std::exp(-t / 0.028);
        // The beater's click rises in a quarter of a millisecond and dies away in four.
        const double click = t < 0.004 ? std::min(1.0, t / 0.00025) * (1.0 - t / 0.004) * 0.5 : 0.0;
        return SoftClip(1.6 * body.Sine(hz) * ExpDecay(t, 0.16)) + click;
    });
}

std::vector<float> Snare(uint64_t seed)
{
    WhiteNoise noise(seed);
    Filter band, high;
    Oscillator tone;
    return Render(0.3, [&](double t) {
        const double n = noise.Next();
        const double rattle = 0.7 * band.BandPass(n, 3200.0, 0.3) + 0.5 * high.HighPass(n, 5000.0, 0.0);
        const double body = tone.Triangle(185.0 + 60.0 * std::exp(-t / 0.01)) * ExpDecay(t, 0.05);
        return rattle * ExpDecay(t, 0.09) + 0.6 * body;
    });
}

std::vector<float> Hat(uint64_t seed, double tau)
{
    WhiteNoise noise(seed);
    Filter high, band;
    return Render(tau * 5.0, [&](double t) {
        const double n = high.HighPass(noise.Next(), 7500.0, 0.2);
        return (n + 0.5 * band.BandPass(n, 10000.0, 0.6)) * ExpDecay(t, tau);
    });
}

std::vector<float> Crash(uint64_t seed, double length)
{
    WhiteNoise noise(seed);
    Filter high, band;
    Oscillator ring;
    return Render(length + 1.0, [&](double t) {
        const double n = noise.Next();
        const double shimmer = high.HighPass(n, 4500.0, 0.1) + 0.4 * band.BandPass(n, 6500.0, 0.7);
        return (shimmer + 0.05 * ring.Sine(587.0)) * AttackDecay(t, 0.002, 0.9);
    });
}

std::vector<float> Tom(const Note& note)
{
    Oscillator body;
    const double hz = MidiToHz(note.pitch);
    return Render(0.5, [&](double t) {
        return SoftClip(1.3 * body.Sine(hz * (1.0 + 0.5 * std::exp(-t / 0.04)))) * ExpDecay(t, 0.18);
    });
}

} // namespace

std::vector<float> RenderNote(Part part, const Note& note, double secondsPerBeat, uint64_t seed)
{
    const double length = note.length * secondsPerBeat;
    switch (part) {
    case Part::Bass: return Bass(note, length);
    case Part::Lead: return Lead(note, length);
    case Part::Arp: return Arp(note, length);
    case Part::Pad: return Pad(note, length);
    case Part::Kick: return Kick();
    case Part::Snare: return Snare(seed);
    case Part::ClosedHat: return Hat(seed, 0.028);
    case Part::OpenHat: return Hat(seed, 0.16);
    case Part::Crash: return Crash(seed, length);
    case Part::Tom: return Tom(note);
    }
    return {};
}
