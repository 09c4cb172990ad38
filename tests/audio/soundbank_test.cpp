// The effect bank: preloading, finding, failed loads, the throttle and the bank's own order.
#include "audio/soundbank.h"

#include "audio/soundoutput.h"
#include "audiotestsupport.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using audiotest::MakeWav;
using testing::internal::CaptureStdout;
using testing::internal::GetCapturedStdout;

// A game directory with an (initially empty) "data/sfx/" in a temporary folder.
class SoundBankTest : public audiotest::DummyAudioTest {
protected:
    void SetUp() override
    {
        audiotest::DummyAudioTest::SetUp();
        game_.MakeDir("data");
        game_.MakeDir("data/sfx");
    }

    void AddEffect(const std::string& name) const { game_.Write("data/sfx/" + name, MakeWav(40)); }

    template <typename Fn>
    void InGame(Fn fn) const
    {
        testsupport::InDirectory(game_.Path(), fn);
    }

    testsupport::TempDir game_;
    testsupport::FakeClock clock_;
};

std::set<std::string> BankNames()
{
    std::set<std::string> names;
    for (const MixerFile* entry : LoadedSounds())
        names.insert(entry->fileName);
    return names;
}

TEST_F(SoundBankTest, PreloadsEveryWavOfTheEffectDirectoryByLowerCasePath)
{
    AddEffect("laser.wav");
    AddEffect("boom.wav");
    AddEffect("Shout.wav");
    game_.Write("data/sfx/readme.txt", "not a sound");
    InGame([] {
        CaptureStdout();
        LoadAllSoundEffects();
        // This file system tells case apart, so the lower-cased name of "Shout.wav" is missing.
        EXPECT_EQ(GetCapturedStdout(), "Error! Couldn't load: data/sfx/shout.wav\n");
    });
    EXPECT_EQ(BankNames(), (std::set<std::string>{"data/sfx/laser.wav", "data/sfx/boom.wav", "data/sfx/shout.wav"}));
    for (const MixerFile* entry : LoadedSounds())
        EXPECT_EQ(entry->chunk != nullptr, entry->fileName != "data/sfx/shout.wav") << entry->fileName;
}

TEST_F(SoundBankTest, FindsALoadedEffectInsteadOfLoadingItAgain)
{
    AddEffect("laser.wav");
    InGame([this] {
        LoadAllSoundEffects();
        ASSERT_EQ(LoadedSounds().size(), 1u);
        const MixerFile* preloaded = LoadedSounds().front();
        EXPECT_EQ(FindOrLoadSound("data/sfx/laser.wav"), preloaded);

        AddEffect("late.wav");
        MixerFile* late = FindOrLoadSound("data/sfx/late.wav");
        EXPECT_NE(late->chunk, nullptr);
        EXPECT_EQ(FindOrLoadSound("data/sfx/late.wav"), late);
        // The comparison is exact: another spelling is another entry.
        CaptureStdout();
        EXPECT_NE(FindOrLoadSound("data/sfx/LASER.wav"), preloaded);
        GetCapturedStdout();
    });
    EXPECT_EQ(LoadedSounds().size(), 3u);
}

TEST_F(SoundBankTest, WithNoEffectDirectoryTheFirstPlayLoadsTheEffect)
{
    testsupport::TempDir empty;
    testsupport::InDirectory(empty.Path(), [] { LoadAllSoundEffects(); });
    EXPECT_EQ(LoadedSounds().size(), 0u);

    AddEffect("boom.wav");
    const uint64_t before = SoundsStarted();
    InGame([] { PlaySound("data/sfx/boom.wav"); });
    EXPECT_EQ(SoundsStarted(), before + 1);
    EXPECT_EQ(BankNames(), std::set<std::string>{"data/sfx/boom.wav"});
}

