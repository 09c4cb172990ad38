#include "audio/loopingsound.h"

#include "audio/soundoutput.h"

namespace {
constexpr int kLoopForever = -1;
}

LoopingSound::LoopingSound(const std::string& path)
    : fileName_(path)
{
}

// Freeing the chunk also halts a loop that is still playing it.
LoopingSound::~LoopingSound() { Mix_FreeChunk(chunk_); }

void LoopingSound::Play()
{
    if (playing_)
        return;
    playing_ = true;
    if (!SoundEnabled())
        return;
    if (!chunk_)
        chunk_ = LoadWavChunk(fileName_);
    channel_ = PlayOnFirstFreeChannel(chunk_, kLoopForever);
}

void LoopingSound::Stop()
{
    if (!playing_)
        return;
    playing_ = false;
    // Only a loop that really started holds a channel (never one started with sound disabled).
    if (channel_ >= 0)
        Mix_HaltChannel(channel_);
    channel_ = -1;
}
