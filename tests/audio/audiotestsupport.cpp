#include "audiotestsupport.h"

#include "audio/audiodevice.h"
#include "audio/soundbank.h"
#include "audio/soundoutput.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace audiotest {
namespace {

void PutLittleEndian(std::string& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFFu));
}

} // namespace

std::string MakeWav(int milliseconds, int sampleRate)
{
    const uint32_t sampleCount = static_cast<uint32_t>(sampleRate) * static_cast<uint32_t>(milliseconds) / 1000u;
    const uint32_t dataBytes = sampleCount * 2u;
    std::string wav = "RIFF";
    PutLittleEndian(wav, 36u + dataBytes, 4);
    wav += "WAVEfmt ";
    PutLittleEndian(wav, 16, 4);                                     // format chunk size
    PutLittleEndian(wav, 1, 2);                                      // PCM
    PutLittleEndian(wav, 1, 2);                                      // mono
    PutLittleEndian(wav, static_cast<uint32_t>(sampleRate), 4);      // frames per second
    PutLittleEndian(wav, static_cast<uint32_t>(sampleRate) * 2u, 4); // bytes per second
    PutLittleEndian(wav, 2, 2);                                      // bytes per frame
    PutLittleEndian(wav, 16, 2);                                     // bits per sample
    wav += "data";
    PutLittleEndian(wav, dataBytes, 4);
    for (uint32_t i = 0; i < sampleCount; ++i) {
        const int16_t sample = static_cast<int16_t>(3000.0 * std::sin(0.06 * i));
        PutLittleEndian(wav, static_cast<uint16_t>(sample), 2);
    }
    return wav;
}

void ResetAudio()
{
    UnloadAllSoundEffects();
    CloseAudio();
    SetSoundEnabled(true);
}

void DummyAudioTest::SetUp()
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    testing::internal::CaptureStdout();
    const bool opened = OpenAudio();
    const std::string output = testing::internal::GetCapturedStdout();
    ASSERT_TRUE(opened) << output;
}

void DummyAudioTest::TearDown() { ResetAudio(); }

} // namespace audiotest
