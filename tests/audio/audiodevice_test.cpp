#include "audio/audiodevice.h"

#include "audio/soundoutput.h"
#include "audiotestsupport.h"
#include "support/testsupport.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <vector>

#include <atomic>
#include <cstdlib>
#include <dirent.h>
#include <string>

namespace {

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

class AudioDeviceTest : public ::testing::Test {
protected:
    void SetUp() override { setenv("SDL_AUDIODRIVER", "dummy", 1); }
    void TearDown() override
    {
        Mix_HookMusicFinished(nullptr);
        audiotest::ResetAudio();
    }

    // Runs StartMusic and returns what it printed.
    static std::string StartMusicOutput(const std::string& path)
    {
        CaptureStdout();
        StartMusic(path);
        return GetCapturedStdout();
    }

    testsupport::TempDir files_;
};

std::atomic<int> g_tracksEnded{0};

void CountEndedTrack() { ++g_tracksEnded; }

// Waits (at most five seconds) until the mixer has ended the given number of tracks.
bool WaitForTracksEnded(int count)
{
    for (int waited = 0; waited < 5000 && g_tracksEnded < count; waited += 5)
        SDL_Delay(5);
    return g_tracksEnded >= count;
}

int OpenFileDescriptors()
{
    DIR* dir = opendir("/proc/self/fd");
    int count = 0;
    while (readdir(dir))
        ++count;
    closedir(dir);
    return count;
}

TEST_F(AudioDeviceTest, TheFirstStartOpensTheDeviceAndNamesTheDriver)
{
    files_.Write("track.wav", audiotest::MakeWav(3000));
    EXPECT_EQ(StartMusicOutput(files_.File("track.wav")), "dummy\n");
    EXPECT_TRUE(AudioOpen());
    EXPECT_EQ(Mix_PlayingMusic(), 1);
    int frequency = 0, outputChannels = 0;
    Uint16 format = 0;
    ASSERT_EQ(Mix_QuerySpec(&frequency, &format, &outputChannels), 1);
    EXPECT_EQ(frequency, 44100);
    EXPECT_EQ(format, 0x8010);
    EXPECT_EQ(outputChannels, 2);
    EXPECT_EQ(Mix_AllocateChannels(-1), 16);

    EXPECT_EQ(StartMusicOutput(files_.File("track.wav")), "") << "the device opens once";
}

TEST_F(AudioDeviceTest, TheFirstTrackStartsAtTheVolumeAskedForThoughOpeningTheDeviceSetsItToFull)
{
    files_.Write("track.wav", audiotest::MakeWav(3000));
    Mix_VolumeMusic(5); // before the device is open: the opening sets it back to full
    StartMusicOutput(files_.File("track.wav"));
    EXPECT_EQ(Mix_VolumeMusic(-1), MIX_MAX_VOLUME);
    audiotest::ResetAudio();
    CaptureStdout();
    StartMusic(files_.File("track.wav"), 0);
    GetCapturedStdout();
    EXPECT_EQ(Mix_VolumeMusic(-1), 0) << "a player's volume of 0 from the first sample on";
}

TEST_F(AudioDeviceTest, ADeviceThatWillNotOpenIsReportedTheSameWayOnEveryStart)
{
    setenv("SDL_AUDIODRIVER", "no_such_driver", 1);
    files_.Write("track.wav", audiotest::MakeWav(100));
    std::vector<std::string> said;
    for (int attempt = 0; attempt < 3; ++attempt) {
        said.push_back(StartMusicOutput(files_.File("track.wav")));
        const std::string error = SDL_GetError();
        EXPECT_FALSE(error.empty());
        EXPECT_TRUE(said.back() == "Vaara: ei kyetty 44100 Hz 16-bit audioon " + error + "\n"
            || said.back() == "Ei onnannu " + error + "\n")
            << "attempt " << attempt << " printed: " << said.back();
        EXPECT_FALSE(AudioOpen());
        EXPECT_EQ(Mix_PlayingMusic(), 0);
    }
    EXPECT_EQ(said[1], said[0]) << "every attempt fails as the first did";
    EXPECT_EQ(said[2], said[0]);
}

TEST_F(AudioDeviceTest, AMissingTrackIsReportedOnEveryAttempt)
{
    const std::string path = files_.File("no_track.ogg");
    std::string output = StartMusicOutput(path);
    EXPECT_EQ(output, "dummy\nError! Mix_LoadMUS( " + path + ") : " + SDL_GetError() + "\n");
    output = StartMusicOutput(path);
    EXPECT_EQ(output, "Error! Mix_LoadMUS( " + path + ") : " + SDL_GetError() + "\n");
    EXPECT_TRUE(AudioOpen());
    EXPECT_EQ(Mix_PlayingMusic(), 0);
}

TEST_F(AudioDeviceTest, EachRestartPlaysTheTrackOnceAndFreesTheEndedOne)
{
    files_.Write("short.wav", audiotest::MakeWav(60));
    g_tracksEnded = 0;
    StartMusicOutput(files_.File("short.wav"));
    Mix_HookMusicFinished(CountEndedTrack);
    ASSERT_TRUE(WaitForTracksEnded(1));
    EXPECT_EQ(Mix_PlayingMusic(), 0) << "the track plays once; its owner restarts it";

    // A streamed track holds its file open, so a track never freed shows as one more descriptor.
    const int descriptorsWithOneTrack = OpenFileDescriptors();
    for (int restart = 1; restart <= 4; ++restart) {
        EXPECT_EQ(StartMusicOutput(files_.File("short.wav")), "");
        ASSERT_TRUE(WaitForTracksEnded(1 + restart)) << "restart " << restart << " never played";
        EXPECT_EQ(OpenFileDescriptors(), descriptorsWithOneTrack) << "restart " << restart;
    }
}

TEST_F(AudioDeviceTest, WithSoundDisabledNoDeviceIsOpened)
{
    SetSoundEnabled(false);
    files_.Write("track.wav", audiotest::MakeWav(100));
    EXPECT_EQ(StartMusicOutput(files_.File("track.wav")), "");
    EXPECT_FALSE(AudioOpen());
    EXPECT_EQ(Mix_QuerySpec(nullptr, nullptr, nullptr), 0);
}

} // namespace
