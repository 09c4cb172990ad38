#pragma once
// The pieces every robot drawing is made of: its steel, its plates, dots and rivets, and pencil
// stripes laid inside a path.
#include "pen.h"

#include <cairo.h>

inline const Rgb kSteel = Mix(palette::kGraphiteLight, palette::kPaper, 0.45);
inline const Rgb kDarkSteel = Mix(palette::kInk, palette::kGraphite, 0.55);
constexpr double kPi = 3.14159265358979323846;

// A plate of the fill colour in ink of the width, its outline a little wobbly.
ShapeStyle Plate(Rgb fill, double width);
void Circle(cairo_t* cr, double x, double y, double r, Rgb colour, double alpha = 1.0);
void Rivet(cairo_t* cr, double x, double y);
// Stripes drawn only inside the current path.
void StripesInPath(cairo_t* cr, Pt centre, double radius, const Hatching& hatching, Rng& rng);

// A tread seen from above along +x: its plate from left to right, half its height either side of
// y, and pencil cleats across it (the first at firstCleat, slanted by slant, a cleat every step
// pixels) that run back with the phase.
struct Tread {
    double y;
    double halfHeight;
    double left;
    double right;
    double corner;
    double inkWidth;
    double firstCleat;
    double step;
    double slant;
    double cleatWidth;
};
void DrawTread(cairo_t* cr, const Tread& tread, double phase, Rng& rng);
