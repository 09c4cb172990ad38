#include "synth.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace {

const double kPi = 3.14159265358979323846;

double PolyBlep(double t, double dt)
{
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}

void PutLittleEndian(std::ofstream& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

} // namespace

void SoundBuffer::Mix(std::size_t frame, const std::vector<float>& mono, double gain, double pan)
{
    const std::size_t needed = (frame + mono.size()) * static_cast<std::size_t>(channels);
    if (samples.size() < needed)
        samples.resize(needed, 0.0f);
    const double left = channels == 2 ? std::cos((pan + 1.0) * kPi * 0.25) * std::sqrt(2.0) : 1.0;
    const double right = channels == 2 ? std::sin((pan + 1.0) * kPi * 0.25) * std::sqrt(2.0) : 1.0;
    for (std::size_t i = 0; i < mono.size(); ++i) {
        const std::size_t at = (frame + i) * static_cast<std::size_t>(channels);
        samples[at] += static_cast<float>(mono[i] * gain * left);
        if (channels == 2)
            samples[at + 1] += static_cast<float>(mono[i] * gain * right);
    }
}

void SoundBuffer::Normalise(double peak)
{
    float largest = 0.0f;
    for (float s : samples)
        largest = std::max(largest, std::fabs(s));
    if (largest <= 0.0f)
        return;
    const float k = static_cast<float>(peak / largest);
    for (float& s : samples)
        s *= k;
}

double MidiToHz(double note) { return 440.0 * std::pow(2.0, (note - 69.0) / 12.0); }

std::size_t Seconds(double seconds) { return static_cast<std::size_t>(std::max(0.0, seconds) * kSampleRate); }

double Oscillator::Advance(double hz, double& dt)
{
    dt = std::clamp(hz / kSampleRate, 0.0, 0.5);
    const double t = phase_;
    phase_ += dt;
    if (phase_ >= 1.0)
        phase_ -= 1.0;
    return t;
}

double Oscillator::Saw(double hz)
{
    double dt = 0.0;
    const double t = Advance(hz, dt);
    return 2.0 * t - 1.0 - PolyBlep(t, dt);
}

double Oscillator::Pulse(double hz, double width)
{
    double dt = 0.0;
    const double t = Advance(hz, dt);
    double value = t < width ? 1.0 : -1.0;
    value += PolyBlep(t, dt);
    value -= PolyBlep(std::fmod(t + 1.0 - width, 1.0), dt);
    // A pulse that is not square spends longer low than high: take out its mean, 2 width - 1,
    // so that it has no DC.
    return value - (2.0 * width - 1.0);
}

double Oscillator::Sine(double hz)
{
    double dt = 0.0;
    return std::sin(2.0 * kPi * Advance(hz, dt));
}

double Oscillator::Triangle(double hz)
{
    double dt = 0.0;
    const double t = Advance(hz, dt);
    return 1.0 - 4.0 * std::fabs(t - 0.5);
}

void Filter::Step(double in, double cutoff, double resonance)
{
    const double g = std::tan(kPi * std::clamp(cutoff, 10.0, kSampleRate * 0.45) / kSampleRate);
    const double k = 2.0 - 2.0 * std::clamp(resonance, 0.0, 0.98);
    const double a1 = 1.0 / (1.0 + g * (g + k));
    const double a2 = g * a1;
    const double a3 = g * a2;
    const double v3 = in - ic2_;
    const double v1 = a1 * ic1_ + a2 * v3;
    const double v2 = ic2_ + a2 * ic1_ + a3 * v3;
    ic1_ = 2.0 * v1 - ic1_;
    ic2_ = 2.0 * v2 - ic2_;
    low_ = v2;
    band_ = v1;
    high_ = in - k * v1 - v2;
}

double Filter::LowPass(double in, double cutoff, double resonance)
{
    Step(in, cutoff, resonance);
    return low_;
}

double Filter::HighPass(double in, double cutoff, double resonance)
{
    Step(in, cutoff, resonance);
    return high_;
}

double Filter::BandPass(double in, double cutoff, double resonance)
{
    Step(in, cutoff, resonance);
    return band_;
}

double ExpDecay(double t, double tau) { return t < 0.0 ? 0.0 : std::exp(-t / tau); }

double AttackDecay(double t, double attack, double tau)
{
    if (t < 0.0)
        return 0.0;
    if (t < attack)
        return t / attack;
    return std::exp(-(t - attack) / tau);
}

double NoteEnvelope(double t, double length, double attack, double decay, double sustain, double release)
{
    if (t < 0.0)
        return 0.0;
    double level;
    if (t < attack)
        level = t / attack;
    else
        level = sustain + (1.0 - sustain) * std::exp(-(t - attack) / decay);
    if (t > length) {
        const double atEnd = length < attack ? length / attack : sustain + (1.0 - sustain) * std::exp(-(length - attack) / decay);
        level = atEnd * std::exp(-(t - length) / release);
    }
    return level;
}

double SoftClip(double x) { return std::tanh(x); }

bool WriteWav(const std::string& path, const SoundBuffer& buffer)
{
    std::ofstream out(path, std::ios::binary);
    if (!out)
        return false;
    const uint32_t channels = static_cast<uint32_t>(buffer.channels);
    const uint32_t dataBytes = static_cast<uint32_t>(buffer.samples.size() * 2);
    out.write("RIFF", 4);
    PutLittleEndian(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    PutLittleEndian(out, 16, 4);
    PutLittleEndian(out, 1, 2); // PCM
    PutLittleEndian(out, channels, 2);
    PutLittleEndian(out, kSampleRate, 4);
    PutLittleEndian(out, kSampleRate * channels * 2, 4);
    PutLittleEndian(out, channels * 2, 2);
    PutLittleEndian(out, 16, 2);
    out.write("data", 4);
    PutLittleEndian(out, dataBytes, 4);
    for (float s : buffer.samples) {
        const long value = std::lround(std::clamp(static_cast<double>(s), -1.0, 1.0) * 32767.0);
        PutLittleEndian(out, static_cast<uint32_t>(value) & 0xFFFFu, 2);
    }
    return static_cast<bool>(out);
}
