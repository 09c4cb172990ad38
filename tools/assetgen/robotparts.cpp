#include "robotparts.h"

ShapeStyle Plate(Rgb fill, double width)
{
    ShapeStyle style;
    style.fill = fill;
    style.ink = palette::kInk;
    style.width = width;
    style.wobble = 0.35;
    return style;
}

void Circle(cairo_t* cr, double x, double y, double r, Rgb colour, double alpha)
{
    cairo_new_path(cr);
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
    SetColour(cr, colour, alpha);
    cairo_fill(cr);
}

void Rivet(cairo_t* cr, double x, double y)
{
    Circle(cr, x, y, 1.5, palette::kInk, 0.85);
    Circle(cr, x - 0.4, y - 0.4, 0.5, palette::kWhite, 0.8);
}

void StripesInPath(cairo_t* cr, Pt centre, double radius, const Hatching& hatching, Rng& rng)
{
    cairo_save(cr);
    cairo_clip(cr);
    HatchArea(cr, centre, radius, hatching, rng);
    cairo_restore(cr);
}

void DrawTread(cairo_t* cr, const Tread& tread, double phase, Rng& rng)
{
    const double y = tread.y;
    const std::vector<Pt> plate =
        RoundedRectPoints(tread.left, y - tread.halfHeight, tread.right, y + tread.halfHeight, tread.corner);
    DrawShape(cr, plate, Plate(kDarkSteel, tread.inkWidth), rng);
    PolygonPath(cr, plate);
    cairo_save(cr);
    cairo_clip(cr);
    const double cleat = tread.halfHeight - 0.5;
    for (int k = 0; k < 10; ++k) {
        const double x = tread.firstCleat + (k - phase) * tread.step;
        cairo_move_to(cr, x, y - cleat);
        cairo_line_to(cr, x + tread.slant, y + cleat);
    }
    SetColour(cr, palette::kPaper, 0.6);
    cairo_set_line_width(cr, tread.cleatWidth);
    cairo_stroke(cr);
    cairo_restore(cr);
}
