// Checks the generated sounds in the build tree: SDL_mixer (on SDL's dummy audio driver)
// loads every effect and the music, the music lasts over a minute, and the firing loop is a
// whole number of shots long. soundquality_test.cpp holds the checks on how they sound.
#include "assets/assetfiles.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<uint8_t> ReadBytes(const std::string& name)
{
    std::ifstream file(name, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

uint64_t LittleEndian(const std::vector<uint8_t>& bytes, std::size_t at, int count)
{
    uint64_t value = 0;
    for (int i = count - 1; i >= 0; --i)
        value = (value << 8) | bytes[at + static_cast<std::size_t>(i)];
    return value;
}

// Duration of an Ogg Vorbis file: the granule position (samples per channel) of the last
// page, over the sample rate from the Vorbis identification header on the first page.
double OggVorbisSeconds(const std::vector<uint8_t>& bytes)
{
    if (bytes.size() < 64 || std::string(bytes.begin(), bytes.begin() + 4) != "OggS")
        return 0.0;
    const std::size_t firstPacket = 27 + bytes[26];
    if (std::string(bytes.begin() + static_cast<long>(firstPacket) + 1, bytes.begin() + static_cast<long>(firstPacket) + 7) != "vorbis")
        return 0.0;
    const uint64_t rate = LittleEndian(bytes, firstPacket + 12, 4);
    for (std::size_t at = bytes.size() - 27; at > 0; --at) {
        if (bytes[at] == 'O' && bytes[at + 1] == 'g' && bytes[at + 2] == 'g' && bytes[at + 3] == 'S')
            return rate ? static_cast<double>(LittleEndian(bytes, at + 6, 8)) / static_cast<double>(rate) : 0.0;
    }
    return 0.0;
}

class MixerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        ASSERT_EQ(SDL_Init(SDL_INIT_AUDIO), 0) << SDL_GetError();
        ASSERT_EQ(Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 2048), 0) << Mix_GetError();
    }
    static void TearDownTestSuite()
    {
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
};

} // namespace

TEST_F(MixerTest, EveryEffectAndTheMusicLoad)
{
    for (const std::string& name : assettest::AllSounds()) {
        if (name.size() > 4 && name.compare(name.size() - 4, 4, ".ogg") == 0) {
            Mix_Music* music = Mix_LoadMUS(name.c_str());
            EXPECT_NE(music, nullptr) << name << ": " << Mix_GetError();
            if (music)
                Mix_FreeMusic(music);
        } else {
            Mix_Chunk* chunk = Mix_LoadWAV(name.c_str());
            ASSERT_NE(chunk, nullptr) << name << ": " << Mix_GetError();
            EXPECT_GT(chunk->alen, 1000u) << name;
            Mix_FreeChunk(chunk);
        }
    }
}

TEST_F(MixerTest, MusicNeverFallsSilentBeforeItsFinalChord)
{
    // Decoded whole through the mixer (as the opened device's 16-bit stereo), every second of
    // the track up to its last few seconds carries sound.
    Mix_Chunk* whole = Mix_LoadWAV("data/sfx/tandrel_-_entering_evil_base.ogg");
    ASSERT_NE(whole, nullptr) << Mix_GetError();
    const int16_t* samples = reinterpret_cast<const int16_t*>(whole->abuf);
    const std::size_t count = whole->alen / sizeof(int16_t);
    const std::size_t second = 44100 * 2;
    ASSERT_GT(count, 60 * second);
    for (std::size_t start = 0; start + 4 * second < count; start += second) {
        double sum = 0.0;
        for (std::size_t i = start; i < start + second; ++i)
            sum += static_cast<double>(samples[i]) * samples[i];
        EXPECT_GT(std::sqrt(sum / second), 1500.0) << "quiet second at " << start / second << " s";
    }
    Mix_FreeChunk(whole);
}

TEST(GeneratedSounds, EffectsAre16BitAt44100)
{
    for (const std::string& name : assettest::AllSounds()) {
        if (name.compare(name.size() - 4, 4, ".wav") != 0)
            continue;
        const assettest::DecodedSound wav = assettest::ReadWav(name);
        EXPECT_EQ(wav.rate, 44100) << name;
        EXPECT_EQ(wav.bitsPerSample, 16) << name;
        EXPECT_TRUE(wav.channels == 1 || wav.channels == 2) << name;
        ASSERT_FALSE(wav.samples.empty()) << name;
        double peak = 0.0;
        for (double s : wav.samples)
            peak = std::max(peak, std::fabs(s));
        EXPECT_GT(peak, 0.25) << name << " should be clearly audible";
    }
}

TEST(GeneratedSounds, MusicPlaysForOverAMinute)
{
    const double seconds = OggVorbisSeconds(ReadBytes("data/sfx/tandrel_-_entering_evil_base.ogg"));
    EXPECT_GE(seconds, 60.0);
    EXPECT_LT(seconds, 300.0);
}

TEST(GeneratedSounds, FiringLoopIsAWholeNumberOfShots)
{
    // Shots every 112 ms: the loop is a whole number of shots long, so holding fire keeps the beat.
    const assettest::DecodedSound wav = assettest::ReadWav("data/sfx/player_fire_2.wav");
    ASSERT_EQ(wav.channels, 1);
    ASSERT_GT(wav.Frames(), 1000u);
    const double shots = static_cast<double>(wav.Frames()) / (0.112 * 44100.0);
    EXPECT_NEAR(shots, std::round(shots), 0.01);
}
