#pragma once
// How the game writes a level's records wherever it shows them (the note under the cleared
// banner, the level select, the ending, the replays): a loop count and a time of the level's own
// clock, from its start over all its loops.
#include "app/profile/records.h"

#include <cstdint>
#include <string>

// "1 loop", "3 loops" (in the language spoken, as the words below).
std::string LoopCount(int loops);
// "assisted" for a record that came, in a figure or both, from a game played slower than full
// speed; "" for one of full speed.
std::string AssistedMark(const LevelRecord& record);
// The same as one character, an hourglass, where a line has no room for the word.
std::string AssistedGlyph(const LevelRecord& record);
inline constexpr const char* kAssistedGlyph = "\u231B";
// Minutes, seconds and the fraction: "0:42.50" with two decimals, "0:42.5" with one (the
// milliseconds past the last digit are left out, never rounded up), with the language's decimal
// mark ("0:42,50").
std::string FormatGameTime(uint32_t milliseconds, int decimals = 2);
// The time as FormatGameTime shows it, in milliseconds: a sum of shown times adds up as shown.
uint32_t ShownGameTime(uint32_t milliseconds, int decimals = 2);
