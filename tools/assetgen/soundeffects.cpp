#include "soundeffects.h"

#include "mastering.h"
#include "soundparts.h"

#include "utils/datafiles.h"

#include <cmath>
#include <iostream>

namespace {

// Each effect's loudest sample. The big explosion is the loudest, at -4.7 dBFS: the game plays
// the music at 83 of 128 and the music peaks at -4 dBFS, so the music adds at most 0.41 of full
// scale, and any one effect played over it stays within full scale. The firing loop, heard all
// the time while fire is held, sits well below the explosions.
const double kBigExplosionPeak = 0.58;
const double kSmallExplosionPeak = 0.54;
const double kBigBadShotPeak = 0.54;
const double kFiringLoopPeak = 0.38;
// The menus' sounds are short and quiet: they answer a key press, over the music.
const double kMenuMovePeak = 0.30;
const double kMenuTakePeak = 0.34;

// One shot of the player's gun: a click, a short falling tone and a small thump.
std::vector<float> GunHit(int index)
{
    std::vector<float> out(Seconds(0.09));
    WhiteNoise noise(8800 + static_cast<uint64_t>(index));
    Filter click;
    Oscillator body, low;
    const bool accent = index % 2 == 0;
    const double pitch = accent ? 1.0 : 1.18;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double snap = click.BandPass(noise.Next(), 2100.0 * pitch, 0.35) * AttackDecay(t, 0.0008, 0.011) * 1.8;
        const double tone = body.Triangle(120.0 * pitch + 260.0 * std::exp(-t / 0.012)) * AttackDecay(t, 0.0008, 0.022);
        const double thump = low.Sine(85.0 + 60.0 * std::exp(-t / 0.01)) * AttackDecay(t, 0.0008, 0.03);
        out[i] = static_cast<float>((snap + 0.7 * tone + 0.8 * thump) * (accent ? 1.0 : 0.85));
    }
    FadeOut(out, kEdgeFadeSeconds);
    return out;
}

} // namespace

SoundBuffer SmallExplosion()
{
    SoundBuffer out;
    out.Mix(0, Thump(0.5, 140.0, 42.0, 0.04, 0.12), 1.0);
    out.Mix(0, Rumble(0.75, 7000.0, 300.0, 0.09, 0.14, 8101), 1.6);
    out.Mix(Seconds(0.02), Crackle(0.6, 180.0, 0.15, 8102), 0.5);
    Saturate(out, 1.4);
    RemoveDc(out);
    out.Normalise(kSmallExplosionPeak);
    FadeOut(out, 0.05);
    return out;
}

SoundBuffer BigExplosion()
{
    SoundBuffer out;
    out.Mix(0, Thump(1.6, 95.0, 28.0, 0.12, 0.45), 1.2);
    out.Mix(0, Rumble(2.3, 5000.0, 140.0, 0.35, 0.55, 8201), 2.2);
    out.Mix(Seconds(0.14), Rumble(1.2, 3500.0, 200.0, 0.2, 0.25, 8202), 1.3);
    out.Mix(Seconds(0.32), Thump(0.6, 110.0, 35.0, 0.05, 0.16), 0.6);
    out.Mix(Seconds(0.05), Crackle(1.9, 260.0, 0.5, 8203), 0.6);
    Saturate(out, 1.8);
    RemoveDc(out);
    out.Normalise(kBigExplosionPeak);
    FadeOut(out, 0.2);
    return out;
}

SoundBuffer BigBadShot()
{
    SoundBuffer out;
    out.Mix(0, Thump(0.45, 190.0, 48.0, 0.03, 0.11), 1.2);
    std::vector<float> chunk(Seconds(0.3));
    Oscillator saw;
    Filter filter;
    for (std::size_t i = 0; i < chunk.size(); ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double cutoff = 120.0 + 1600.0 * std::exp(-t / 0.04);
        chunk[i] = static_cast<float>(filter.LowPass(saw.Saw(62.0), cutoff, 0.6) * ExpDecay(t, 0.08));
    }
    FadeOut(chunk, kEdgeFadeSeconds);
    out.Mix(0, chunk, 0.9);
    out.Mix(0, Rumble(0.35, 9000.0, 1500.0, 0.02, 0.05, 8301), 0.9);
    Saturate(out, 1.6);
    RemoveDc(out);
    out.Normalise(kBigBadShotPeak);
    FadeOut(out, 0.03);
    return out;
}

SoundBuffer PlayerFireLoop()
{
    // Each hit is added round a ring the length of the loop, so its tail wraps into the start
    // and the loop joins without a seam.
    const std::size_t length = kFireLoopHitFrames * kFireLoopHits;
    SoundBuffer out;
    out.samples.assign(length, 0.0f);
    for (int hit = 0; hit < kFireLoopHits; ++hit) {
        const std::vector<float> shot = GunHit(hit);
        const std::size_t start = kFireLoopHitFrames * static_cast<std::size_t>(hit);
        for (std::size_t i = 0; i < shot.size(); ++i)
            out.samples[(start + i) % length] += shot[i];
    }
    Saturate(out, 1.2);
    RemoveDcFromLoop(out);
    out.Normalise(kFiringLoopPeak);
    return out;
}

SoundBuffer MenuMove()
{
    // A pencil tapping the card: a high, very short tick over a soft knock.
    SoundBuffer out;
    out.Mix(0, Chime(0.05, 1900.0, 0.008), 1.0);
    out.Mix(0, Thump(0.06, 700.0, 380.0, 0.01, 0.014), 0.8);
    RemoveDc(out);
    out.Normalise(kMenuMovePeak);
    FadeOut(out, 0.01);
    return out;
}

SoundBuffer MenuTake()
{
    SoundBuffer out;
    out.Mix(0, Chime(0.12, 1318.5, 0.035), 0.8);
    out.Mix(Seconds(0.06), Chime(0.2, 1760.0, 0.06), 1.0);
    out.Mix(0, Thump(0.08, 520.0, 260.0, 0.012, 0.02), 0.6);
    RemoveDc(out);
    out.Normalise(kMenuTakePeak);
    FadeOut(out, 0.02);
    return out;
}

bool WriteSoundEffects(const std::string& outdir)
{
    return WriteEffect(outdir + "/" + datafiles::kSmallExplosionSound, SmallExplosion()) &&
           WriteEffect(outdir + "/" + datafiles::kBigExplosionSound, BigExplosion()) &&
           WriteEffect(outdir + "/" + datafiles::kBigBadShotSound, BigBadShot()) &&
           WriteEffect(outdir + "/" + datafiles::kPlayerFireLoopSound, PlayerFireLoop()) &&
           WriteEffect(outdir + "/" + datafiles::kMenuMoveSound, MenuMove()) &&
           WriteEffect(outdir + "/" + datafiles::kMenuTakeSound, MenuTake());
}
