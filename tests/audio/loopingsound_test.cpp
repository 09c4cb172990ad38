#include "audio/loopingsound.h"

#include "audio/soundoutput.h"
#include "audiotestsupport.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

class LoopingSoundTest : public audiotest::DummyAudioTest {
protected:
    void SetUp() override
    {
        audiotest::DummyAudioTest::SetUp();
        files_.Write("fire.wav", audiotest::MakeWav(30));
    }

    testsupport::TempDir files_;
};

TEST_F(LoopingSoundTest, RepeatedPlayKeepsOneLoopAndStopEndsIt)
{
    LoopingSound fire(files_.File("fire.wav"));
    const uint64_t before = SoundsStarted();
    fire.Play();
    fire.Play();
    EXPECT_TRUE(fire.IsPlaying());
    EXPECT_EQ(Mix_Playing(-1), 1);
    EXPECT_EQ(SoundsStarted(), before + 1);

    fire.Stop();
    EXPECT_FALSE(fire.IsPlaying());
    EXPECT_EQ(Mix_Playing(-1), 0);

    fire.Play();
    EXPECT_EQ(Mix_Playing(-1), 1) << "a stopped loop starts again";
    fire.Stop();
    fire.Stop();
    EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST_F(LoopingSoundTest, DestroyingAPlayingLoopSilencesIt)
{
    auto fire = std::make_unique<LoopingSound>(files_.File("fire.wav"));
    fire->Play();
    ASSERT_EQ(Mix_Playing(-1), 1);
    fire.reset();
    EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST_F(LoopingSoundTest, AMissingFileStaysSilentAndPrintsNothing)
{
    LoopingSound fire(files_.File("none.wav"));
    const uint64_t before = SoundsStarted();
    CaptureStdout();
    fire.Play();
    EXPECT_TRUE(fire.IsPlaying());
    fire.Stop();
    fire.Play();
    EXPECT_EQ(GetCapturedStdout(), "");
    EXPECT_EQ(Mix_Playing(-1), 0);
    EXPECT_EQ(SoundsStarted(), before);
}

TEST_F(LoopingSoundTest, WithSoundDisabledTheFlagWorksButNothingSounds)
{
    SetSoundEnabled(false);
    LoopingSound fire(files_.File("fire.wav"));
    const uint64_t before = SoundsStarted();
    fire.Play();
    EXPECT_TRUE(fire.IsPlaying());
    EXPECT_EQ(Mix_Playing(-1), 0);
    fire.Stop();
    EXPECT_FALSE(fire.IsPlaying());
    EXPECT_EQ(SoundsStarted(), before);
}

} // namespace
