// How the generated sounds hold up for a listener, measured on the files in the build tree: no
// DC offset, no clicks (the firing loop's seam included), every effect fading out, and a music
// track with headroom and a real stereo image. Each check prints its figures, so a run of these
// tests shows where every file stands.
#include "assets/assetfiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <deque>
#include <iostream>
#include <string>
#include <vector>

namespace {

const char* const kMusic = "data/sfx/tandrel_-_entering_evil_base.ogg";
const char* const kFiringLoop = "data/sfx/player_fire_2.wav";

// Steps smaller than this (-60 dBFS) are lost under anything the game plays: none is a click.
const double kAudibleStep = 0.001;
// A step this many times larger than every step near it stands out of the waveform as a click.
const double kClickRatio = 4.0;

double Db(double ratio) { return 20.0 * std::log10(ratio); }

double Mean(const std::vector<double>& x)
{
    double sum = 0.0;
    for (double s : x)
        sum += s;
    return x.empty() ? 0.0 : sum / static_cast<double>(x.size());
}

double Peak(const std::vector<double>& x)
{
    double peak = 0.0;
    for (double s : x)
        peak = std::max(peak, std::fabs(s));
    return peak;
}

double Rms(const std::vector<double>& x)
{
    double sum = 0.0;
    for (double s : x)
        sum += s * s;
    return x.empty() ? 0.0 : std::sqrt(sum / static_cast<double>(x.size()));
}

std::vector<std::string> Effects()
{
    std::vector<std::string> effects;
    for (const std::string& name : assettest::AllSounds()) {
        if (name.compare(name.size() - 4, 4, ".wav") == 0)
            effects.push_back(name);
    }
    return effects;
}

std::string Format(const char* format, double a, double b = 0.0, double c = 0.0)
{
    char text[160];
    std::snprintf(text, sizeof text, format, a, b, c);
    return text;
}

void PrintFigures(const std::string& name, const std::string& figures)
{
    std::cout << "[  figures ] " << name.substr(name.rfind('/') + 1) << ": " << figures << std::endl;
}

struct Click {
    double ratio = 0.0;  // the step over the largest step near it
    double seconds = 0.0; // where it is
};

// Finds the step in one channel that stands out most from the steps within 2 ms either side of
// it, its direct neighbours aside (so that a one-sample spike counts as well). Every attack of
// these sounds is shaped over a fraction of a millisecond at least, so even a note's onset is
// held to this: a sound that starts or stops in one sample is a click.
class ClickScan {
public:
    ClickScan(const std::vector<double>& x, int rate) : near_(static_cast<std::size_t>(rate) * 2 / 1000), rate_(rate)
    {
        steps_.assign(x.size(), 0.0);
        for (std::size_t i = 1; i < x.size(); ++i)
            steps_[i] = std::fabs(x[i] - x[i - 1]);
        windowMax_ = WindowMax(steps_, near_ - 1);
        prefixMax_ = steps_;
        for (std::size_t i = 1; i < prefixMax_.size(); ++i)
            prefixMax_[i] = std::max(prefixMax_[i], prefixMax_[i - 1]);
    }

    Click Worst() const
    {
        Click worst;
        for (std::size_t i = 1; i < steps_.size(); ++i) {
            if (steps_[i] <= kAudibleStep)
                continue;
            const double ratio = steps_[i] / std::max(NearbyStep(i), 1.0 / 32768.0);
            if (ratio > worst.ratio)
                worst = {ratio, static_cast<double>(i) / rate_};
        }
        return worst;
    }

private:
    // out[k] is the largest of values[k .. k + length - 1] (fewer at the end).
    static std::vector<double> WindowMax(const std::vector<double>& values, std::size_t length)
    {
        std::vector<double> out(values.size(), 0.0);
        std::deque<std::size_t> candidates;
        for (std::size_t k = values.size(); k-- > 0;) {
            while (!candidates.empty() && values[candidates.back()] <= values[k])
                candidates.pop_back();
            candidates.push_back(k);
            if (candidates.front() >= k + length)
                candidates.pop_front();
            out[k] = values[candidates.front()];
        }
        return out;
    }

    // The largest step in i - 2 ms .. i - 2 and i + 2 .. i + 2 ms.
    double NearbyStep(std::size_t i) const
    {
        double before = 0.0;
        if (i >= near_)
            before = windowMax_[i - near_];
        else if (i >= 2)
            before = prefixMax_[i - 2];
        const double after = i + 2 < steps_.size() ? windowMax_[i + 2] : 0.0;
        return std::max(before, after);
    }

    std::size_t near_;
    int rate_;
    std::vector<double> steps_, windowMax_, prefixMax_;
};

// The worst click of one channel; a loop is scanned twice over, so that its seam (the last sample
// into the first) is checked with its surroundings on both sides.
Click WorstClick(const std::vector<double>& channel, int rate, bool loops)
{
    if (!loops)
        return ClickScan(channel, rate).Worst();
    std::vector<double> twice = channel;
    twice.insert(twice.end(), channel.begin(), channel.end());
    Click worst = ClickScan(twice, rate).Worst();
    worst.seconds = std::fmod(worst.seconds, static_cast<double>(channel.size()) / rate);
    return worst;
}

} // namespace

