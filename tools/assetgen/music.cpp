#include "music.h"

#include "instruments.h"
#include "oggwriter.h"

#include <cmath>
#include <iostream>

namespace {

// The music track's Ogg stream serial number, fixed so the file is the same on every run.
const int kStreamSerial = 0x70B2A;
// Silence after the last bar, for the final chord to ring out.
const double kTailSeconds = 2.4;

struct Channel {
    Part part;
    double gain;
    double pan;
    bool echo;
};

const Channel kChannels[] = {
    {Part::Kick, 0.85, 0.0, false},    {Part::Snare, 0.5, 0.08, false},  {Part::ClosedHat, 0.16, 0.3, false},
    {Part::OpenHat, 0.13, 0.3, false}, {Part::Crash, 0.22, -0.25, false}, {Part::Tom, 0.5, -0.2, false},
    {Part::Bass, 0.3, 0.0, false},     {Part::Pad, 0.08, -0.1, false},   {Part::Arp, 0.1, -0.4, true},
    {Part::Lead, 0.32, 0.05, true},
};

// A ping-pong echo three sixteenths long, fed back at the given level.
void PingPong(SoundBuffer& stereo, std::size_t delay, double feedback)
{
    for (std::size_t i = delay; i < stereo.Frames(); ++i) {
        const float fromLeft = stereo.samples[(i - delay) * 2];
        const float fromRight = stereo.samples[(i - delay) * 2 + 1];
        stereo.samples[i * 2] += static_cast<float>(feedback * fromRight);
        stereo.samples[i * 2 + 1] += static_cast<float>(feedback * fromLeft);
    }
}

SoundBuffer RenderChannel(const Score& score, const Channel& channel, std::size_t frames)
{
    SoundBuffer out;
    out.channels = 2;
    out.samples.assign(frames * 2, 0.0f);
    uint64_t seed = 9100 + static_cast<uint64_t>(channel.part) * 1000;
    for (const Note& note : score.Of(channel.part).notes) {
        const std::size_t start = Seconds(note.beat * score.SecondsPerBeat());
        std::vector<float> voice = RenderNote(channel.part, note, score.SecondsPerBeat(), seed++);
        if (start >= frames)
            continue;
        if (start + voice.size() > frames)
            voice.resize(frames - start);
        out.Mix(start, voice, channel.gain * note.velocity, channel.pan);
    }
    if (channel.echo)
        PingPong(out, Seconds(score.SecondsPerBeat() * 0.75), 0.32);
    return out;
}

} // namespace

SoundBuffer RenderMusic(const Score& score)
{
    const std::size_t frames = Seconds(score.bars * 4 * score.SecondsPerBeat() + kTailSeconds);
    SoundBuffer mix;
    mix.channels = 2;
    mix.samples.assign(frames * 2, 0.0f);
    for (const Channel& channel : kChannels) {
        const SoundBuffer rendered = RenderChannel(score, channel, frames);
        for (std::size_t i = 0; i < mix.samples.size(); ++i)
            mix.samples[i] += rendered.samples[i];
    }
    for (float& s : mix.samples)
        s = static_cast<float>(SoftClip(s * 1.1));
    mix.Normalise(0.88);
    // The last few milliseconds fade to silence, so the restart of the loop does not click.
    const std::size_t fade = Seconds(0.05);
    for (std::size_t i = 0; i < fade; ++i) {
        const float k = static_cast<float>(i) / static_cast<float>(fade);
        mix.samples[(frames - 1 - i) * 2] *= k;
        mix.samples[(frames - 1 - i) * 2 + 1] *= k;
    }
    return mix;
}

bool WriteMusic(const std::string& path)
{
    const SoundBuffer music = RenderMusic(ComposeEnteringEvilBase());
    if (WriteOggVorbis(path, music, kStreamSerial, {"TITLE=entering evil base", "ARTIST=tandrel"}))
        return true;
    std::cerr << "assetgen: could not write " << path << std::endl;
    return false;
}
