// Broken sound files: reported with the game's messages and silent, never a crash.
#include "audio/audiodevice.h"
#include "audio/soundbank.h"

#include "audiotestsupport.h"
#include "support/testsupport.h"

#include <SDL_mixer.h>
#include <gtest/gtest.h>

namespace {

class BrokenSoundTest : public audiotest::DummyAudioTest {
protected:
    testsupport::TempDir dir_;
};

} // namespace

TEST_F(BrokenSoundTest, TruncatedOrRandomWavsAreReportedAndSilent)
{
    const std::string wav = audiotest::MakeWav(200);
    dir_.Write("header_only.wav", wav.substr(0, 30));
    dir_.Write("half.wav", wav.substr(0, wav.size() / 2));
    dir_.Write("noise.wav", testsupport::RandomBytes(5000, 3));
    dir_.Write("riff_noise.wav", "RIFF" + testsupport::RandomBytes(5000, 4));
    for (const char* name : {"header_only.wav", "half.wav", "noise.wav", "riff_noise.wav"}) {
        const std::string path = dir_.File(name);
        testing::internal::CaptureStdout();
        PlaySoundNow(path);
        const std::string printed = testing::internal::GetCapturedStdout();
        MixerFile* entry = FindOrLoadSound(path);
        if (!entry->chunk) {
            EXPECT_EQ(printed.rfind("Error! Couldn't load: " + path, 0), 0u) << name << ": " << printed;
        }
    }
    Mix_HaltChannel(-1);
}

TEST_F(BrokenSoundTest, ATruncatedOrRandomMusicTrackIsReportedOrPlaysWhatThereIs)
{
    const std::string track = testsupport::ReadFile("data/sfx/tandrel_-_entering_evil_base.ogg");
    ASSERT_GT(track.size(), 10000u) << "run from the build directory, after the build made the music";
    dir_.Write("cut.ogg", track.substr(0, track.size() / 3));
    dir_.Write("header.ogg", track.substr(0, 200));
    dir_.Write("noise.ogg", testsupport::RandomBytes(20000, 9));
    dir_.Write("oggs_noise.ogg", "OggS" + testsupport::RandomBytes(20000, 10));
    for (const char* name : {"cut.ogg", "header.ogg", "noise.ogg", "oggs_noise.ogg"}) {
        testing::internal::CaptureStdout();
        StartMusic(dir_.File(name));
        const std::string printed = testing::internal::GetCapturedStdout();
        if (Mix_PlayingMusic() == 0) {
            EXPECT_NE(printed.find("Error! Mix_LoadMUS( " + dir_.File(name) + ") : "), std::string::npos) << name;
        }
        Mix_HaltMusic();
    }
}
