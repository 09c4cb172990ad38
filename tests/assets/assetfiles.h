#pragma once
// The names of every generated picture and sound the game loads, written out independently
// of the generator so the tests catch a file it forgets or misnames.
#include <cstddef>
#include <string>
#include <vector>

namespace assettest {

// "data/gfx/<prefix><n><suffix>" for n = first..last, with the given number of digits.
std::vector<std::string> Numbered(const std::string& prefix, int first, int last, int digits,
                                  const std::string& suffix = ".png");
// The digits, words and marks the level and loop label is set from.
std::vector<std::string> LabelGlyphs();
// The lettering glyphs of one size ("large" or "small"): capitals, digits, punctuation, the times
// sign and the middle dot.
std::vector<std::string> Glyphs(const std::string& size);
// The menus' card pieces, marks, badges and value pictures.
std::vector<std::string> MenuFurniture();
std::vector<std::string> AllPictures();
std::vector<std::string> AllSounds();

// A sound file decoded to interleaved samples, scaled so that full scale is 1.
struct DecodedSound {
    int channels = 0;
    int rate = 0;
    int bitsPerSample = 0; // as stored in a WAV file; 0 for Vorbis, which has none
    std::vector<double> samples;

    std::size_t Frames() const { return channels ? samples.size() / static_cast<std::size_t>(channels) : 0; }
    std::vector<double> Channel(int channel) const;
};

// A 16-bit PCM WAV file; empty when it is not one.
DecodedSound ReadWav(const std::string& path);
// An Ogg Vorbis file decoded to floats; empty when it cannot be opened.
DecodedSound DecodeOggVorbis(const std::string& path);
// Either of the above, by the file's extension.
DecodedSound DecodeSoundFile(const std::string& path);

} // namespace assettest
