#pragma once
// One effect that loops for as long as its owner wants (the live player's firing sound). It loads
// its own chunk at the first Play, outside the bank, and a file that cannot be loaded simply stays
// silent, with no message. Play while already playing does nothing, so the owner may call it in
// every step it fires. With sound disabled (soundoutput.h) the playing flag works the same, but
// nothing is loaded or started.
#include <SDL_mixer.h>

#include <string>

class LoopingSound {
public:
    explicit LoopingSound(const std::string& path);
    ~LoopingSound();
    LoopingSound(const LoopingSound&) = delete;
    LoopingSound& operator=(const LoopingSound&) = delete;

    // Starts the loop on the first free channel, unless it is already playing.
    void Play();
    // Ends the loop, if one is playing.
    void Stop();
    bool IsPlaying() const { return playing_; }

private:
    Mix_Chunk* chunk_ = nullptr;
    int channel_ = -1; // -1: the loop found no free channel
    std::string fileName_;
    bool playing_ = false;
};
