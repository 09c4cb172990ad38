#pragma once
// The sound effects, synthesised: two explosions, the big_bad's cannon shot, the player's
// firing loop (rat-tat hits every 112 ms that loop without a seam) and the menus' two quiet
// sounds, a pencil's tap for a move and a rising two-note chime for a choice taken.
#include "synth.h"

SoundBuffer SmallExplosion();
SoundBuffer BigExplosion();
SoundBuffer BigBadShot();
SoundBuffer PlayerFireLoop();
SoundBuffer MenuMove();
SoundBuffer MenuTake();

// Length of one shot of the firing loop: the player fires every 112 ms.
constexpr std::size_t kFireLoopHitFrames = 4939;
constexpr int kFireLoopHits = 4;

// Writes every effect's WAV file into the directory; false on a failure.
bool WriteSoundEffects(const std::string& outdir);
