#pragma once
// Hand-drawn marks on a cairo context: wobbly outlines smoothed through their points, ink
// strokes, pencil hatching and the shape style that fills, hatches and outlines in one go.
#include "rng.h"

#include <cairo.h>

#include <vector>

struct Rgb {
    double r, g, b;
};

struct Pt {
    double x, y;
};

// The inks and pencils of the whole set.
namespace palette {
constexpr Rgb kPaper{0.975, 0.965, 0.93};
constexpr Rgb kSkin{1.0, 0.94, 0.87};
constexpr Rgb kBallpoint{0.11, 0.17, 0.45};
constexpr Rgb kBallpointLight{0.42, 0.52, 0.80};
constexpr Rgb kInk{0.09, 0.09, 0.13};
constexpr Rgb kRedInk{0.78, 0.12, 0.12};
constexpr Rgb kScarlet{0.92, 0.16, 0.10};
constexpr Rgb kJacketBlue{0.08, 0.34, 0.88};
constexpr Rgb kBlood{0.52, 0.04, 0.07};
constexpr Rgb kGraphite{0.34, 0.35, 0.37};
constexpr Rgb kGraphiteLight{0.62, 0.63, 0.65};
constexpr Rgb kGhostPaper{0.93, 0.93, 0.94};
constexpr Rgb kOrangePencil{0.93, 0.42, 0.10};
constexpr Rgb kGreenPencil{0.20, 0.58, 0.38};
constexpr Rgb kAmberPencil{0.92, 0.66, 0.18};
constexpr Rgb kRuleBlue{0.45, 0.58, 0.80};
constexpr Rgb kWhite{1.0, 1.0, 1.0};
} // namespace palette

Rgb Mix(Rgb a, Rgb b, double t);
void SetColour(cairo_t* cr, Rgb colour, double alpha = 1.0);

// Outlines as point lists (closed unless a caller strokes them open).
std::vector<Pt> EllipsePoints(double cx, double cy, double rx, double ry, int count = 0);
std::vector<Pt> RoundedRectPoints(double x0, double y0, double x1, double y1, double corner);
// A five-pointed star standing on two points: its tips at outer from the centre, its notches at inner.
std::vector<Pt> StarPoints(double cx, double cy, double outer, double inner);
std::vector<Pt> Jittered(const std::vector<Pt>& points, double amount, Rng& rng);
std::vector<Pt> Transformed(const std::vector<Pt>& points, double dx, double dy, double angle = 0.0,
                            double scale = 1.0);

// Appends a smooth curve through the points (Catmull-Rom) to the current path.
void SmoothPath(cairo_t* cr, const std::vector<Pt>& points, bool closed);
void PolygonPath(cairo_t* cr, const std::vector<Pt>& points);

// One pen stroke through the points, with round ends.
void InkLine(cairo_t* cr, const std::vector<Pt>& points, Rgb colour, double width, double alpha = 1.0);
// A stroke that tapers from startWidth to endWidth along the points.
void TaperedStroke(cairo_t* cr, const std::vector<Pt>& points, double startWidth, double endWidth,
                   Rgb colour, double alpha = 1.0);

struct Hatching {
    Rgb colour{0, 0, 0};
    double alpha = 0.0; // 0: none
    double angle = 0.8;
    double spacing = 2.5;
    double width = 0.8;
    bool cross = false;
};

// Parallel pencil lines over the current clip, jittered a little, around a centre and radius.
void HatchArea(cairo_t* cr, Pt centre, double radius, const Hatching& hatching, Rng& rng);

struct ShapeStyle {
    Rgb fill = palette::kPaper;
    double fillAlpha = 1.0; // 0: no fill
    Rgb ink = palette::kInk;
    double inkAlpha = 1.0; // 0: no outline
    double width = 1.6;
    double wobble = 0.35;  // jitter of the outline points
    bool sketchy = false;  // a second, lighter pass of the outline
    Hatching hatching;
};

// Fills, hatches and outlines a closed shape given by its points.
void DrawShape(cairo_t* cr, const std::vector<Pt>& points, const ShapeStyle& style, Rng& rng);

// Soft pencil smudge under an object (a shadow seen from above).
void Smudge(cairo_t* cr, double cx, double cy, double rx, double ry, Rgb colour, double alpha);

// Notebook paper inside the outline: filled, ruled by the lines rules() adds to the current path
// (the outline's still on it) in pale blue and its margin from marginTop to marginBottom in red,
// both within the paper, then edged in graphite.
template <typename Rules>
void RuledPaper(cairo_t* cr, const std::vector<Pt>& outline, Rules rules, Pt marginTop, Pt marginBottom)
{
    PolygonPath(cr, outline);
    SetColour(cr, palette::kPaper);
    cairo_fill_preserve(cr);
    cairo_save(cr);
    cairo_clip_preserve(cr);
    rules();
    SetColour(cr, palette::kRuleBlue, 0.45);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
    cairo_move_to(cr, marginTop.x, marginTop.y);
    cairo_line_to(cr, marginBottom.x, marginBottom.y);
    SetColour(cr, palette::kRedInk, 0.45);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    cairo_restore(cr);
    PolygonPath(cr, outline);
    SetColour(cr, palette::kGraphite, 0.5);
    cairo_set_line_width(cr, 1.0);
    cairo_stroke(cr);
}

// Draws with the origin moved to (x, y), turned by angle and scaled: a figure of the game drawn
// bigger, facing its angle, in a larger picture.
template <typename Draw>
void Placed(cairo_t* cr, double x, double y, double angle, double scale, Draw draw)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_scale(cr, scale, scale);
    draw();
    cairo_restore(cr);
}
