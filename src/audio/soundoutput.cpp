#include "audio/soundoutput.h"

namespace {
bool g_soundEnabled = true;
uint64_t g_soundsStarted = 0;
} // namespace

void SetSoundEnabled(bool enabled) { g_soundEnabled = enabled; }

bool SoundEnabled() { return g_soundEnabled; }

Mix_Chunk* LoadWavChunk(const std::string& path)
{
#ifdef __EMSCRIPTEN__
    // A page's SDL numbers its streams again from 0 once the music's has been freed, and stream
    // 0 would read as none here: its own loader opens the file by name.
    return Mix_LoadWAV(path.c_str());
#else
    // SDL_RWFromFile has already said why when it gives no stream.
    SDL_RWops* stream = SDL_RWFromFile(path.c_str(), "rb");
    return stream ? Mix_LoadWAV_RW(stream, 1) : nullptr;
#endif
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
