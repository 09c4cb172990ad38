#pragma once
// The four sound effects, synthesised: two explosions, the big_bad's cannon shot and the
// player's firing loop (rat-tat hits every 112 ms that loop without a seam).
#include "synth.h"

SoundBuffer SmallExplosion();
SoundBuffer BigExplosion();
SoundBuffer BigBadShot();
SoundBuffer PlayerFireLoop();

// Length of one shot of the firing loop: the player fires every 112 ms.
constexpr std::size_t kFireLoopHitFrames = 4939;
constexpr int kFireLoopHits = 4;

// Writes the four WAV files into the directory; false on a failure.
bool WriteSoundEffects(const std::string& outdir);
