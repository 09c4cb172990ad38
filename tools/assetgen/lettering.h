#pragma once
// Hand lettering: glyph outlines warped a little, as if inked by hand. ASCII is set in the
// "Humor Sans" face, whose letters are all capitals, and so are the accented capitals it makes
// from its own letters and marks (accents.h); the characters it lacks in faces of the same hand,
// each scaled so that its capitals stand as tall as Humor Sans's: other Latin letters and signs
// (as capitals) in "Comic Neue", Japanese in "Klee One". Text is UTF-8.
#include "pen.h"

#include <cairo.h>

#include <string>

// The first of the faces that fontconfig does not resolve to that family (but to a fallback
// face), with the Debian package that has it; "" when every face is there.
std::string MissingLetteringFont();

enum class Align { Left, Centre, Right };

struct LetteringStyle {
    double size = 32.0;
    Rgb ink = palette::kBallpoint;
    double alpha = 1.0;
    double outline = 0.0; // width of an ink outline around the letters; 0 for none
    Rgb outlineInk = palette::kInk;
    double warp = 0.6;    // how far the strokes waver, in pixels
};

// Width of the text at the style's size.
double LetteringWidth(cairo_t* cr, const std::string& text, double size);
// How far the face's capitals stand above the baseline at the size.
double CapitalHeight(cairo_t* cr, double size);
// The size, at most the given one, at which the text fits in maxWidth.
double FittedSize(cairo_t* cr, const std::string& text, double size, double maxWidth);
// Appends the text's (warped) outline to the current path without drawing it.
void LetteringPath(cairo_t* cr, const std::string& text, double x, double y, Align align, const LetteringStyle& style,
                   Rng& rng);
// Inks the current path (and clears it): a stroke of pale paper haloWidth wide under a fill of the
// ink, so small lettering stays readable over the grid, smoke and robots.
void InkWithHalo(cairo_t* cr, Rgb ink, double haloWidth);
// Letters the text with its baseline at y, placed at x by the alignment.
void Letter(cairo_t* cr, const std::string& text, double x, double y, Align align, const LetteringStyle& style,
            Rng& rng);
