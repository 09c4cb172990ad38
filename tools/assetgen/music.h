#pragma once
// Renders the score to a stereo mix and writes it as the game's Ogg Vorbis music track.
#include "score.h"
#include "synth.h"

#include <string>

SoundBuffer RenderMusic(const Score& score);
bool WriteMusic(const std::string& path);
