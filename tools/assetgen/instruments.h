#pragma once
// The instruments of the music track: each renders one note of its part as a mono signal.
#include "score.h"

#include <cstdint>
#include <vector>

// The note rendered at 44.1 kHz, starting at its onset; seed varies the noise of drums.
std::vector<float> RenderNote(Part part, const Note& note, double secondsPerBeat, uint64_t seed);
