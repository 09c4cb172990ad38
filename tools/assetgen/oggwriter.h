#pragma once
// Encodes a sound buffer as Ogg Vorbis with libvorbisenc.
#include "synth.h"

#include <string>
#include <vector>

// serial is the Ogg stream's serial number: a fixed one makes the file the same on every run.
bool WriteOggVorbis(const std::string& path, const SoundBuffer& buffer, int serial,
                    const std::vector<std::string>& comments);
