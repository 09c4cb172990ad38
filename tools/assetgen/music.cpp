#include "music.h"

#include "instruments.h"
#include "mastering.h"
#include "oggwriter.h"

#include <cmath>
#include <iostream>

namespace {

// The music track's Ogg stream serial number, fixed so the file is the same on every run.
const int kStreamSerial = 0x70B2A;
// Silence after the last bar, for the final chord to ring out.
const double kTailSeconds = 2.4;

// The music's loudest sample, -4 dBFS: room for the encoder's overshoot under the -3 dBFS
// ceiling, and for the effects the game plays on top of the music.
const double kPeak = 0.63;

// A part's place in the mix. Bass and kick sit in the centre and dry; the lead and the arpeggio
// stand apart on either side, the pad's chords spread out (root left, third right, fifth
// between), and everything else sends some of itself into the room. The mix is not squashed
// at the end, so the kick, whose peaks set the level, sits lower than it would under a limiter.
struct Channel {
    Part part;
    double gain;
    double pan;    // -1 left .. +1 right
    double spread; // chord notes placed this far either side of pan
    double room;   // share of the part sent into the room
    bool echo;
};

const Channel kChannels[] = {
    {Part::Kick, 0.6, 0.0, 0.0, 0.0, false},       {Part::Snare, 0.5, 0.1, 0.0, 0.5, false},
    {Part::ClosedHat, 0.16, 0.55, 0.0, 0.4, false}, {Part::OpenHat, 0.13, 0.55, 0.0, 0.4, false},
    {Part::Crash, 0.22, -0.55, 0.0, 0.5, false},    {Part::Tom, 0.5, -0.4, 0.0, 0.5, false},
    {Part::Bass, 0.3, 0.0, 0.0, 0.0, false},        {Part::Pad, 0.08, 0.0, 1.0, 0.6, false},
    {Part::Arp, 0.1, -0.65, 0.0, 0.5, true},        {Part::Lead, 0.32, 0.6, 0.0, 0.6, true},
};

// The room: a few early reflections of what is sent into it, softened by a low-pass and
// arriving at different times on the left and on the right, which gives the mix its width.
struct Reflection {
    double seconds;
    double gain;
};
const Reflection kLeftReflections[] = {{0.011, 0.34}, {0.023, 0.27}, {0.037, 0.2}, {0.053, 0.15}};
const Reflection kRightReflections[] = {{0.013, 0.34}, {0.029, 0.27}, {0.041, 0.2}, {0.061, 0.15}};

void AddReflections(SoundBuffer& mix, int channel, const std::vector<float>& soft, const Reflection (&reflections)[4])
{
    for (const Reflection& reflection : reflections) {
        const std::size_t delay = Seconds(reflection.seconds);
        for (std::size_t i = delay; i < mix.Frames(); ++i)
            mix.samples[i * 2 + static_cast<std::size_t>(channel)] += static_cast<float>(reflection.gain * soft[i - delay]);
    }
}

void AddRoom(SoundBuffer& mix, const std::vector<float>& send)
{
    std::vector<float> soft(send.size());
    Filter filter;
    for (std::size_t i = 0; i < send.size(); ++i)
        soft[i] = static_cast<float>(filter.LowPass(send[i], 5000.0, 0.0));
    AddReflections(mix, 0, soft, kLeftReflections);
    AddReflections(mix, 1, soft, kRightReflections);
}

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
    const double chordPlaces[3] = {-1.0, 1.0, 0.0};
    uint64_t seed = 9100 + static_cast<uint64_t>(channel.part) * 1000;
    std::size_t index = 0;
    for (const Note& note : score.Of(channel.part).notes) {
        const std::size_t start = Seconds(note.beat * score.SecondsPerBeat());
        const double pan = channel.pan + channel.spread * chordPlaces[index++ % 3];
        std::vector<float> voice = RenderNote(channel.part, note, score.SecondsPerBeat(), seed++);
        if (start >= frames)
            continue;
        if (start + voice.size() > frames) {
            voice.resize(frames - start);
            FadeOut(voice, kEdgeFadeSeconds);
        }
        out.Mix(start, voice, channel.gain * note.velocity, pan);
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
    std::vector<float> roomSend(frames, 0.0f);
    for (const Channel& channel : kChannels) {
        const SoundBuffer rendered = RenderChannel(score, channel, frames);
        for (std::size_t i = 0; i < mix.samples.size(); ++i)
            mix.samples[i] += rendered.samples[i];
        for (std::size_t i = 0; i < frames; ++i)
            roomSend[i] += static_cast<float>(channel.room * 0.5 * (rendered.samples[2 * i] + rendered.samples[2 * i + 1]));
    }
    AddRoom(mix, roomSend);
    RemoveDc(mix);
    mix.Normalise(kPeak);
    // The last 50 ms fade to silence, so the restart of the track does not click.
    FadeOut(mix, 0.05);
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
