#pragma once
// The parts the sound effects are built from: a falling thump, filtered noise, debris crackle,
// a struck bell note, soft saturation, and writing an effect's file.
#include "synth.h"

#include <cstdint>
#include <string>
#include <vector>

// A kick-like body: a sine whose pitch falls from startHz to endHz.
std::vector<float> Thump(double seconds, double startHz, double endHz, double sweep, double tau);
// Noise through a low-pass filter whose cutoff falls from fromHz to toHz.
std::vector<float> Rumble(double seconds, double fromHz, double toHz, double sweep, double tau, uint64_t seed);
// Sparse bright crackles of debris, thinning out over time.
std::vector<float> Crackle(double seconds, double density, double tau, uint64_t seed);
// A bell-like note: a sine and its softer fifth above, struck and dying away.
std::vector<float> Chime(double seconds, double hz, double tau);
void Saturate(SoundBuffer& buffer, double drive);
// Writes the effect's WAV file; false, said on standard error, on a failure.
bool WriteEffect(const std::string& path, const SoundBuffer& buffer);
