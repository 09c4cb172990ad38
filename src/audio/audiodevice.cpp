#include "audio/audiodevice.h"

#include "audio/soundoutput.h"
#include "utils/log.h"

#include <SDL.h>
#include <SDL_mixer.h>

namespace {

bool g_audioOpen = false;

constexpr int kFrequency = 44100;
constexpr Uint16 kSampleFormat = 0x8010; // signed 16-bit, little-endian
constexpr int kOutputChannels = 2;
constexpr int kBufferFrames = 2048;
constexpr int kEffectChannels = 16;
constexpr int kPlayOnce = 0;

// The track of the latest successful start; it stays loaded while it plays.
Mix_Music* g_music = nullptr;

void FreeMusic()
{
    if (g_music)
        Mix_FreeMusic(g_music);
    g_music = nullptr;
}

} // namespace

bool AudioOpen() { return g_audioOpen; }

bool OpenAudio()
{
    g_audioOpen = false;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) < 0) {
        kolm::Say(std::string("Ei onnannu ") + SDL_GetError());
        return false;
    }
    if (Mix_OpenAudio(kFrequency, kSampleFormat, kOutputChannels, kBufferFrames) < 0) {
        kolm::Say(std::string("Vaara: ei kyetty 44100 Hz 16-bit audioon ") + SDL_GetError());
        return false;
    }
    const char* driverName = SDL_GetCurrentAudioDriver();
    kolm::Say(driverName ? driverName : "");
    Mix_AllocateChannels(kEffectChannels);
    g_audioOpen = true;
    return true;
}

void StartMusic(const std::string& path, int volume)
{
    if (!SoundEnabled())
        return;
    if (!g_audioOpen && !OpenAudio())
        return;
    Mix_Music* music = Mix_LoadMUS(path.c_str());
    if (!music) {
        kolm::Say("Error! Mix_LoadMUS( " + path + ") : " + SDL_GetError());
        return;
    }
    // Each start loads the track anew; the one of the previous start has ended by now (or is
    // cut short here, as playing the new one would do anyway).
    FreeMusic();
    g_music = music;
    if (volume >= 0)
        Mix_VolumeMusic(volume);
    Mix_PlayMusic(g_music, kPlayOnce);
}

void KeepMusicPlaying(const std::string& path)
{
    if (Mix_PlayingMusic() == 0)
        StartMusic(path);
}

void SetMixerVolumes(int music, int effects)
{
    Mix_VolumeMusic(music);
    Mix_Volume(-1, effects);
}

void HoldAllSound(bool held)
{
    if (held) {
        Mix_PauseMusic();
        Mix_Pause(-1);
    } else {
        Mix_ResumeMusic();
        Mix_Resume(-1);
    }
}

void CloseAudio()
{
    FreeMusic();
    while (Mix_QuerySpec(nullptr, nullptr, nullptr) > 0)
        Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    g_audioOpen = false;
}
