#include "audio/soundoutput.h"

namespace {
bool g_soundEnabled = true;
uint64_t g_soundsStarted = 0;
} // namespace

void SetSoundEnabled(bool enabled) { g_soundEnabled = enabled; }

bool SoundEnabled() { return g_soundEnabled; }

Mix_Chunk* LoadWavChunk(const std::string& path)
{
    // SDL_RWFromFile has already said why when it gives no stream.
    SDL_RWops* stream = SDL_RWFromFile(path.c_str(), "rb");
    return stream ? Mix_LoadWAV_RW(stream, 1) : nullptr;
}

int PlayOnFirstFreeChannel(Mix_Chunk* chunk, int loops)
{
    if (!chunk)
        return -1;
    const int channel = Mix_PlayChannelTimed(-1, chunk, loops, -1);
    if (channel >= 0)
        ++g_soundsStarted;
    return channel;
}

uint64_t SoundsStarted() { return g_soundsStarted; }
