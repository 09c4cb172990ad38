#pragma once
// The names of every generated picture and sound the game loads, written out independently
// of the generator so the tests catch a file it forgets or misnames.
#include <string>
#include <vector>

namespace assettest {

// "data/gfx/<prefix><n><suffix>" for n = first..last, with the given number of digits.
std::vector<std::string> Numbered(const std::string& prefix, int first, int last, int digits,
                                  const std::string& suffix = ".png");
// The digits, words and marks the level and loop label is set from.
std::vector<std::string> LabelGlyphs();
std::vector<std::string> AllPictures();
std::vector<std::string> AllSounds();

} // namespace assettest