TEST_F(SoundBankTest, AFailedLoadIsReportedAndTriedAgainByTheNextRequest)
{
    const std::string path = "data/sfx/missing.wav";
    const std::string report = "Error! Couldn't load: " + path + "\n";
    InGame([&] {
        CaptureStdout();
        PlaySound(path);
        EXPECT_EQ(GetCapturedStdout(), report);
        EXPECT_EQ(LoadedSounds().size(), 0u) << "the failed entry is dropped when played";

        clock_.Advance(50);
        CaptureStdout();
        PlaySound(path);
        EXPECT_EQ(GetCapturedStdout(), "") << "held back by the throttle";

        clock_.Advance(50);
        CaptureStdout();
        PlaySound(path);
        EXPECT_EQ(GetCapturedStdout(), report);

        AddEffect("missing.wav");
        clock_.Advance(100);
        const uint64_t before = SoundsStarted();
        CaptureStdout();
        PlaySound(path);
        EXPECT_EQ(GetCapturedStdout(), "");
        EXPECT_EQ(SoundsStarted(), before + 1);
    });
}

TEST_F(SoundBankTest, TheBankKeepsItsEffectsInLoadingOrderAndDropsOnlyTheFailedOneThatIsPlayed)
{
    AddEffect("first.wav");
    AddEffect("last.wav");
    InGame([] {
        CaptureStdout();
        const MixerFile* first = FindOrLoadSound("data/sfx/first.wav");
        FindOrLoadSound("data/sfx/missing.wav");
        const MixerFile* last = FindOrLoadSound("data/sfx/last.wav");
        EXPECT_EQ(LoadedSounds().size(), 3u);
        PlaySoundNow("data/sfx/missing.wav");
        EXPECT_EQ(LoadedSounds(), (std::vector<const MixerFile*>{first, last}));
        EXPECT_EQ(FindOrLoadSound("data/sfx/last.wav"), last) << "the others stay where they were";
        GetCapturedStdout();
    });
    UnloadAllSoundEffects();
    EXPECT_TRUE(LoadedSounds().empty());
}

TEST_F(SoundBankTest, TheSameEffectStartsOnceWithin100Ms)
{
    AddEffect("boom.wav");
    InGame([this] {
        LoadAllSoundEffects();
        const uint64_t before = SoundsStarted();
        for (int i = 0; i < 10; ++i) {
            PlaySound("data/sfx/boom.wav");
            clock_.Advance(10);
        }
        EXPECT_EQ(SoundsStarted(), before + 1);
        // 100 ms after the one start (not after the last request) it plays again.
        PlaySound("data/sfx/boom.wav");
        EXPECT_EQ(SoundsStarted(), before + 2);
    });
}

TEST_F(SoundBankTest, RequestsSpread100MsApartStartEveryTime)
{
    AddEffect("boom.wav");
    InGame([this] {
        LoadAllSoundEffects();
        const uint64_t before = SoundsStarted();
        for (int i = 0; i < 10; ++i) {
            PlaySound("data/sfx/boom.wav");
            Mix_HaltChannel(-1); // keep channels free: only the throttle may hold a start back
            clock_.Advance(100);
        }
        EXPECT_EQ(SoundsStarted(), before + 10);
    });
}

TEST_F(SoundBankTest, OnlyTheLastEffectIsThrottled)
{
    AddEffect("boom.wav");
    AddEffect("laser.wav");
    InGame([this] {
        LoadAllSoundEffects();
        const uint64_t before = SoundsStarted();
        for (int i = 0; i < 10; ++i) {
            PlaySound(i % 2 ? "data/sfx/laser.wav" : "data/sfx/boom.wav");
            Mix_HaltChannel(-1);
            clock_.Advance(5);
        }
        EXPECT_EQ(SoundsStarted(), before + 10);
    });
}

TEST_F(SoundBankTest, WithSoundDisabledNothingIsLoadedPlayedOrPrinted)
{
    AddEffect("boom.wav");
    SetSoundEnabled(false);
    const uint64_t before = SoundsStarted();
    InGame([] {
        CaptureStdout();
        LoadAllSoundEffects();
        EXPECT_EQ(LoadedSounds().size(), 0u);
        PlaySound("data/sfx/missing.wav");
        PlaySoundNow("data/sfx/boom.wav");
        MixerFile* entry = FindOrLoadSound("data/sfx/missing.wav");
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->chunk, nullptr);
        EXPECT_EQ(GetCapturedStdout(), "");
    });
    EXPECT_EQ(SoundsStarted(), before);
    EXPECT_EQ(LoadedSounds().size(), 1u);
}

} // namespace
