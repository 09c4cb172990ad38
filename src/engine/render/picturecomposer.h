#pragma once
// A picture composed at run time from the game's picture files: each laid over what is there (in
// straight alpha, as the device blends), at whole pixels, a picture optionally stretched across.
// The composed picture is then kept in the texture cache under a name of its own, so that a
// sprite shows it as it would any picture file. The game sets the names of keys and buttons
// into key caps and notes this way (app/text/keycaps.h).
#include "engine/render/texturecache.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

class PictureComposer {
public:
    // A transparent picture of that size.
    PictureComposer(int width, int height);

    // Lays the picture file with its top-left corner at (x, y); stretched across to width pixels
    // when width is above 0. A picture that cannot be read lays nothing.
    void Lay(const std::string& file, int x, int y, int width = 0);

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Rows top to bottom, R, G, B, A.
    const std::vector<uint8_t>& Pixels() const { return pixels_; }
    // The picture in the texture cache under the name: the one kept under it before, if any.
    TextureEntry* Keep(const std::string& name) const;

private:
    struct Decoded {
        int width = 0;
        int height = 0;
        std::vector<uint8_t> rgba;
    };

    const Decoded& Read(const std::string& file);
    void Blend(const uint8_t* source, int x, int y);

    int width_;
    int height_;
    std::vector<uint8_t> pixels_;
    std::map<std::string, Decoded> read_; // the files laid so far, decoded once
};
