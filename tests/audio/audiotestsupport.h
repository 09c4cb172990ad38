#pragma once
// Shared by the audio tests: small valid WAV files and a fixture with the mixer open on SDL's
// dummy driver (no sound card needed), closed again after each test.
#include <gtest/gtest.h>

#include <string>

namespace audiotest {

// The bytes of a WAV file (16-bit PCM, mono) holding a quiet tone of the given length.
std::string MakeWav(int milliseconds, int sampleRate = 22050);

// Leaves the device closed, the audio subsystem down, the bank empty and sound enabled.
void ResetAudio();

class DummyAudioTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

} // namespace audiotest
