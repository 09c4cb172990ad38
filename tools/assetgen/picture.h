#pragma once
// One generated image (a cairo surface with the file name it is written to) and the set of
// all of them, which writes the files and feeds the contact sheet.
#include <cairo.h>

#include <memory>
#include <string>
#include <vector>

using Surface = std::shared_ptr<cairo_surface_t>;

Surface NewSurface(int width, int height);
int WidthOf(const Surface& surface);
int HeightOf(const Surface& surface);
// The picture flipped left to right (x -> -x about its centre).
Surface Mirrored(const Surface& surface);

// A drawing context on a new transparent picture; with centred set the origin is the
// picture's centre, which is where the game puts a sprite's body.
class Sketch {
public:
    Sketch(int width, int height, bool centred = true);
    ~Sketch();
    Sketch(const Sketch&) = delete;
    Sketch& operator=(const Sketch&) = delete;

    cairo_t* Cr() const { return cr_; }
    const Surface& Picture() const { return surface_; }

private:
    Surface surface_;
    cairo_t* cr_;
};

struct Picture {
    std::string file;    // relative to the output directory, e.g. "data/gfx/spiral.png"
    Surface surface;
    bool tinted = false; // drawn light: the game colours it
    bool written = true; // false for a specimen, which only the contact sheet shows
    bool onSheet = true; // false for a picture the sheet shows in a specimen instead
};

class PictureSet {
public:
    void Add(const std::string& file, const Surface& surface, bool tinted = false);
    // A picture of the game that the contact sheet shows only as part of a specimen.
    void AddUnlisted(const std::string& file, const Surface& surface);
    // A picture for the contact sheet alone, shown at its own size under the label: many small
    // pictures of one set side by side, such as a glyph set.
    void AddSpecimen(const std::string& label, const Surface& surface);
    const std::vector<Picture>& All() const { return pictures_; }
    // Writes every picture below the directory (PNG, or JPG for .jpg names); false on a failure.
    bool WriteAll(const std::string& directory) const;

private:
    std::vector<Picture> pictures_;
};

bool WritePng(const Surface& surface, const std::string& path);
bool WriteJpg(const Surface& surface, const std::string& path, int quality);
