#pragma once
// The game's one door to SDL_mixer's effect channels: the sound switch, loading a WAV effect and
// starting it on a channel.
//
// The switch is for the headless simulation driver, which runs the world with no sound device and
// must print nothing but its own results. While sound is disabled:
//   - PlaySound, PlaySoundNow and FindOrLoadSound (soundbank.h) neither call SDL_mixer nor print;
//     FindOrLoadSound still returns an entry (an unloaded one, with no chunk). Once sound is on
//     again, such an entry is treated like a failed load: the first play request drops it and
//     the next one loads the file;
//   - LoadAllSoundEffects preloads nothing;
//   - LoopingSound::Play and Stop (loopingsound.h) switch their playing flag exactly as with sound
//     on, but load and start nothing;
//   - StartMusic (audiodevice.h) neither opens the device nor loads the track.
// Sound is enabled from the start.
#include <SDL_mixer.h>

#include <cstdint>
#include <string>

void SetSoundEnabled(bool enabled);
bool SoundEnabled();

// Sound off for as long as it lives (a game played unheard), then back as it was.
class SoundOff {
public:
    SoundOff() : wasEnabled_(SoundEnabled()) { SetSoundEnabled(false); }
    ~SoundOff() { SetSoundEnabled(wasEnabled_); }
    SoundOff(const SoundOff&) = delete;
    SoundOff& operator=(const SoundOff&) = delete;

private:
    bool wasEnabled_;
};

// Decodes a WAV file into a chunk for the open device; the file is closed after reading. Null
// when the file cannot be opened or decoded (or no device is open), with SDL's error text set.
Mix_Chunk* LoadWavChunk(const std::string& path);

// Starts chunk on the first free channel with no time limit, repeating it loops more times
// (-1: forever). Returns the channel, or -1 when no channel is free or chunk is null.
int PlayOnFirstFreeChannel(Mix_Chunk* chunk, int loops);

// How many effects and loops the mixer has really started since the program began (every
// PlayOnFirstFreeChannel that got a channel). For diagnostics and tests.
uint64_t SoundsStarted();
