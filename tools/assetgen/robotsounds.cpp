#include "robotsounds.h"

#include "mastering.h"
#include "soundparts.h"

#include "utils/datafiles.h"

#include <cmath>

namespace {

const double kTwoPi = 6.283185307179586;

// Each one's loudest sample: below the explosions, since a glance or a hum comes often.
const double kArmourClankPeak = 0.40;
const double kTwinHumPeak = 0.34;
const double kPhantomFadePeak = 0.42;
const double kHiveHatchPeak = 0.40;
const double kMineDropPeak = 0.38;

// Struck steel: a few inharmonic partials, each dying at its own pace.
std::vector<float> SteelPing(double seconds)
{
    const double hz[4] = {1180.0, 1710.0, 2630.0, 3470.0};
    const double gain[4] = {1.0, 0.6, 0.45, 0.3};
    const double tau[4] = {0.09, 0.06, 0.04, 0.03};
    std::vector<float> out(Seconds(seconds));
    Oscillator partials[4];
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        double sum = 0.0;
        for (int k = 0; k < 4; ++k)
            sum += gain[k] * partials[k].Sine(hz[k]) * AttackDecay(t, 0.0015, tau[k]);
        out[i] = static_cast<float>(sum);
    }
    FadeOut(out, kEdgeFadeSeconds);
    return out;
}

// Noise through a band-pass whose centre slides from fromHz to toHz, shaped by an attack and a decay.
std::vector<float> SlidingHiss(double seconds, double fromHz, double toHz, double attack, double tau, uint64_t seed)
{
    std::vector<float> out(Seconds(seconds));
    WhiteNoise noise(seed);
    Filter filter;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double centre = fromHz * std::pow(toHz / fromHz, t / seconds);
        out[i] = static_cast<float>(filter.BandPass(noise.Next(), centre, 0.6) * AttackDecay(t, attack, tau));
    }
    FadeOut(out, kEdgeFadeSeconds);
    return out;
}

// A sine gliding from fromHz to toHz (geometrically), with a vibrato of the depth (a share of the
// pitch) at 6 Hz.
std::vector<float> Glide(double seconds, double fromHz, double toHz, double vibrato, double attack, double tau)
{
    std::vector<float> out(Seconds(seconds));
    Oscillator osc;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double hz = fromHz * std::pow(toHz / fromHz, t / seconds) * (1.0 + vibrato * std::sin(kTwoPi * 6.0 * t));
        out[i] = static_cast<float>(osc.Sine(hz) * AttackDecay(t, attack, tau));
    }
    FadeOut(out, kEdgeFadeSeconds);
    return out;
}

// A held electric hum: the first eight harmonics of hz at 1/n, throbbing at 30 Hz.
std::vector<float> Hum(double seconds, double hz)
{
    std::vector<float> out(Seconds(seconds));
    Oscillator harmonics[8];
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        double sum = 0.0;
        for (int n = 1; n <= 8; ++n)
            sum += harmonics[n - 1].Sine(hz * n) / n;
        const double throb = 0.6 + 0.4 * std::sin(kTwoPi * 30.0 * t);
        out[i] = static_cast<float>(sum * throb * NoteEnvelope(t, seconds - 0.08, 0.01, 0.05, 0.7, 0.05));
    }
    FadeOut(out, kEdgeFadeSeconds);
    return out;
}

// A short beep of a sine at hz.
std::vector<float> Beep(double seconds, double hz)
{
    std::vector<float> out(Seconds(seconds));
    Oscillator osc;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        out[i] = static_cast<float>(osc.Sine(hz) * NoteEnvelope(t, seconds - 0.015, 0.003, 0.01, 0.8, 0.01));
    }
    FadeOut(out, kEdgeFadeSeconds);
    return out;
}

SoundBuffer Finished(SoundBuffer buffer, double peak, double fade)
{
    RemoveDc(buffer);
    buffer.Normalise(peak);
    FadeOut(buffer, fade);
    return buffer;
}

} // namespace

SoundBuffer ArmourClank()
{
    SoundBuffer out;
    out.Mix(0, SteelPing(0.35), 1.0);
    out.Mix(0, SlidingHiss(0.05, 4200.0, 3000.0, 0.0008, 0.008, 9101), 1.4);
    out.Mix(0, Thump(0.1, 300.0, 160.0, 0.01, 0.02), 0.5);
    return Finished(out, kArmourClankPeak, 0.03);
}

SoundBuffer TwinHum()
{
    SoundBuffer out;
    out.Mix(0, Hum(0.32, 110.0), 1.0);
    out.Mix(Seconds(0.01), Crackle(0.28, 140.0, 0.1, 9201), 0.35);
    return Finished(out, kTwinHumPeak, 0.03);
}

SoundBuffer PhantomFade()
{
    SoundBuffer out;
    out.Mix(0, SlidingHiss(0.9, 2400.0, 300.0, 0.03, 0.35, 9301), 2.0);
    out.Mix(0, Glide(0.9, 880.0, 330.0, 0.02, 0.03, 0.35), 0.35);
    return Finished(out, kPhantomFadePeak, 0.08);
}

SoundBuffer HiveHatch()
{
    SoundBuffer out;
    out.Mix(0, Thump(0.15, 420.0, 140.0, 0.015, 0.04), 0.9);
    out.Mix(0, SlidingHiss(0.08, 900.0, 500.0, 0.002, 0.03, 9401), 0.8);
    out.Mix(Seconds(0.06), Glide(0.07, 1300.0, 2600.0, 0.0, 0.002, 0.03), 0.6);
    out.Mix(Seconds(0.16), Glide(0.05, 1600.0, 3000.0, 0.0, 0.002, 0.02), 0.45);
    return Finished(out, kHiveHatchPeak, 0.03);
}

SoundBuffer MineDrop()
{
    SoundBuffer out;
    out.Mix(0, Thump(0.2, 220.0, 70.0, 0.02, 0.05), 1.0);
    out.Mix(0, Chime(0.08, 2400.0, 0.01), 0.4);
    out.Mix(Seconds(0.12), Beep(0.05, 1760.0), 0.45);
    out.Mix(Seconds(0.26), Beep(0.05, 1760.0), 0.45);
    return Finished(out, kMineDropPeak, 0.03);
}

bool WriteRobotSounds(const std::string& outdir)
{
    return WriteEffect(outdir + "/" + datafiles::kArmourClankSound, ArmourClank()) &&
           WriteEffect(outdir + "/" + datafiles::kTwinHumSound, TwinHum()) &&
           WriteEffect(outdir + "/" + datafiles::kPhantomFadeSound, PhantomFade()) &&
           WriteEffect(outdir + "/" + datafiles::kHiveHatchSound, HiveHatch()) &&
           WriteEffect(outdir + "/" + datafiles::kMineDropSound, MineDrop());
}
