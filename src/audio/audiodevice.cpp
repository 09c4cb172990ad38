#include "audio/audiodevice.h"

#include "audio/soundoutput.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <iostream>

bool g_audioOpen = false;

namespace {

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

bool OpenAudio()
{
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) < 0) {
        std::cout << "Ei onnannu " << SDL_GetError() << std::endl;
        return false;
    }
    if (Mix_OpenAudio(kFrequency, kSampleFormat, kOutputChannels, kBufferFrames) < 0) {
        std::cout << "Vaara: ei kyetty 44100 Hz 16-bit audioon " << SDL_GetError() << std::endl;
        return false;
    }
    const char* driverName = SDL_GetCurrentAudioDriver();
    std::cout << (driverName ? driverName : "") << std::endl;
    Mix_AllocateChannels(kEffectChannels);
    return true;
}

void StartMusic(const std::string& path, int volume)
{
    if (!SoundEnabled())
        return;
    if (!g_audioOpen) {
        g_audioOpen = OpenAudio();
        if (!g_audioOpen)
            return;
    }
    Mix_Music* music = Mix_LoadMUS(path.c_str());
    if (!music) {
        std::cout << "Error! Mix_LoadMUS( " << path << ") : " << SDL_GetError() << std::endl;
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