TEST(SoundQuality, NoFileCarriesADcOffset)
{
    for (const std::string& name : assettest::AllSounds()) {
        const assettest::DecodedSound sound = assettest::DecodeSoundFile(name);
        ASSERT_GT(sound.Frames(), 0u) << name;
        std::string figures = "DC";
        for (int c = 0; c < sound.channels; ++c) {
            const double dc = Mean(sound.Channel(c));
            figures += Format(" %+.5f", dc);
            EXPECT_LT(std::fabs(dc), 0.002) << name << " channel " << c;
        }
        const double peak = Peak(sound.samples);
        PrintFigures(name, figures + Format(", peak %.2f dBFS, crest %.2f (%.1f dB)", Db(peak),
                                            peak / Rms(sound.samples), Db(peak / Rms(sound.samples))));
    }
}

TEST(SoundQuality, NoFileClicks)
{
    for (const std::string& name : assettest::AllSounds()) {
        const assettest::DecodedSound sound = assettest::DecodeSoundFile(name);
        ASSERT_GT(sound.Frames(), 0u) << name;
        std::string figures = "worst click";
        for (int c = 0; c < sound.channels; ++c) {
            const Click worst = WorstClick(sound.Channel(c), sound.rate, name == kFiringLoop);
            figures += Format(" %.2fx at %.4f s", worst.ratio, worst.seconds);
            EXPECT_LE(worst.ratio, kClickRatio) << name << " channel " << c << " clicks at " << worst.seconds << " s";
        }
        PrintFigures(name, figures);
    }
}

TEST(SoundQuality, EveryEffectFadesToSilence)
{
    // Its last sample is inaudible, and its last millisecond is at most half as loud as the
    // millisecond 5 ms before the end: the effect fades out rather than stopping.
    for (const std::string& name : Effects()) {
        const assettest::DecodedSound sound = assettest::ReadWav(name);
        const std::size_t ms = static_cast<std::size_t>(sound.rate) / 1000;
        ASSERT_GT(sound.Frames(), 5 * ms) << name;
        for (int c = 0; c < sound.channels; ++c) {
            const std::vector<double> x = sound.Channel(c);
            const double fifthLast = Peak(std::vector<double>(x.end() - static_cast<long>(5 * ms), x.end() - static_cast<long>(4 * ms)));
            const double last = Peak(std::vector<double>(x.end() - static_cast<long>(ms), x.end()));
            EXPECT_LE(std::fabs(x.back()), kAudibleStep) << name;
            EXPECT_LE(last, std::max(kAudibleStep, 0.5 * fifthLast)) << name;
            PrintFigures(name, Format("peak of the millisecond 5 ms before the end %.5f, of the last %.5f, last sample %+.5f",
                                      fifthLast, last, x.back()));
        }
    }
}

TEST(SoundQuality, MusicLeavesHeadroomAndIsMixedInStereo)
{
    const assettest::DecodedSound music = assettest::DecodeOggVorbis(kMusic);
    ASSERT_EQ(music.channels, 2);
    const double seconds = static_cast<double>(music.Frames()) / music.rate;
    const double peak = Peak(music.samples);
    const double crest = peak / Rms(music.samples);
    std::vector<double> mid, side;
    for (std::size_t i = 0; i < music.Frames(); ++i) {
        mid.push_back(0.5 * (music.samples[2 * i] + music.samples[2 * i + 1]));
        side.push_back(0.5 * (music.samples[2 * i] - music.samples[2 * i + 1]));
    }
    const double sideToMid = Db(Rms(side) / Rms(mid));
    PrintFigures(kMusic, Format("peak %.2f dBFS, crest %.2f, side to mid %.1f dB", Db(peak), crest, sideToMid) +
                             Format(", %.1f s", seconds));
    EXPECT_LE(Db(peak), -3.0);
    EXPECT_GE(crest, 4.0);
    EXPECT_GT(sideToMid, -15.0);
    EXPECT_GE(seconds, 60.0);
}

TEST(SoundQuality, AnyEffectOverTheMusicStaysWithinFullScale)
{
    // The game plays the music at 83 of SDL_mixer's 128 volume steps and the effects at full
    // volume, and the mixer adds them: even where the loudest moments meet, one effect over the
    // music must not clip.
    const double music = Peak(assettest::DecodeOggVorbis(kMusic).samples) * 83.0 / 128.0;
    for (const std::string& name : Effects()) {
        const double effect = Peak(assettest::ReadWav(name).samples);
        PrintFigures(name, Format("peak %.3f, over the music's peak at volume 83 at most %.3f of full scale", effect, effect + music));
        EXPECT_LE(effect + music, 1.0) << name;
    }
}
